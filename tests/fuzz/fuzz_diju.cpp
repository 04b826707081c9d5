#include <string_view>

#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    guaku_fuzz::FuzzInput input(data, size);
    std::vector<uint8_t> args[6];
    for (auto& arg : args) arg = guaku_fuzz::takeLengthPrefixed(input);
    const char* chart = DIJU(args[0].data(), args[1].data(), args[2].data(), args[3].data(),
                             args[4].data(), args[5].data());
    if (chart != nullptr) {
        // A dun character (two bytes) and one digit 1..9.
        const std::string_view text(chart);
        if (text.size() != 3 || text[2] < '1' || text[2] > '9') std::abort();
    }
    return 0;
}
