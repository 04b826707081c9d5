#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    guaku_fuzz::FuzzInput input(data, size);
    const int32_t hour = input.take<int32_t>();
    const int32_t minute = input.take<int32_t>();
    const auto block = guaku_fuzz::takeTextBlock(input);
    const int32_t index = kjxy(block.chars(), hour, minute);
    // The stem adds 0..48 to the unit, which is at most 214748371.
    if (index < -214748364 || index > 214748371 + 48) std::abort();
    block.checkUnchanged();
    return 0;
}
