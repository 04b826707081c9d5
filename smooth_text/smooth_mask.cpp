#include "smooth_mask.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "qt_text/gbk_qt.h"
#include "qt_text/round_half_even.h"
#include "smooth_text/smooth_font.h"
#include "smooth_text/smooth_surface.h"

namespace {

constexpr int kScaleOfLevel[4] = {4, 3, 2, 1};

int strideOf(int width) { return (width + 3) / 4 * 4; }

// `Step` is the distance between samples in bytes: 1 in a grey image, 4 in
// a 32-bit one (whose first byte, blue, is read).
static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN);
template <int Step>
std::uint8_t sampleAt(const std::uint8_t* line, int column) {
    return line[column * Step];
}

// The reductions below fill the mask rows first .. last - 1 from samples
// whose top row is that of mask row `first`.

// Levels 0 and 2 weigh every sample alike: add each column's samples over
// the block's rows first, then the block's columns.
template <int Level, int Step>
void reduceUniform(const QImage& samples, TSmoothMask& mask, int first, int last) {
    constexpr int scale = kScaleOfLevel[Level];
    constexpr int shift = Level == 0 ? 4 : 2;
    const int wide = mask.Width() * scale;
    std::vector<int> columns(static_cast<std::size_t>(wide));
    for (int y = first; y < last; ++y) {
        std::fill(columns.begin(), columns.end(), 0);
        for (int r = 0; r < scale; ++r) {
            const std::uint8_t* line = samples.constScanLine((y - first) * scale + r);
            for (int i = 0; i < wide; ++i) columns[i] += sampleAt<Step>(line, i);
        }
        std::uint8_t* out = mask.ScanLine(y);
        const int* c = columns.data();
        for (int x = 0; x < mask.Width(); ++x, c += scale) {
            int sum = c[0] + c[1];
            if constexpr (scale == 4) sum += c[2] + c[3];
            out[x] = static_cast<std::uint8_t>(sum >> shift);
        }
    }
}

#if defined(__SSE2__)
// Level 0 from 32-bit samples is the renderer's common case and most of a
// cold paint's own work, so it gets a vector form with the same sums: each
// 16-byte load is one mask pixel's four samples of one row, their blue
// bytes masked out and added over the block's rows; two rounds of
// pack-and-pairwise-add then give four mask pixels' sums at once.
template <>
void reduceUniform<0, 4>(const QImage& samples, TSmoothMask& mask, int first, int last) {
    const int width = mask.Width();
    const __m128i blue = _mm_set1_epi32(0xFF);
    const __m128i ones = _mm_set1_epi16(1);
    for (int y = first; y < last; ++y) {
        const std::uint8_t* const r0 = samples.constScanLine((y - first) * 4);
        const std::uint8_t* const r1 = samples.constScanLine((y - first) * 4 + 1);
        const std::uint8_t* const r2 = samples.constScanLine((y - first) * 4 + 2);
        const std::uint8_t* const r3 = samples.constScanLine((y - first) * 4 + 3);
        const auto columnSums = [&](int x) {
            const auto load = [&](const std::uint8_t* row) {
                return _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(row + 16 * x)), blue);
            };
            return _mm_add_epi32(_mm_add_epi32(load(r0), load(r1)), _mm_add_epi32(load(r2), load(r3)));
        };  // four lanes of at most 4 * 255
        std::uint8_t* out = mask.ScanLine(y);
        int x = 0;
        for (; x + 4 <= width; x += 4) {
            const __m128i pairs01 = _mm_madd_epi16(_mm_packs_epi32(columnSums(x), columnSums(x + 1)), ones);
            const __m128i pairs23 = _mm_madd_epi16(_mm_packs_epi32(columnSums(x + 2), columnSums(x + 3)), ones);
            const __m128i sums = _mm_srli_epi32(_mm_madd_epi16(_mm_packs_epi32(pairs01, pairs23), ones), 4);
            const __m128i words = _mm_packs_epi32(sums, sums);
            const __m128i bytes = _mm_packus_epi16(words, words);
            const int four = _mm_cvtsi128_si32(bytes);
            std::memcpy(out + x, &four, 4);
        }
        for (; x < width; ++x) {
            const __m128i pairs = _mm_madd_epi16(_mm_packs_epi32(columnSums(x), columnSums(x)), ones);
            const __m128i sum = _mm_madd_epi16(_mm_packs_epi32(pairs, pairs), ones);
            out[x] = static_cast<std::uint8_t>(_mm_cvtsi128_si32(sum) >> 4);
        }
    }
}
#endif

