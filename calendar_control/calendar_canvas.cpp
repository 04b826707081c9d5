#include "calendar_canvas.h"

#include <QWidget>

#include "calendar_control/gbk_qt.h"

namespace {

// A few thousand extents cover every sample at every size a layout tries.
constexpr std::size_t kMaxRememberedExtents = 8192;

}  // namespace

TCalendarCanvas::TCalendarCanvas(const QWidget& owner) : owner_(owner) {}

TCalendarCanvas::~TCalendarCanvas() = default;

void TCalendarCanvas::SetFont(const TCalFont& font) {
    const bool sameShape = font.name == font_.name && font.size == font_.size && font.style == font_.style;
    font_ = font;
    if (!sameShape) invalidateFont();
}

void TCalendarCanvas::SetFontSize(int size) {
    if (size == font_.size) return;
    font_.size = size;
    invalidateFont();
}

void TCalendarCanvas::SetFontColor(TColor color) { font_.color = color; }

const QFont& TCalendarCanvas::qfont() const {
    if (!qfont_) qfont_ = ToQFont(font_);
    return *qfont_;
}

const QFontMetrics& TCalendarCanvas::metrics() const {
    if (!metrics_) metrics_.emplace(qfont());
    return *metrics_;
}

QSize TCalendarCanvas::TextExtent(std::string_view gbk) const {
    // Only what shapes the glyphs is part of the key: the colour and the
    // character set do not change an extent.
    std::string key = font_.name;
    key += '\0';
    key += std::to_string(font_.style);
    key += '\0';
    key += std::to_string(font_.PixelHeight());
    key += '\0';
    key += gbk;
    if (const auto found = extents_.find(key); found != extents_.end()) return found->second;

    const QFontMetrics& fm = metrics();
    const QSize extent(fm.horizontalAdvance(QStringFromGbk(gbk)), fm.height());
    if (extents_.size() >= kMaxRememberedExtents) extents_.clear();
    extents_.emplace(std::move(key), extent);
    return extent;
}

void TCalendarCanvas::SetSize(QSize size) {
    size = size.expandedTo(QSize(0, 0));
    if (size == image_.size()) return;
    image_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
    if (!image_.isNull()) image_.fill(Resolve(brush_.color));
}

QColor TCalendarCanvas::Resolve(TColor color) const { return ResolveColor(color, owner_.palette()); }

void TCalendarCanvas::TextOut(int x, int y, std::string_view gbk) {
    if (image_.isNull()) return;
    const QString text = QStringFromGbk(gbk);
    QPainter painter(&image_);
    painter.setFont(qfont());
    const QFontMetrics& fm = metrics();
    if (!brush_.clear) {
        painter.fillRect(QRect(x, y, fm.horizontalAdvance(text), fm.height()), Resolve(brush_.color));
    }
    painter.setPen(Resolve(font_.color));
    painter.drawText(QPoint(x, y + fm.ascent()), text);
}

void TCalendarCanvas::FillRect(const TRect& rect) {
    if (image_.isNull() || rect.IsEmpty()) return;
    QPainter painter(&image_);
    painter.fillRect(rect.ToQRect(), Resolve(brush_.color));
}

void TCalendarCanvas::FrameRect(const TRect& rect) {
    if (image_.isNull() || rect.IsEmpty()) return;
    QPainter painter(&image_);
    const QColor color = Resolve(brush_.color);
    const QRect r = rect.ToQRect();
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), color);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), color);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), color);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), color);
}
