#include "smooth_font.h"

TSmoothFont::TSmoothFont(TSmoothSurface* surface) : surface_(surface), mask_(this), blend_(this) {
    mask_.SetQuality(1);
}

TSmoothFont::~TSmoothFont() = default;

QSize TSmoothFont::TextExtent(std::string_view gbk) { return mask_.TextExtent(gbk); }
