#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    guaku_fuzz::FuzzInput input(data, size);
    const auto head = guaku_fuzz::takeLengthPrefixed(input);
    const auto headBefore = head;
    unsigned char result[GUAKU_TEXT_BUFFER_SIZE];
    std::memset(result, 0xA5, sizeof result);
    kong(result, head.data());
    // Either untouched or exactly a five-byte answer.
    if (result[0] != 0xA5 && result[0] != 5) std::abort();
    for (size_t i = result[0] == 5 ? 6 : 1; i < sizeof result; ++i) {
        if (result[i] != 0xA5) std::abort();
    }
    if (head != headBefore) std::abort();
    return 0;
}
