#include "calendar_control/hover_hint.h"

#include <utility>

void HoverHint::ShowCell(const TRect& box, calendar::DateTime date, const std::function<std::string()>& facts) {
    if (window_->isHidden() && !window_->Text().empty()) window_->show();
    // The same box may hold another day once the grid has moved.
    const bool sameCell = holdsCell_ && box.left == cellRect_.left && box.top == cellRect_.top && date == date_;
    if (sameCell) return;
    cellRect_ = box;
    date_ = date;
    holdsCell_ = true;
    // Placed once the text has given the window its size, so the window is
    // kept on the screen at the size it shows.
    window_->SetText(facts());
    window_->PlaceAtCursor();
}

void HoverHint::ShowArrow(std::string name) {
    holdsCell_ = false;
    window_->SetText(std::move(name));
    window_->PlaceAtCursor();
}
