// The coverage mask of one text: the text rendered aliased at 4, 3, 2 or 1
// times its size and reduced block by block to one byte per output pixel
// (0 empty, 255 full). Rows are kept bottom row first; ScanLine hides that.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QPoint>
#include <QSize>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "smooth_text/smooth_mask_cache.h"

class QImage;
class TSmoothFont;

// What a rendered mask depends on: the font, its rotation (tenths of a
// degree), the supersampling level and the text. Masks are remembered under it.
std::string SmoothMaskKey(const QFont& font, int escapement, int quality, std::string_view gbk);

class EInvalidLine : public std::out_of_range {
public:
    EInvalidLine() : std::out_of_range("Invalid line!") {}
};

class TSmoothMask {
public:
    // `owner` gives the surface and its font; it may be null, and then the
    // mask measures (0, 0) and renders nothing.
    explicit TSmoothMask(TSmoothFont* owner = nullptr);

    // Supersampling level 0 to 3 (factor 4, 3, 2, 1); levels above 3 are 3.
    int Quality() const { return quality_; }
    void SetQuality(int level);
    int Scale() const { return scale_; }

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Stride() const { return stride_; }
    int ImageStride() const { return imageStride_; }

    // Row `row` counted from the top; EInvalidLine outside 0 .. Height() - 1.
    std::uint8_t* ScanLine(int row);
    const std::uint8_t* ScanLine(int row) const;

    // The size of the text in output pixels in the surface's font; with a
    // rotated font the size of the rotated box, and `origin` (if given)
    // receives where the text's top-left corner lies inside that box.
    QSize TextExtent(std::string_view gbk, QPoint* origin = nullptr) const;

    void DrawMask(std::string_view gbk);
    // Renders the text with its top-left corner at `point` into a mask of `size`.
    void DrawMask(std::string_view gbk, QSize size, QPoint point);

    // Reduces a supersampled image (at least size × Scale) of white text on
    // black into the mask, which takes `size`: an 8-bit grey image, or a
    // 32-bit one whose blue byte is read. DrawMask does this after rendering.
    void Reduce(const QImage& samples, QSize size);

    // Makes the mask `width` × `height` with every value 0 (negative sizes are 0).
    void Resize(int width, int height);

    // Copies level, factor, size, strides and data; the owner stays.
    void Assign(const TSmoothMask& source);

    // The mask as the mask cache keeps it.
    TSmoothCachedMask Snapshot() const;

private:
    // The surface font scaled by Scale, drawn aliased, and its metrics; made
    // again only when the surface font or the level changes, since making
    // them costs more than measuring a text.
    const QFontMetrics& scaledMetrics(const QFont& surfaceFont) const;

    TSmoothFont* owner_;
    int quality_ = 1;
    int scale_ = 3;
    int width_ = 0;
    int height_ = 0;
    int imageStride_ = 0;
    int stride_ = 0;
    std::vector<std::uint8_t> data_;
    mutable QFont madeFrom_;
    mutable int madeAtScale_ = 0;
    mutable QFont scaledFont_;
    mutable std::optional<QFontMetrics> scaledMetrics_;
};
