// TNongCalendar's mouse and keys: choosing a day, the four arrows, moving
// the selection with the keyboard, and the hint that follows the pointer.
#include <QKeyEvent>
#include <QMouseEvent>

#include "calendar_control/nong_calendar.h"

namespace {

bool isArrowKey(int key) { return key == Qt::Key_Left || key == Qt::Key_Up || key == Qt::Key_Right || key == Qt::Key_Down; }

}  // namespace

// ---- Cells and steps ----

std::optional<MonthGrid::Cell> TNongCalendar::cellAt(int x, int y) const {
    if (!DaysRect().Contains(x, y) || CellWidth() <= 0 || CellHeight() <= 0) return std::nullopt;
    const MonthGrid::Cell cell{(x - DaysRect().left) / CellWidth(), (y - DaysRect().top) / CellHeight()};
    // The strips right of the seventh column and below the sixth row hold no cell.
    if (cell.column >= MonthGrid::kColumns || cell.row >= MonthGrid::kRows) return std::nullopt;
    return cell;
}

std::optional<CalendarArrow> TNongCalendar::arrowAt(int x, int y) const {
    if (!layoutStyle_.showArrow) return std::nullopt;
    const std::pair<const TRect&, CalendarArrow> arrows[] = {
        {PrevYearRect(), CalendarArrow::PrevYear},
        {PrevMonthRect(), CalendarArrow::PrevMonth},
        {NextMonthRect(), CalendarArrow::NextMonth},
        {NextYearRect(), CalendarArrow::NextYear},
    };
    for (const auto& [box, arrow] : arrows) {
        if (box.Contains(x, y)) return arrow;
    }
    return std::nullopt;
}

void TNongCalendar::SelectCellAt(int x, int y) {
    if (const auto cell = cellAt(x, y)) SetDate(grid_.DateOfCell(*cell));
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
    if (DaysRect().Contains(x, y)) {
        SelectCellAt(x, y);
        return;
    }
    if (const auto arrow = arrowAt(x, y)) {
        if (const auto target = grid_.MonthsAway(MonthsOf(*arrow))) SetDate(*target);
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
    const bool click = leftPressed_ && rect().contains(event->position().toPoint());
    leftPressed_ = false;
    if (click) Click();
}

void TNongCalendar::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    hover_->Hide();
}

// ---- Hint ----

void TNongCalendar::updateHint(int x, int y) {
    if (const auto cell = cellAt(x, y)) {
        const DateTime date = grid_.DateOfCell(*cell);
        hover_->ShowCell(cellRect(*cell), date, [&] { return DayHintText(date); });
        return;
    }
    if (const auto arrow = DaysRect().Contains(x, y) ? std::nullopt : arrowAt(x, y)) {
        hover_->ShowArrow(std::string(shown_.Kept(HintOf(*arrow))));
    } else {
        hover_->Hide();
    }
}

void TNongCalendar::refreshHint() {
    if (showHint_ && hover_ && hover_->Window()->isVisible()) updateHint(pointer_.x(), pointer_.y());
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
    switch (key) {
    case Qt::Key_PageUp: SetDate(grid_.MonthsAway(-1).value_or(Date())); break;
    case Qt::Key_PageDown: SetDate(grid_.MonthsAway(1).value_or(Date())); break;
    case Qt::Key_End: SetDate(grid_.MonthEnd()); break;
    case Qt::Key_Home: SetDate(grid_.MonthStart()); break;
    case Qt::Key_Left: SetDate(Date() - 1); break;
    case Qt::Key_Up: SetDate(Date() - 7); break;
    case Qt::Key_Right: SetDate(Date() + 1); break;
    case Qt::Key_Down: SetDate(Date() + 7); break;
    case Qt::Key_Return:
    case Qt::Key_Enter: Click(); break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}
