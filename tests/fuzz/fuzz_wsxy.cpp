#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    guaku_fuzz::FuzzInput input(data, size);
    const int32_t hour = input.take<int32_t>();
    const auto block = guaku_fuzz::takeTextBlock(input);
    const int32_t index = wsxy(block.chars(), hour);
    if (index < 0 || index > 59) std::abort();
    block.checkUnchanged();
    return 0;
}
