// wsxy: the hour pillar from the day stem and the clock hour.
#include "guaku.h"
#include "stem_offset.h"
#include "text_forms.h"

extern "C" GUAKU_API int32_t GUAKU_CALL wsxy(RefCountedString dayStem, int32_t hour) {
    const guaku::BorrowedText stem(dayStem);
    // Double hours start at odd clock hours; 23 already belongs to the 子
    // hour of the given day. Hours outside the clock count as 子.
    const int32_t branch = (hour >= 0 && hour <= 23) ? ((hour + 1) / 2) % 12 : 0;
    return branch + guaku::stemOffset(stem.view());
}
