// kong: the void branches of a ten-day week.
#include <cstring>
#include <string_view>

#include "guaku.h"
#include "table_lookup.h"
#include "text_forms.h"

namespace {

struct XunVoid {
    const char* head;   // first day of the xun, e.g. 甲子
    const char* voids;  // its two void branches, e.g. 戌,亥
};

const XunVoid kXunVoids[] = {
#include "xun_voids.inc"
};

}  // namespace

extern "C" GUAKU_API void GUAKU_CALL kong(unsigned char* result, LengthPrefixedString xunHead) {
    if (result == nullptr) return;
    const guaku::LengthPrefixedCopy head(xunHead);
    const int position = guaku::positionOf(kXunVoids, head.view(), &XunVoid::head);
    if (position < 0) return;  // the caller's buffer stays as it was
    const std::string_view voids = kXunVoids[position].voids;
    result[0] = static_cast<unsigned char>(voids.size());
    std::memcpy(result + 1, voids.data(), voids.size());
}
