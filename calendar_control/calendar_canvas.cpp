#include "calendar_canvas.h"

#include <QPixmap>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "qt_text/gbk_qt.h"

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
    End();  // a painter never outlives the image it draws on
    image_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
    if (!image_.isNull()) image_.fill(Resolve(brush_.color));
}

QColor TCalendarCanvas::Resolve(TColor color) const { return ResolveColor(color, owner_.palette()); }

void TCalendarCanvas::Begin(const QRegion& clip) {
    End();
    if (image_.isNull()) return;
    painter_ = std::make_unique<QPainter>(&image_);
    painter_->setClipRegion(clip);
}

void TCalendarCanvas::End() {
    if (painter_) painter_->end();
    painter_.reset();
}

template <typename Draw>
void TCalendarCanvas::withPainter(Draw&& draw) {
    if (image_.isNull()) return;
    if (painter_) {
        draw(*painter_);
        return;
    }
    QPainter painter(&image_);
    draw(painter);
}

void TCalendarCanvas::TextOut(int x, int y, std::string_view gbk) {
    if (gbk.empty()) return;
    const QString text = QStringFromGbk(gbk);
    withPainter([&](QPainter& painter) {
        painter.setFont(qfont());
        const QFontMetrics& fm = metrics();
        if (!brush_.clear) {
            painter.fillRect(QRect(x, y, fm.horizontalAdvance(text), fm.height()), Resolve(brush_.color));
        }
        painter.setPen(Resolve(font_.color));
        painter.drawText(QPoint(x, y + fm.ascent()), text);
    });
}

void TCalendarCanvas::FillRect(const TRect& rect) {
    if (rect.IsEmpty()) return;
    withPainter([&](QPainter& painter) { painter.fillRect(rect.ToQRect(), Resolve(brush_.color)); });
}

void TCalendarCanvas::FrameRect(const TRect& rect) {
    if (rect.IsEmpty()) return;
    withPainter([&](QPainter& painter) {
        const QColor color = Resolve(brush_.color);
        const QRect r = rect.ToQRect();
        painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), color);
        painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), color);
        painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), color);
        painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), color);
    });
}

void TCalendarCanvas::Line(int x1, int y1, int x2, int y2) {
    const int thickness = std::max(1, pen_.width);
    withPainter([&](QPainter& painter) {
        const QColor color = Resolve(pen_.color);
        if (y1 == y2) {
            if (x1 == x2) return;
            const int left = std::min(x1, x2 + 1), right = std::max(x1 + 1, x2);  // end point excluded
            painter.fillRect(QRect(left, y1, right - left, thickness), color);
        } else if (x1 == x2) {
            const int top = std::min(y1, y2 + 1), bottom = std::max(y1 + 1, y2);
            painter.fillRect(QRect(x1, top, thickness, bottom - top), color);
        } else {
            const bool smooth = painter.testRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setPen(QPen(color, thickness));
            painter.drawLine(x1, y1, x2, y2);
            painter.setRenderHint(QPainter::Antialiasing, smooth);
        }
    });
}

void TCalendarCanvas::Rectangle(const TRect& rect) {
    if (rect.IsEmpty()) return;
    const int thickness = std::max(1, pen_.width);
    withPainter([&](QPainter& painter) {
        const QRect r = rect.ToQRect();
        if (!brush_.clear) painter.fillRect(r, Resolve(brush_.color));
        const QColor color = Resolve(pen_.color);
        painter.fillRect(QRect(r.left(), r.top(), r.width(), thickness), color);
        painter.fillRect(QRect(r.left(), r.bottom() - thickness + 1, r.width(), thickness), color);
        painter.fillRect(QRect(r.left(), r.top(), thickness, r.height()), color);
        painter.fillRect(QRect(r.right() - thickness + 1, r.top(), thickness, r.height()), color);
    });
}

void TCalendarCanvas::DrawFocusRect(const TRect& rect) {
    if (rect.IsEmpty()) return;
    // The frame's pixels on a checkerboard ((x + y) even), each listed once,
    // so the inversion is its own undo.
    std::vector<QPoint> dots;
    const int right = rect.right - 1, bottom = rect.bottom - 1;
    const auto dot = [&](int x, int y) {
        if (((x + y) & 1) == 0) dots.emplace_back(x, y);
    };
    for (int x = rect.left; x <= right; ++x) {
        dot(x, rect.top);
        if (bottom != rect.top) dot(x, bottom);
    }
    for (int y = rect.top + 1; y < bottom; ++y) {
        dot(rect.left, y);
        if (right != rect.left) dot(right, y);
    }
    withPainter([&](QPainter& painter) {
        const auto mode = painter.compositionMode();
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        for (const QPoint& dot : dots) painter.fillRect(QRect(dot, QSize(1, 1)), Qt::white);
        painter.setCompositionMode(mode);
    });
}

void TCalendarCanvas::StretchDraw(const TRect& rect, const QPixmap& picture) {
    if (rect.IsEmpty() || picture.isNull()) return;
    withPainter([&](QPainter& painter) { painter.drawPixmap(rect.ToQRect(), picture); });
}

void TCalendarCanvas::DrawImage(int x, int y, const QImage& pixels) {
    if (pixels.isNull()) return;
    withPainter([&](QPainter& painter) {
        const auto mode = painter.compositionMode();
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(x, y, pixels);
        painter.setCompositionMode(mode);
    });
}
