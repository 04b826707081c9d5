// Blends a colour, or the per-pixel colours of ForeBmp, through a coverage
// mask onto the surface. The rectangle under the text is gathered into an
// opaque 32-bit work image (the brush colour, or the surface's own pixels
// when the brush is clear; the surface is taken as opaque), mixed with the
// colour where the mask covers, and copied back whole. 32 bits, as the
// surface holds them, so neither copy converts pixels.
#pragma once

#include <QImage>
#include <stdexcept>

#include "smooth_text/smooth_surface.h"

class TSmoothFont;
class TSmoothMask;

class EInvalidForeBmp : public std::invalid_argument {
public:
    EInvalidForeBmp() : std::invalid_argument("Invalid foreground bitmap!") {}
};

class TSmoothBlend {
public:
    // `owner` gives the surface; with none, blending draws nothing.
    explicit TSmoothBlend(TSmoothFont* owner = nullptr);

    // Per-pixel foreground colours for BlendEx: 24 bits, blue-green-red
    // (QImage::Format_BGR888), as large as the mask.
    QImage& ForeBmp() { return foreBmp_; }
    const QImage& ForeBmp() const { return foreBmp_; }

    // `alpha` is a percentage, 0 to 100 (values outside are clamped).
    void Blend(int x, int y, TColor color, int alpha, const TSmoothMask& mask);
    // EInvalidForeBmp unless ForeBmp is 24-bit and exactly the mask's size.
    void BlendEx(int x, int y, int alpha, const TSmoothMask& mask);

    void Assign(const TSmoothBlend& source) { foreBmp_ = source.foreBmp_; }

private:
    void copyFromSurface(const QImage& target, int x, int y);
    template <typename ColorAt>
    void blend(const TSmoothSurface& surface, int x, int y, int alpha, const TSmoothMask& mask, ColorAt colorAt);

    TSmoothFont* owner_;
    QImage foreBmp_;
    QImage work_;
};

// One channel moved from `channel` toward `target` by a / 256. The shift is
// taken on the signed product, rounding toward minus infinity, so the result
// never leaves the range between the two values.
constexpr int MixChannel(int channel, int target, int a) { return channel + (((target - channel) * a) >> 8); }
