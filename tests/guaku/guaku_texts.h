// Building the library's text forms from the UTF-8 texts of the tests.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "gbk.h"
#include "guaku.h"

namespace guaku_test {

using testing_support::gbk;

// A RefCountedString block as a reference-counting runtime lays it out:
// count, length, the characters and a 0 byte. The raw length field can be
// set apart from the text to feed the library broken blocks.
class TextBlock {
public:
    TextBlock(std::string_view gbkBytes, int32_t count)
        : TextBlock(gbkBytes, count, static_cast<int32_t>(gbkBytes.size())) {}
    TextBlock(std::string_view gbkBytes, int32_t count, int32_t lengthField)
        : words_(2 + (gbkBytes.size() + 4) / 4) {
        words_[0] = count;
        words_[1] = lengthField;
        std::memcpy(words_.data() + 2, gbkBytes.data(), gbkBytes.size());
    }

    RefCountedString chars() const { return reinterpret_cast<const char*>(words_.data() + 2); }
    int32_t count() const { return words_[0]; }
    std::vector<int32_t> words() const { return words_; }

private:
    std::vector<int32_t> words_;  // int32 storage keeps the count aligned
};

// A constant (count −1) block of the GBK form of a UTF-8 text.
inline TextBlock constant(std::string_view utf8) { return TextBlock(gbk(utf8), -1); }

// A LengthPrefixedString of the GBK form of a UTF-8 text.
inline std::vector<unsigned char> prefixed(std::string_view utf8) {
    const std::string bytes = gbk(utf8);
    std::vector<unsigned char> out(1 + bytes.size());
    out[0] = static_cast<unsigned char>(bytes.size());
    std::memcpy(out.data() + 1, bytes.data(), bytes.size());
    return out;
}

}  // namespace guaku_test
