// TNongCalendar's mouse and keys: choosing a day, the four arrows, moving
// the selection with the keyboard, and the hint that follows the pointer.
#include <QDate>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <chrono>
#include <cstdio>

#include "calendar_control/gbk_qt.h"
#include "calendar_control/nong_calendar.h"

namespace {

using namespace std::chrono;

constexpr int kMonthsPerYear = 12;

bool isArrowKey(int key) { return key == Qt::Key_Left || key == Qt::Key_Up || key == Qt::Key_Right || key == Qt::Key_Down; }

}  // namespace

// ---- Cells and steps ----

bool TNongCalendar::cellAt(int x, int y, int& column, int& row) const {
    if (!daysRect_.Contains(x, y) || cellWidth_ <= 0 || cellHeight_ <= 0) return false;
    column = (x - daysRect_.left) / cellWidth_;
    row = (y - daysRect_.top) / cellHeight_;
    // The strips right of the seventh column and below the sixth row hold no cell.
    return column < 7 && row < 6;
}

void TNongCalendar::SelectCellAt(int x, int y) {
    int column = 0, row = 0;
    if (!cellAt(x, y, column, row)) return;
    const DateTime date = firstGridDate_ + column + 7 * row;
    if (date == date_) return;
    userSelecting_ = true;
    SetDate(date);
}

void TNongCalendar::stepMonths(int months) {
    const year_month target = year{year_} / month{month_} + std::chrono::months{months};
    if (!target.ok()) return;
    const unsigned lastDay = static_cast<unsigned>((target / last).day());
    const year_month_day moved = target / day{std::min<unsigned>(day_, lastDay)};
    SetDate(calendar::DateTimeOf(sys_days{moved}));  // refuses a year outside 1900..2100
}

void TNongCalendar::Click() { emit OnClick(this); }

// ---- Mouse ----

// The control handles every press, move and release it gets: none goes on
// to the parent.
void TNongCalendar::mousePressEvent(QMouseEvent* event) {
    event->accept();
    pointer_ = event->position().toPoint();
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton) return;
    leftPressed_ = true;
    const int x = pointer_.x(), y = pointer_.y();
    if (daysRect_.Contains(x, y)) {
        SelectCellAt(x, y);
        return;
    }
    if (!showArrow_) return;
    if (prevYearRect_.Contains(x, y)) {
        stepMonths(-kMonthsPerYear);
    } else if (prevMonthRect_.Contains(x, y)) {
        stepMonths(-1);
    } else if (nextMonthRect_.Contains(x, y)) {
        stepMonths(1);
    } else if (nextYearRect_.Contains(x, y)) {
        stepMonths(kMonthsPerYear);
    }
}

void TNongCalendar::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    const QPoint at = pointer_ = event->position().toPoint();
    if (event->buttons() & Qt::LeftButton) SelectCellAt(at.x(), at.y());
    if (showHint_) updateHint(at.x(), at.y());
}

void TNongCalendar::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    pointer_ = event->position().toPoint();
    if (event->button() != Qt::LeftButton) return;
    userSelecting_ = false;
    const bool click = leftPressed_ && rect().contains(event->position().toPoint());
    leftPressed_ = false;
    if (click) Click();
}

void TNongCalendar::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    hint_->hide();
}

// ---- Hint ----

