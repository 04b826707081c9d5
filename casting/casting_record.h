// The working state of one casting: the five hexagrams' line values, the
// text table, the three numbers a method derives, and the method text the
// report prints. Texts are GBK.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace casting {

// Trigram numbers 1..8 in the order every method, list and name table uses.
enum TrigramNumber { Qian = 1, Dui, Li, Zhen, Xun, Kan, Gen, Kun };

// A reading of the clock, as 时分起卦 takes its numbers from.
struct ClockTime {
    int hour = 0;    // 0..23
    int minute = 0;  // 0..59

    friend bool operator==(const ClockTime&, const ClockTime&) = default;
};

// Six line values (1 yang, 0 yin) at indices 1..6, line 1 at the bottom;
// index 0 is unused so the indices read as the line numbers.
using HexagramLines = std::array<int, 7>;

struct CastingRecord {
    HexagramLines PrimaryLines{};
    HexagramLines NuclearLines{};
    HexagramLines ChangedLines{};
    HexagramLines OppositeLines{};
    HexagramLines ReversedLines{};

    // One 1-based table of 21 texts addressed by computed index:
    //   1..8    line text of trigram n, bottom line first ("111" for 乾)
    //   9..13   names of the primary, nuclear, changed, opposite, reversed hexagram
    //   14..19  mark printed beside line m of the primary hexagram
    //   20, 21  figure of a yin line, of a yang line (entry 20 + value)
    std::array<std::string, 22> texts{};

    int UpperTrigram = 0;
    int LowerTrigram = 0;
    int MovingLine = 0;
    std::string MethodText;
    // What the clock read for 时分起卦, so the reading can name it; none for
    // the other methods.
    std::optional<ClockTime> Clock;

    std::string& TrigramLines(int trigram) { return texts[trigram]; }
    const std::string& TrigramLines(int trigram) const { return texts[trigram]; }
    std::string& HexagramNames(int k) { return texts[8 + k]; }
    const std::string& HexagramNames(int k) const { return texts[8 + k]; }
    std::string& LineMarks(int line) { return texts[13 + line]; }
    const std::string& LineMarks(int line) const { return texts[13 + line]; }
    const std::string& LineFigure(int value) const { return texts[20 + value]; }

    // What window creation gives the record: the eight line texts, the two
    // figures and blank marks; names, method and numbers stay empty and 0.
    void SetStartValues();

    // The trigram whose line text is `lines`, 0 when none is.
    int TrigramOf(std::string_view lines) const;
};

// A record as SetStartValues leaves a new one, made once: for those that
// only read its line texts and figures, as a chart does.
const CastingRecord& StartRecord();

// The three lines from..from+2 of a hexagram as a line text.
std::string LineTextOf(const HexagramLines& lines, int from);

}  // namespace casting
