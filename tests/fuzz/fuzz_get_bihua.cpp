#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    guaku_fuzz::FuzzInput input(data, size);
    const auto block = guaku_fuzz::takeTextBlock(input);
    const int32_t strokes = GetBiHua(block.chars());
    if (strokes < 0 || strokes > 30) std::abort();
    block.checkUnchanged();
    return 0;
}
