// kjxy: the pillar of a ten-minute unit of a double hour.
#include <cstdint>

#include "guaku.h"
#include "stem_offset.h"
#include "text_forms.h"

extern "C" GUAKU_API int32_t GUAKU_CALL kjxy(RefCountedString stem, int32_t hour, int32_t minute) {
    const guaku::BorrowedText borrowed(stem);
    // An odd hour opens its double hour, an even one is its second hour, so
    // minutes since the double hour began are `minute` or 60 + `minute`;
    // round to the nearest ten. Negative odd hours have no unit.
    // 64-bit sums keep extreme minutes from overflowing; the quotient
    // truncates toward zero like the floating-point division it stands for.
    int64_t unit = 0;
    switch (hour % 2) {
        case 0: unit = (int64_t{minute} + 65) / 10; break;
        case 1: unit = (int64_t{minute} + 5) / 10; break;
        default: unit = 0; break;
    }
    return static_cast<int32_t>(guaku::stemOffset(borrowed.view()) + unit);
}
