#include "smooth_blend.h"

#include <QPainter>
#include <algorithm>
#include <cstdint>

#include "smooth_text/smooth_font.h"
#include "smooth_text/smooth_mask.h"

TSmoothBlend::TSmoothBlend(TSmoothFont* owner) : owner_(owner) {}

void TSmoothBlend::Blend(int x, int y, TColor color, int alpha, const TSmoothMask& mask) {
    const TSmoothSurface* surface = owner_ ? owner_->Surface() : nullptr;
    if (!surface || !surface->Image) return;
    const QColor c = surface->Resolve(color);
    const std::uint8_t bgr[3] = {static_cast<std::uint8_t>(c.blue()), static_cast<std::uint8_t>(c.green()),
                                 static_cast<std::uint8_t>(c.red())};
    blend(*surface, x, y, alpha, mask, [&](int, int) { return bgr; });
}

void TSmoothBlend::BlendEx(int x, int y, int alpha, const TSmoothMask& mask) {
    const bool empty = mask.Width() == 0 || mask.Height() == 0;
    const bool fits = empty ? foreBmp_.width() * foreBmp_.height() == 0
                            : foreBmp_.format() == QImage::Format_BGR888 && foreBmp_.width() == mask.Width() &&
                                  foreBmp_.height() == mask.Height();
    if (!fits) throw EInvalidForeBmp();
    const TSmoothSurface* surface = owner_ ? owner_->Surface() : nullptr;
    if (!surface || !surface->Image) return;
    blend(*surface, x, y, alpha, mask, [&](int px, int py) { return foreBmp_.constScanLine(py) + 3 * px; });
}

void TSmoothBlend::copyFromSurface(const QImage& target, int x, int y) {
    // Straight from 32-bit surfaces; any other format through a converted copy.
    const bool direct = target.format() == QImage::Format_RGB32 || target.format() == QImage::Format_ARGB32 ||
                        target.format() == QImage::Format_ARGB32_Premultiplied;
    const QImage source = direct ? QImage() : target.copy(x, y, work_.width(), work_.height());
    const QImage& from = direct ? target : source;
    const int fromX = direct ? x : 0, fromY = direct ? y : 0;
    // Pixels outside the surface read as black; the copy back clips them.
    work_.fill(Qt::black);
    for (int py = 0; py < work_.height(); ++py) {
        const int sy = fromY + py;
        if (sy < 0 || sy >= from.height()) continue;
        const int first = std::max(0, -fromX), last = std::min(work_.width(), from.width() - fromX);
        QRgb* out = reinterpret_cast<QRgb*>(work_.scanLine(py));
        if (direct) {
            const QRgb* in = reinterpret_cast<const QRgb*>(from.constScanLine(sy));
            for (int px = first; px < last; ++px) out[px] = 0xFF000000u | in[fromX + px];
        } else {
            for (int px = first; px < last; ++px) out[px] = from.pixel(fromX + px, sy) | 0xFF000000u;
        }
    }
}

template <typename ColorAt>
void TSmoothBlend::blend(const TSmoothSurface& surface, int x, int y, int alpha, const TSmoothMask& mask,
                         ColorAt colorAt) {
    const int w = mask.Width(), h = mask.Height();
    QImage& target = *surface.Image;
    if (w == 0 || h == 0 || target.isNull()) return;

    if (work_.size() != QSize(w, h)) work_ = QImage(w, h, QImage::Format_RGB32);
    if (work_.isNull()) return;
    if (surface.BrushStyle == bsSolid) {
        work_.fill(surface.Resolve(surface.BrushColor));
    } else {
        copyFromSurface(target, x, y);
    }

    const int A = std::clamp(alpha, 0, 100) * 256 / 100;
    for (int py = 0; py < h; ++py) {
        const std::uint8_t* coverage = mask.ScanLine(py);
        QRgb* out = reinterpret_cast<QRgb*>(work_.scanLine(py));
        for (int px = 0; px < w; ++px) {
            const int a = (coverage[px] * A) >> 8;
            if (a == 0) continue;
            const std::uint8_t* bgr = colorAt(px, py);
            if (a == 255) {
                out[px] = qRgb(bgr[2], bgr[1], bgr[0]);
            } else {
                const QRgb old = out[px];
                out[px] = qRgb(MixChannel(qRed(old), bgr[2], a), MixChannel(qGreen(old), bgr[1], a),
                               MixChannel(qBlue(old), bgr[0], a));
            }
        }
    }

    if (surface.PutImage) {
        surface.PutImage(x, y, work_);
        return;
    }
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(x, y, work_);
}
