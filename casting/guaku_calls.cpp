#include "guaku_calls.h"

#include <guaku.h>

namespace casting {
namespace {

// A text passed to guaku as a constant block: the library reads it and
// leaves it untouched, so no reference counting is needed on our side.
class GuakuArgument {
public:
    explicit GuakuArgument(std::string_view text)
        : chars_(guaku_constant_text(&block_, text.data(), text.size())) {}
    RefCountedString get() const { return chars_; }

private:
    GuakuTextBlock block_;
    RefCountedString chars_;
};

}  // namespace

int StrokesOf(std::string_view unit) { return GetBiHua(GuakuArgument(unit).get()); }

std::string HexagramName(int upper, int lower) { return lssg(upper, lower); }

int HourPillarIndex(std::string_view dayStem, int hour) { return wsxy(GuakuArgument(dayStem).get(), hour); }

std::string VoidBranches(std::string_view xunHead) {
    unsigned char head[GUAKU_TEXT_BUFFER_SIZE];
    unsigned char result[GUAKU_TEXT_BUFFER_SIZE] = {0};  // stays empty when guaku finds no such week
    kong(result, guaku_length_prefixed(head, xunHead.data(), xunHead.size()));
    return std::string(reinterpret_cast<const char*>(result + 1), result[0]);
}

}  // namespace casting
