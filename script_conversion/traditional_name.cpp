#include "traditional_name.h"

#include <array>
#include <utility>

#include "opencc_converter.h"

namespace script_conversion {
namespace {

// OpenCC reads 丑 as "ugly" and 咸 as "salty"; in a name they are the
// branch and the hexagram. 无妄 and 遯 are the hexagrams' names as the
// received text writes them, and as the traditional classic texts do.
constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kMended = {{
    {"醜", "丑"},
    {"鹹", "咸"},
    {"無妄", "无妄"},
    {"遁", "遯"},
}};

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

}  // namespace

std::string TraditionalName(std::string_view simplified) {
    static const OpenccConverter converter("s2tw.json");
    std::string traditional = converter.Convert(simplified);
    for (const auto& [from, to] : kMended) ReplaceAll(traditional, from, to);
    return traditional;
}

}  // namespace script_conversion
