#include "stem_offset.h"

#include "table_lookup.h"

namespace guaku {
namespace {

const char* const kHeavenlyStems[10] = {
#include "heavenly_stems.inc"
};

}  // namespace

int32_t stemOffset(std::string_view stem) {
    const int position = positionOf(kHeavenlyStems, stem);
    // Stems five apart share the 子 hour: the cycle advances 12 hours a day.
    return position < 0 ? 0 : (position % 5) * 12;
}

}  // namespace guaku
