// lssg: the name of the hexagram of an upper and a lower trigram.
#include "guaku.h"

namespace {

// Row: upper trigram, column: lower trigram, both in trigram-number order.
const char* const kHexagramNames[8][8] = {
#include "hexagram_names.inc"
};

}  // namespace

extern "C" GUAKU_API const char* GUAKU_CALL lssg(int32_t upper, int32_t lower) {
    if (upper < 1 || upper > 8 || lower < 1 || lower > 8) return "";
    return kHexagramNames[upper - 1][lower - 1];
}
