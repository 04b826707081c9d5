#include "counted_text.h"

#include <algorithm>

#include "calendar/gbk_text.h"
#include "casting/guaku_calls.h"
#include "messages/catalog.h"
#include "script_conversion/simplified_form.h"
#include "text/gbk_utf8.h"

namespace pipeline {
namespace {

// The stroke table's rows: GB2312's Chinese characters.
bool InStrokeTable(std::string_view character) {
    if (character.size() != 2) return false;
    const unsigned char lead = character[0], trail = character[1];
    return lead >= 0xB0 && lead <= 0xF7 && trail >= 0xA1 && trail <= 0xFE;
}

// A CJK ideograph (the unified ones, extension A and the compatibility
// ones): GBK's Chinese characters outside GB2312, against its symbols,
// full-width forms and user-defined areas, which are counted as today.
bool IsChineseCharacter(std::string_view gbkCharacter) {
    const std::string utf8 = text::Utf8FromGbk(gbkCharacter);
    if (utf8.size() != 3) return false;  // every such ideograph takes three bytes
    const char32_t code = (static_cast<char32_t>(utf8[0] & 0x0F) << 12) |
                          (static_cast<char32_t>(utf8[1] & 0x3F) << 6) | static_cast<char32_t>(utf8[2] & 0x3F);
    return (code >= 0x3400 && code <= 0x4DBF) || (code >= 0x4E00 && code <= 0x9FFF) ||
           (code >= 0xF900 && code <= 0xFAFF);
}

// The GB2312 character `character` is counted as, or empty when its
// simplified form is none: no form, several characters, or a radical form
// the table counts no strokes for.
std::string CountedForm(std::string_view character) {
    const text::StrictGbk simplified =
        text::GbkFromUtf8Strict(script_conversion::SimplifiedForm(text::Utf8FromGbk(character)));
    if (!simplified.ok() || !InStrokeTable(simplified.gbk) || casting::StrokesOf(simplified.gbk) == 0) return {};
    return simplified.gbk;
}

}  // namespace

std::variant<CountedText, UncountedCharacter> CountedTextOf(std::string_view entered) {
    CountedText counted{std::string(entered), {}};
    for (std::size_t i = 0; i < entered.size();) {
        const std::size_t width = calendar::GbkCharLength(entered, i);
        const std::string_view character = entered.substr(i, width);
        if (width == 2 && !InStrokeTable(character) && IsChineseCharacter(character)) {
            const std::string form = CountedForm(character);
            if (form.empty()) return UncountedCharacter{std::string(character)};
            // Two bytes for two: every unit after it keeps its place.
            counted.text.replace(i, 2, form);
            const CountedAs pair{std::string(character), form};
            if (std::find(counted.countedAs.begin(), counted.countedAs.end(), pair) == counted.countedAs.end()) {
                counted.countedAs.push_back(pair);
            }
        }
        i += width;
    }
    return counted;
}

std::string UncountedMessage(const UncountedCharacter& uncounted) {
    return text::GbkFromUtf8(messages::Translated(N_("参数错误：无法计算笔画的字："))) + uncounted.character;
}

std::vector<std::string> StrokesText(const std::vector<CountedAs>& countedAs) {
    if (countedAs.empty()) return {};
    // Sources are UTF-8 here; only the literals are converted, the
    // characters are GBK already.
    std::vector<std::string> lines = {text::GbkFromUtf8("【笔画】")};
    const std::string arrow = text::GbkFromUtf8("→"), strokes = text::GbkFromUtf8("画");
    for (const CountedAs& pair : countedAs) {
        lines.push_back(pair.entered + arrow + pair.counted + " " + std::to_string(casting::StrokesOf(pair.counted)) +
                        strokes);
    }
    return lines;
}

}  // namespace pipeline
