// The base smooth text drawer: bound to a surface it does not own, it owns
// the coverage mask and the blender and measures texts the way the mask
// renders them.
#pragma once

#include <QSize>
#include <string_view>

#include "smooth_text/smooth_blend.h"
#include "smooth_text/smooth_mask.h"
#include "smooth_text/smooth_surface.h"

class TSmoothFont {
public:
    // `surface` may be null: the drawer then measures (0, 0) and draws nothing.
    explicit TSmoothFont(TSmoothSurface* surface);
    virtual ~TSmoothFont();
    TSmoothFont(const TSmoothFont&) = delete;
    TSmoothFont& operator=(const TSmoothFont&) = delete;

    TSmoothSurface* Surface() const { return surface_; }

    // Supersampling level 0 (4 times) to 3 (none); 1 after construction.
    int Quality() const { return mask_.Quality(); }
    void SetQuality(int level) { mask_.SetQuality(level); }

    // Texts are GBK bytes.
    virtual QSize TextExtent(std::string_view gbk);
    int TextHeight(std::string_view gbk) { return TextExtent(gbk).height(); }
    int TextWidth(std::string_view gbk) { return TextExtent(gbk).width(); }

    TSmoothMask& Mask() { return mask_; }
    TSmoothBlend& Blend() { return blend_; }

private:
    TSmoothSurface* surface_;
    TSmoothMask mask_;
    TSmoothBlend blend_;
};
