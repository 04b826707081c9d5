#include "calendar_hint.h"

#include <QCursor>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QToolTip>
#include <algorithm>

#include "calendar/gbk_text.h"
#include "qt_text/color_value.h"
#include "qt_text/gbk_qt.h"

namespace {

constexpr int kMargin = 5;         // between the border's inside and the text
constexpr int kCursorOffset = 16;  // from the pointer to the window's corner
constexpr int kBorder = 1;
constexpr TColor kLabelColor = 0x0000FF;  // red

// The position of the first "=" in a GBK line, stepping over double-byte
// characters; npos when there is none.
std::size_t findEquals(std::string_view line) {
    for (std::size_t pos = 0; pos < line.size(); pos += calendar::GbkCharLength(line, pos)) {
        if (line[pos] == '=') return pos;
    }
    return std::string_view::npos;
}

}  // namespace

TCalendarHint::TCalendarHint(QWidget* calendar)
    : QWidget(calendar, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                            Qt::WindowTransparentForInput) {
    // Mouse input passes through to the calendar beneath, from the native
    // window's creation on: pulled under the pointer at a screen's corner,
    // the hint must not take it.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    QPalette colors = QToolTip::palette();
    colors.setColor(QPalette::Window, ResolveColor(SystemColor(kColorInfoBack), colors));
    setPalette(colors);
    setFont(QToolTip::font());
    setAutoFillBackground(true);
    setVisible(false);
}

void TCalendarHint::SetText(std::string text) {
    text_ = std::move(text);
    int width = 0, height = 0;
    MeasureHintText(text_, width, height);
    if (width > 0 && height > 0) {
        resize(width, height);
        if (isHidden()) show();
    } else {
        hide();
    }
    update();
}

void TCalendarHint::MeasureHintText(std::string_view text, int& width, int& height) {
    width = 0;
    height = 0;
    labelWidth_ = 0;
    hintLines_.clear();
    hintLabels_.clear();
    const QFontMetrics metrics(font());
    const auto textWidth = [&](std::string_view gbk) { return metrics.horizontalAdvance(QStringFromGbk(gbk)); };
    const bool labelled = findEquals(text) != std::string_view::npos;

    std::size_t pos = 0;
    while (pos < text.size()) {
        // A run of carriage returns and line feeds is one break.
        while (pos < text.size() && (text[pos] == '\r' || text[pos] == '\n')) ++pos;
        if (pos >= text.size()) break;
        std::size_t end = pos;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n') end += calendar::GbkCharLength(text, end);
        std::string_view line = text.substr(pos, std::min(end, text.size()) - pos);
        pos = end;

        const int lineWidth = textWidth(line);
        if (labelled) {
            std::string label;
            if (const std::size_t equals = findEquals(line); equals != std::string_view::npos) {
                label = std::string(calendar::TrimmedSpaces(line.substr(0, equals))) + ":";
                labelWidth_ = std::max(labelWidth_, textWidth(label));
                line = line.substr(equals + 1);
            }
            hintLabels_.push_back(std::move(label));
        }
        hintLines_.emplace_back(line);
        width = std::max(width, lineWidth + 2 * kMargin);
    }
    if (!hintLines_.empty()) height = metrics.height() * static_cast<int>(hintLines_.size()) + 2 * kMargin;
}

QPoint TCalendarHint::PlaceNear(QPoint cursor, QSize size, const QRect& screen) {
    int x = cursor.x() + kCursorOffset;
    if (x + size.width() > screen.left() + screen.width()) x = screen.left() + screen.width() - size.width();
    int y = cursor.y() + kCursorOffset;
    if (y + size.height() > screen.top() + screen.height()) y = screen.top() + screen.height() - size.height();
    return {x, y};
}

void TCalendarHint::PlaceAtCursor() {
    const QPoint cursor = QCursor::pos();
    const QScreen* screen = QGuiApplication::screenAt(cursor);
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    const QRect area = screen != nullptr ? screen->geometry() : QRect(0, 0, 1 << 16, 1 << 16);
    move(PlaceNear(cursor, size(), area));
}

void TCalendarHint::SetAlpha(int alpha) {
    if (alpha < 0 || alpha > 255 || alpha == alpha_) return;
    alpha_ = alpha;
    ApplyAlpha();
}

void TCalendarHint::ApplyAlpha() { setWindowOpacity(alpha_ / 255.0); }

void TCalendarHint::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(ResolveColor(SystemColor(kColorWindowText), palette()));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    painter.setFont(font());
    const QFontMetrics metrics(font());
    const int lineHeight = metrics.height();  // the height of "H"
    const int ox = kBorder + kMargin, oy = kBorder + kMargin;
    const int valueX = labelWidth_ > 0 ? ox + labelWidth_ : ox;
    const QColor labelColor = ResolveColor(kLabelColor, palette());
    const QColor textColor = palette().color(QPalette::ToolTipText);
    for (std::size_t b = 0; b < hintLines_.size(); ++b) {
        const int top = oy + static_cast<int>(b) * lineHeight;
        if (labelWidth_ > 0 && b < hintLabels_.size()) {
            painter.setPen(labelColor);
            painter.drawText(QPoint(ox, top + metrics.ascent()), QStringFromGbk(hintLabels_[b]));
        }
        painter.setPen(textColor);
        painter.drawText(QPoint(valueX, top + metrics.ascent()), QStringFromGbk(hintLines_[b]));
    }
}