void TNongCalendar::updateHint(int x, int y) {
    int column = 0, row = 0;
    if (cellAt(x, y, column, row)) {
        const TRect cell{column * cellWidth_ + daysRect_.left, row * cellHeight_ + daysRect_.top,
                         (column + 1) * cellWidth_ + daysRect_.left, (row + 1) * cellHeight_ + daysRect_.top};
        const DateTime date = firstGridDate_ + column + 7 * row;
        if (hint_->isHidden() && !hint_->Text().empty()) hint_->show();
        // The same box may hold another day once the grid has moved.
        const bool sameCell = hintHoldsCell_ && cell.left == hoverCellRect_.left && cell.top == hoverCellRect_.top &&
                              date == hoverDate_;
        if (sameCell) return;
        hoverCellRect_ = cell;
        hoverDate_ = date;
        hintHoldsCell_ = true;
        // Placed once the text has given the window its size, so the window
        // is kept on the screen at the size it shows.
        hint_->SetText(DayHintText(date));
        hint_->PlaceAtCursor();
        return;
    }
    if (daysRect_.Contains(x, y) || !showArrow_) {
        hint_->hide();
        return;
    }
    const char* name = prevYearRect_.Contains(x, y)    ? "上一年"
                       : prevMonthRect_.Contains(x, y) ? "上一月"
                       : nextMonthRect_.Contains(x, y) ? "下一月"
                       : nextYearRect_.Contains(x, y)  ? "下一年"
                                                       : nullptr;
    if (name == nullptr) {
        hint_->hide();
        return;
    }
    hintHoldsCell_ = false;
    hint_->SetText(name);
    hint_->PlaceAtCursor();
}

void TNongCalendar::refreshHint() {
    if (showHint_ && hint_ && hint_->isVisible()) updateHint(pointer_.x(), pointer_.y());
}

std::string TNongCalendar::DayHintText(DateTime date) const {
    const auto civil = calendar::CivilDateOf(date);
    if (!civil) return {};
    const int y = static_cast<int>(civil->year()), m = calendar::MonthOf(*civil), d = calendar::DayOf(*civil);

    char gregorian[64];
    std::snprintf(gregorian, sizeof gregorian, "%04d年%d月%d日 ", y, m, d);
    const std::string weekday =
        GbkFromQString(QLocale().dayName(QDate(y, m, d).dayOfWeek(), QLocale::LongFormat));
    std::string text = std::string("公元= ") + gregorian + weekday + "  第" + std::to_string(WeekNumber(date)) + "周";

    // Days outside the lunar table, or before the sexagenary count begins,
    // keep their labels with nothing after them.
    text += "\n农历= ";
    if (const calendar::LunarDate lunar = SolarToLunar(date); lunar.day != 0) {
        text += ChineseYearText(lunar.year) + LunarMonthName(lunar.month, lunar.isLeap) + LunarDayName(lunar.day);
    }
    text += "\n干支= ";
    if (const auto cycle = CycleIndicesOf(date)) {
        text += GanZhiName(cycle->yearIndex) + "(" + AnimalName(cycle->yearIndex) + ")年" +
                GanZhiName(cycle->monthIndex) + "月" + GanZhiName(cycle->dayIndex) + "日";
    }
    if (const std::string festivals = FestivalText(date); !festivals.empty()) text += "\n节日= " + festivals;
    return text;
}

// ---- Keys ----

bool TNongCalendar::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (isArrowKey(key->key()) && (key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) == 0) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

void TNongCalendar::keyPressEvent(QKeyEvent* event) {
    int key = event->key();
    const Qt::KeyboardModifiers shift = event->modifiers();
    emit OnKeyDown(this, key, shift);
    if (shift & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    userSelecting_ = true;
    const sys_days selected{year{year_} / month{month_} / day{day_}};
    switch (key) {
    case Qt::Key_PageUp: stepMonths(-1); break;
    case Qt::Key_PageDown: stepMonths(1); break;
    case Qt::Key_End:
        SetDate(calendar::DateTimeOf(sys_days{year{year_} / month{month_} / last}));
        break;
    case Qt::Key_Home: SetDate(calendar::DateTimeOf(sys_days{year{year_} / month{month_} / 1})); break;
    case Qt::Key_Left: SetDate(calendar::DateTimeOf(selected - days{1})); break;
    case Qt::Key_Up: SetDate(calendar::DateTimeOf(selected - days{7})); break;
    case Qt::Key_Right: SetDate(calendar::DateTimeOf(selected + days{1})); break;
    case Qt::Key_Down: SetDate(calendar::DateTimeOf(selected + days{7})); break;
    case Qt::Key_Return:
    case Qt::Key_Enter: Click(); break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}
