// GetBiHua: stroke count of a GB2312 Chinese character.
#include <cstdint>

#include "guaku.h"
#include "text_forms.h"

namespace {

constexpr unsigned kFirstLead = 0xB0, kLastLead = 0xF7;
constexpr unsigned kFirstTrail = 0xA1, kLastTrail = 0xFE;
constexpr unsigned kTrailsPerRow = kLastTrail - kFirstTrail + 1;  // 94

// One count per code point of the Chinese-character area, in code order.
constexpr uint8_t kStrokes[] = {
#include "data/stroke_table.inc"
};
static_assert(sizeof kStrokes == (kLastLead - kFirstLead + 1) * kTrailsPerRow);

}  // namespace

extern "C" GUAKU_API int32_t GUAKU_CALL GetBiHua(RefCountedString text) {
    const guaku::BorrowedText borrowed(text);
    const std::string_view chars = borrowed.view();
    // Only the first character counts; anything outside the table is 0.
    if (chars.size() < 2) return 0;
    const unsigned hi = static_cast<unsigned char>(chars[0]);
    const unsigned lo = static_cast<unsigned char>(chars[1]);
    if (hi < kFirstLead || hi > kLastLead || lo < kFirstTrail || lo > kLastTrail) return 0;
    return kStrokes[(hi - kFirstLead) * kTrailsPerRow + (lo - kFirstTrail)];
}