// Level 1 counts the top-right and bottom-left samples half (each halved by
// a shift before the sum), so its nine weights add up to 8 and a shift
// replaces the division. Level 3 takes the sample itself.
template <int Level, int Step>
void reduceWeighted(const QImage& samples, TSmoothMask& mask, int first, int last) {
    constexpr int scale = kScaleOfLevel[Level];
    for (int y = first; y < last; ++y) {
        const std::uint8_t* s[3];
        for (int r = 0; r < scale; ++r) s[r] = samples.constScanLine((y - first) * scale + r);
        std::uint8_t* out = mask.ScanLine(y);
        for (int x = 0; x < mask.Width(); ++x) {
            const int c = x * scale;
            if constexpr (Level == 1) {
                out[x] = static_cast<std::uint8_t>(
                    (sampleAt<Step>(s[0], c) + sampleAt<Step>(s[0], c + 1) + (sampleAt<Step>(s[0], c + 2) >> 1) +
                     sampleAt<Step>(s[1], c) + sampleAt<Step>(s[1], c + 1) + sampleAt<Step>(s[1], c + 2) +
                     (sampleAt<Step>(s[2], c) >> 1) + sampleAt<Step>(s[2], c + 1) + sampleAt<Step>(s[2], c + 2)) >>
                    3);
            } else {
                out[x] = sampleAt<Step>(s[0], c);
            }
        }
    }
}

template <int Step>
void reduceAtLevel(int level, const QImage& samples, TSmoothMask& mask, int first, int last) {
    switch (level) {
        case 0: reduceUniform<0, Step>(samples, mask, first, last); break;
        case 1: reduceWeighted<1, Step>(samples, mask, first, last); break;
        case 2: reduceUniform<2, Step>(samples, mask, first, last); break;
        default: reduceWeighted<3, Step>(samples, mask, first, last); break;
    }
}

// The most samples rendered at once (64 MB at 32 bits); a larger text is
// rendered and reduced in bands of mask rows.
constexpr qint64 kMaxSamples = qint64(1) << 24;

}  // namespace

TSmoothMask::TSmoothMask(TSmoothFont* owner) : owner_(owner) {}

void TSmoothMask::SetQuality(int level) {
    quality_ = std::clamp(level, 0, 3);
    scale_ = kScaleOfLevel[quality_];
}

std::uint8_t* TSmoothMask::ScanLine(int row) {
    if (row < 0 || row >= height_) throw EInvalidLine();
    return data_.data() + static_cast<std::size_t>(height_ - 1 - row) * stride_;
}

const std::uint8_t* TSmoothMask::ScanLine(int row) const { return const_cast<TSmoothMask*>(this)->ScanLine(row); }

QSize TSmoothMask::TextExtent(std::string_view gbk, QPoint* origin) const {
    const TSmoothSurface* surface = owner_ ? owner_->Surface() : nullptr;
    if (!surface) return QSize(0, 0);
    const QFontMetrics& metrics = scaledMetrics(surface->Font);
    const QString text = QStringFromGbk(gbk);
    int width = metrics.horizontalAdvance(text);
    int height = metrics.height();
    width = (width + scale_ - 1) / scale_;
    height = (height + scale_ - 1) / scale_;
    // Slanted glyphs reach past their advance; widen by 30 % of a byte's share.
    if (surface->Font.italic() && !gbk.empty())
        width += RoundHalfEven(static_cast<double>(width) / static_cast<double>(gbk.size()) * 0.3);
    if (surface->Escapement == 0) return QSize(width, height);

    const double angle = surface->Escapement * std::numbers::pi / 1800.0;
    const double hw = width / 2.0, hh = height / 2.0;
    const double s = std::sin(-angle), c = std::cos(-angle);
    const QPoint corners[4] = {
        {RoundHalfEven(-hw * c + hh * s), RoundHalfEven(-hw * s - hh * c)},
        {RoundHalfEven(hw * c + hh * s), RoundHalfEven(hw * s - hh * c)},
        {RoundHalfEven(-hw * c - hh * s), RoundHalfEven(-hw * s + hh * c)},
        {RoundHalfEven(hw * c - hh * s), RoundHalfEven(hw * s + hh * c)},
    };
    int minX = corners[0].x(), maxX = minX, minY = corners[0].y(), maxY = minY;
    for (const QPoint& p : corners) {
        minX = std::min(minX, p.x());
        maxX = std::max(maxX, p.x());
        minY = std::min(minY, p.y());
        maxY = std::max(maxY, p.y());
    }
    const QSize size(maxX - minX, maxY - minY);
    if (origin) *origin = QPoint(size.width() / 2 + corners[0].x(), size.height() / 2 + corners[0].y());
    return size;
}

