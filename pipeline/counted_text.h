// The text whose strokes a casting counts. The stroke table knows the
// GB2312 characters only, so a Chinese character outside them (張, 龍,
// typed in traditional characters) is counted by its simplified form, and
// one that has no form the table knows is refused rather than counted as 0.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace pipeline {

// A character as entered and the one counted in its place. GBK.
struct CountedAs {
    std::string entered, counted;

    friend bool operator==(const CountedAs&, const CountedAs&) = default;
};

struct CountedText {
    std::string text;                 // GBK, each entered character at its own byte position
    std::vector<CountedAs> countedAs;  // each character once, in the order first entered; empty when none
};

// The character that cannot be counted, GBK.
struct UncountedCharacter {
    std::string character;
};

// `entered` (GBK) with every Chinese character outside GB2312 replaced by
// its simplified form; everything else, GB2312 characters, letters,
// digits, punctuation and spaces, is left byte for byte as it is, so what
// is counted today is counted the same. Refuses the first Chinese
// character whose simplified form is no GB2312 character either.
std::variant<CountedText, UncountedCharacter> CountedTextOf(std::string_view entered);

// The refusal of `uncounted`, GBK, in the style of the engine's own.
std::string UncountedMessage(const UncountedCharacter& uncounted);

// The reading page's 【笔画】 section: each character counted as another
// with the strokes counted ("張→张 7画"). GBK lines; none when nothing was
// converted, so the page of a casting in simplified characters stays as it
// was.
std::vector<std::string> StrokesText(const std::vector<CountedAs>& countedAs);

}  // namespace pipeline
