// The smooth text drawer with effects: renders the coverage mask, reshapes
// it (outline, spray, mirrors), draws a blurred offset shadow through a copy
// of it, softens it, and blends the font colour or a generated foreground
// (texture, gradient, noise) through it, optionally rotated.
#pragma once

#include "smooth_text/smooth_font.h"
#include "smooth_text/smooth_mask_prefetch.h"
#include "smooth_text/smooth_settings.h"

class TSmoothFontEx : public TSmoothFont {
public:
    explicit TSmoothFontEx(TSmoothSurface* surface);
    ~TSmoothFontEx() override;

    TSmoothEffect& Effect() { return effect_; }
    const TSmoothEffect& Effect() const { return effect_; }

    // The box TextOut covers: the rotated text's box, grown by the shadow offset.
    QSize TextExtent(std::string_view gbk) override;

    // Draws the GBK text with the box's top-left corner at (x, y) in the
    // surface's font, font colour and brush. The surface's escapement and
    // brush style are as before afterwards, also when a step throws.
    void TextOut(int x, int y, std::string_view gbk);

    // The coverage mask TextOut renders for `gbk` as things stand, to hand
    // to PrefetchSmoothMasks.
    TSmoothMaskRequest MaskRequest(std::string_view gbk) const;

private:
    // The rotation texts are rendered at: the effect's angle, or else the surface's.
    int textEscapement() const;

    TSmoothEffect effect_;
};