void TSmoothMask::DrawMask(std::string_view gbk) {
    const TSmoothSurface* surface = owner_ ? owner_->Surface() : nullptr;
    if (!surface) return;
    std::string key = SmoothMaskKey(surface->Font, surface->Escapement, quality_, gbk);
    if (const TSmoothCachedMask* known = FindSmoothMask(key)) {
        Resize(known->size.width(), known->size.height());
        imageStride_ = known->imageStride;
        data_ = known->data;
        return;
    }
    DrawMask(gbk, TextExtent(gbk), QPoint(0, 0));
    RememberSmoothMask(std::move(key), Snapshot());
}

std::string SmoothMaskKey(const QFont& font, int escapement, int quality, std::string_view gbk) {
    std::string key = font.key().toStdString();
    key += '\0';
    key += std::to_string(escapement);
    key += '\0';
    key += std::to_string(quality);
    key += '\0';
    key += gbk;
    return key;
}

TSmoothCachedMask TSmoothMask::Snapshot() const { return {QSize(width_, height_), imageStride_, data_}; }

void TSmoothMask::DrawMask(std::string_view gbk, QSize size, QPoint point) {
    const TSmoothSurface* surface = owner_ ? owner_->Surface() : nullptr;
    if (!surface) return;
    size = size.expandedTo(QSize(0, 0));
    Resize(size.width(), size.height());
    imageStride_ = strideOf(width_ * scale_);
    if (width_ == 0 || height_ == 0) return;

    const QFontMetrics& metrics = scaledMetrics(surface->Font);
    const QString text = QStringFromGbk(gbk);
    QPoint at(point.x() * scale_, point.y() * scale_);
    if (surface->Escapement != 0) {
        QPoint origin;
        TextExtent(gbk, &origin);
        at += origin * scale_;
    }
    const qint64 rowSamples = qint64(width_) * scale_ * scale_;
    const int band = static_cast<int>(std::clamp<qint64>(kMaxSamples / rowSamples, 1, height_));
    // Lives only while this text is rendered: at level 0 it is 16 times the
    // mask. 32-bit, because Qt draws text into it several times faster than
    // into an 8-bit grey image; white on black, every channel is 0 or 255.
    QImage samples(width_ * scale_, band * scale_, QImage::Format_RGB32);
    if (samples.isNull()) return;  // could not be allocated: the text stays empty
    for (int first = 0; first < height_; first += band) {
        samples.fill(0);
        {
            QPainter painter(&samples);
            painter.setFont(scaledFont_);
            painter.setPen(QColor(255, 255, 255));
            // The text's top-left corner is the reference point; Qt draws
            // from the baseline, and turns clockwise where the escapement
            // turns the other way.
            painter.translate(at - QPoint(0, first * scale_));
            painter.rotate(-surface->Escapement / 10.0);
            painter.drawText(QPoint(0, metrics.ascent()), text);
        }
        reduceAtLevel<4>(quality_, samples, *this, first, std::min(first + band, height_));
    }
}

void TSmoothMask::Reduce(const QImage& samples, QSize size) {
    Resize(size.width(), size.height());
    imageStride_ = strideOf(width_ * scale_);
    // An image that could not be allocated, or is too small, leaves the mask empty.
    if (samples.width() < width_ * scale_ || samples.height() < height_ * scale_) return;
    if (samples.format() == QImage::Format_Grayscale8) {
        reduceAtLevel<1>(quality_, samples, *this, 0, height_);
    } else if (samples.format() == QImage::Format_RGB32) {
        reduceAtLevel<4>(quality_, samples, *this, 0, height_);
    }
}

const QFontMetrics& TSmoothMask::scaledMetrics(const QFont& surfaceFont) const {
    if (!scaledMetrics_ || madeAtScale_ != scale_ || !(madeFrom_ == surfaceFont)) {
        madeFrom_ = surfaceFont;
        madeAtScale_ = scale_;
        scaledFont_ = ScaledAliasedFont(surfaceFont, scale_);
        scaledMetrics_.emplace(scaledFont_);
    }
    return *scaledMetrics_;
}

void TSmoothMask::Resize(int width, int height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    stride_ = strideOf(width_);
    data_.assign(static_cast<std::size_t>(stride_) * height_, 0);
}

void TSmoothMask::Assign(const TSmoothMask& source) {
    if (&source == this) return;
    quality_ = source.quality_;
    scale_ = source.scale_;
    width_ = source.width_;
    height_ = source.height_;
    imageStride_ = source.imageStride_;
    stride_ = source.stride_;
    data_ = source.data_;
}
