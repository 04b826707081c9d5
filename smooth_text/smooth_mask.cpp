#include "smooth_mask.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "calendar_control/gbk_qt.h"
#include "smooth_text/smooth_font.h"
#include "smooth_text/smooth_surface.h"

namespace {

constexpr int kScaleOfLevel[4] = {4, 3, 2, 1};

int strideOf(int width) { return (width + 3) / 4 * 4; }

// Rounds halves to the even neighbour (the default floating-point mode).
int roundEven(double value) { return static_cast<int>(std::nearbyint(value)); }

// Each level's reduction of one block whose top-left sample is at column
// `c` of rows r0..r3. Level 1 counts the top-right and bottom-left samples
// half, so its nine weights add up to 8 and a shift replaces the division.
template <int Level>
int reduceBlock(const std::uint8_t* const* rows, int c) {
    if constexpr (Level == 0) {
        int sum = 0;
        for (int r = 0; r < 4; ++r)
            sum += rows[r][c] + rows[r][c + 1] + rows[r][c + 2] + rows[r][c + 3];
        return sum >> 4;
    } else if constexpr (Level == 1) {
        return (rows[0][c] + rows[0][c + 1] + (rows[0][c + 2] >> 1) + rows[1][c] + rows[1][c + 1] + rows[1][c + 2] +
                (rows[2][c] >> 1) + rows[2][c + 1] + rows[2][c + 2]) >>
               3;
    } else if constexpr (Level == 2) {
        return (rows[0][c] + rows[0][c + 1] + rows[1][c] + rows[1][c + 1]) >> 2;
    } else {
        return rows[0][c];
    }
}

template <int Level>
void reduceRows(const QImage& samples, TSmoothMask& mask) {
    constexpr int scale = kScaleOfLevel[Level];
    for (int y = 0; y < mask.Height(); ++y) {
        const std::uint8_t* rows[4];
        for (int r = 0; r < scale; ++r) rows[r] = samples.constScanLine(y * scale + r);
        std::uint8_t* out = mask.ScanLine(y);
        for (int x = 0; x < mask.Width(); ++x) out[x] = static_cast<std::uint8_t>(reduceBlock<Level>(rows, x * scale));
    }
}

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
    const QFontMetrics metrics(ScaledAliasedFont(surface->Font, scale_));
    const QString text = QStringFromGbk(gbk);
    int width = metrics.horizontalAdvance(text);
    int height = metrics.height();
    width = (width + scale_ - 1) / scale_;
    height = (height + scale_ - 1) / scale_;
    // Slanted glyphs reach past their advance; widen by 30 % of a byte's share.
    if (surface->Font.italic() && !gbk.empty())
        width += roundEven(static_cast<double>(width) / static_cast<double>(gbk.size()) * 0.3);
    if (surface->Escapement == 0) return QSize(width, height);

    const double angle = surface->Escapement * std::numbers::pi / 1800.0;
    const double hw = width / 2.0, hh = height / 2.0;
    const double s = std::sin(-angle), c = std::cos(-angle);
    const QPoint corners[4] = {
        {roundEven(-hw * c + hh * s), roundEven(-hw * s - hh * c)},
        {roundEven(hw * c + hh * s), roundEven(hw * s - hh * c)},
        {roundEven(-hw * c - hh * s), roundEven(-hw * s + hh * c)},
        {roundEven(hw * c - hh * s), roundEven(hw * s + hh * c)},
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

void TSmoothMask::DrawMask(std::string_view gbk) { DrawMask(gbk, TextExtent(gbk), QPoint(0, 0)); }

void TSmoothMask::DrawMask(std::string_view gbk, QSize size, QPoint point) {
    const TSmoothSurface* surface = owner_ ? owner_->Surface() : nullptr;
    if (!surface) return;
    size = size.expandedTo(QSize(0, 0));
    // Lives only while this text is rendered: at level 0 it is 16 times the mask.
    QImage samples(size.width() * scale_, size.height() * scale_, QImage::Format_Grayscale8);
    if (!samples.isNull()) {
        samples.fill(0);
        QPainter painter(&samples);
        const QFont font = ScaledAliasedFont(surface->Font, scale_);
        painter.setFont(font);
        painter.setPen(QColor(255, 255, 255));
        QPoint at(point.x() * scale_, point.y() * scale_);
        if (surface->Escapement != 0) {
            QPoint origin;
            TextExtent(gbk, &origin);
            at += origin * scale_;
        }
        // The text's top-left corner is the reference point; Qt draws from
        // the baseline, and turns clockwise where the escapement turns the
        // other way.
        painter.translate(at);
        painter.rotate(-surface->Escapement / 10.0);
        painter.drawText(QPoint(0, QFontMetrics(font).ascent()), QStringFromGbk(gbk));
    }
    Reduce(samples, size);
}

void TSmoothMask::Reduce(const QImage& samples, QSize size) {
    Resize(size.width(), size.height());
    imageStride_ = strideOf(size.width() * scale_);
    // An image that could not be allocated, or is too small, leaves the mask empty.
    if (samples.format() != QImage::Format_Grayscale8 || samples.width() < width_ * scale_ ||
        samples.height() < height_ * scale_)
        return;
    switch (quality_) {
        case 0: reduceRows<0>(samples, *this); break;
        case 1: reduceRows<1>(samples, *this); break;
        case 2: reduceRows<2>(samples, *this); break;
        default: reduceRows<3>(samples, *this); break;
    }
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
