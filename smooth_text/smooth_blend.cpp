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

template <typename ColorAt>
void TSmoothBlend::blend(const TSmoothSurface& surface, int x, int y, int alpha, const TSmoothMask& mask,
                         ColorAt colorAt) {
    const int w = mask.Width(), h = mask.Height();
    if (w == 0 || h == 0) return;
    QImage& target = *surface.Image;

    if (surface.BrushStyle == bsSolid) {
        if (work_.size() != QSize(w, h) || work_.format() != QImage::Format_BGR888)
            work_ = QImage(w, h, QImage::Format_BGR888);
        if (work_.isNull()) return;
        work_.fill(surface.Resolve(surface.BrushColor));
    } else {
        // Parts of the rectangle outside the surface read as black; they are
        // clipped again when the work image is copied back.
        work_ = target.copy(x, y, w, h).convertToFormat(QImage::Format_BGR888);
        if (work_.isNull()) return;
    }

    const int A = std::clamp(alpha, 0, 100) * 256 / 100;
    for (int py = 0; py < h; ++py) {
        const std::uint8_t* coverage = mask.ScanLine(py);
        std::uint8_t* out = work_.scanLine(py);
        for (int px = 0; px < w; ++px, out += 3) {
            const int a = (coverage[px] * A) >> 8;
            if (a == 0) continue;
            const std::uint8_t* color = colorAt(px, py);
            if (a == 255) {
                out[0] = color[0];
                out[1] = color[1];
                out[2] = color[2];
            } else {
                for (int ch = 0; ch < 3; ++ch) out[ch] = static_cast<std::uint8_t>(MixChannel(out[ch], color[ch], a));
            }
        }
    }

    QPainter painter(&target);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(x, y, work_);
}
