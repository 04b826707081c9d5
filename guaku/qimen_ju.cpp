// DIJU: the chart number (ju) of a Qimen Dunjia chart.
#include <cstring>
#include <string_view>

#include "guaku.h"
#include "table_lookup.h"
#include "text_forms.h"

namespace {

struct TermDun {
    const char* term;  // solar-term name
    const char* dun;   // 阳 or 阴
};

const char* const kBranches[12] = {
#include "earthly_branches.inc"
};
const char* const kMonthNames[12] = {
#include "lunar_month_names.inc"
};
const char* const kDayNames[30] = {
#include "lunar_day_names.inc"
};
const TermDun kTermDuns[24] = {
#include "solar_term_duns.inc"
};

// Ordinal (1-based) of `text` in `table`, or 0 when it is not an entry.
template <std::size_t N>
int ordinalIn(const char* const (&table)[N], const guaku::LengthPrefixedCopy& text) {
    return guaku::positionOf(table, text.view()) + 1;
}

// The last result of each thread: callers read it after the call returns,
// so it must outlive the call and no other thread may overwrite it.
thread_local char lastResult[8];

}  // namespace

extern "C" GUAKU_API const char* GUAKU_CALL DIJU(LengthPrefixedString branch1, LengthPrefixedString month,
                                                 LengthPrefixedString day, LengthPrefixedString branch2,
                                                 LengthPrefixedString term, LengthPrefixedString branch3) {
    const guaku::LengthPrefixedCopy b1(branch1), m(month), d(day), b2(branch2), t(term), b3(branch3);
    const int total = ordinalIn(kBranches, b1) + ordinalIn(kBranches, b2) + ordinalIn(kBranches, b3) +
                      ordinalIn(kMonthNames, m) + ordinalIn(kDayNames, d);  // [0, 78]
    const int ju = total % 9 == 0 ? 9 : total % 9;

    const int position = guaku::positionOf(kTermDuns, t.view(), &TermDun::term);
    if (position < 0) return nullptr;
    const std::string_view dun = kTermDuns[position].dun;
    std::memcpy(lastResult, dun.data(), dun.size());
    lastResult[dun.size()] = static_cast<char>('0' + ju);
    lastResult[dun.size() + 1] = '\0';
    return lastResult;
}
