#include "smooth_surface.h"

#include <QGuiApplication>
#include <QPalette>
#include <algorithm>
#include <cmath>

QColor TSmoothSurface::Resolve(TColor color) const {
    if (!IsSystemColor(color)) return ColorOfRgb(color);
    if (ResolveSystemColor) return ResolveSystemColor(color);
    // Only the window-text colour is asked for by the renderer itself.
    const QPalette palette = QGuiApplication::palette();
    return color == kSystemWindowText ? palette.color(QPalette::WindowText) : QColor(Qt::black);
}

QFont ScaledAliasedFont(const QFont& font, int scale) {
    QFont scaled(font);
    int pixels = font.pixelSize();
    if (pixels <= 0) pixels = static_cast<int>(std::lround(font.pointSizeF() * 96.0 / 72.0));
    // Qt refuses pixel sizes below 1. Far above any size a control shows,
    // a text's mask and its samples would run to gigabytes.
    scaled.setPixelSize(std::clamp(pixels, 1, 1 << 11) * scale);
    scaled.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    return scaled;
}
