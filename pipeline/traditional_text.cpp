#include "traditional_text.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "calendar/calendar_names.h"
#include "calendar/solar_terms.h"
#include "casting/guaku_calls.h"
#include "reading_text.h"
#include "reading/hexagram_names.h"
#include "reading/hexagram_texts.h"
#include "reading/trigrams.h"
#include "script_conversion/opencc_converter.h"
#include "script_conversion/traditional_name.h"
#include "text/gbk_utf8.h"

namespace pipeline {
namespace {

// A piece of text that does not go through the form's conversion, and what
// stands in its place. UTF-8.
struct Fixed {
    std::string from, to;
};

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

// Every name the engines write, simplified, UTF-8.
std::vector<std::string> NamesWritten() {
    std::vector<std::string> names;
    for (const reading::HexagramText& text : reading::HexagramTexts()) {
        names.emplace_back(text.name);
        names.push_back(casting::HexagramName(text.upper, text.lower));
    }
    for (int trigram = 1; trigram <= 8; ++trigram) names.emplace_back(reading::TrigramName(trigram));
    for (int index = 0; index < 60; ++index) {
        const std::string pair = calendar::GanZhiName(index);
        names.insert(names.end(), {pair, pair.substr(0, 2), pair.substr(2)});
    }
    for (int term = 0; term < calendar::kSolarTermCount; ++term) {
        names.push_back(calendar::SolarTermName(std::floor(calendar::SolarTermMoment(2000, term))));
    }
    for (int month = 1; month <= 12; ++month) names.push_back(calendar::LunarMonthName(month, false));
    for (std::string& name : names) name = text::Utf8FromGbk(name);
    return names;
}

// One form's conversion, loaded once and kept: OpenCC's dictionaries take
// far longer to load than a report takes to convert.
class Writing {
public:
    explicit Writing(const std::string& config) : converter_(config) {
        // The form may write a name as another word (丑 as 醜, "ugly") or in
        // its own variant (Hong Kong's 兑): those are put back to the
        // name's one traditional form, longest first, so that a longer
        // name is not broken by a shorter one inside it.
        for (const std::string& name : NamesWritten()) {
            std::string written = converter_.Convert(name);
            std::string traditional = script_conversion::TraditionalName(name);
            if (written != traditional) mended_.push_back({std::move(written), std::move(traditional)});
        }
        // The forms read 凶 as 兇, "violent"; every 凶 the program writes is
        // the luck of a verdict or a mansion.
        mended_.push_back({"兇", "凶"});
        std::ranges::sort(mended_, std::ranges::greater{}, [](const Fixed& m) { return m.from.size(); });
    }

    // `utf8` with every piece of `fixed` as it gives it, the rest converted.
    std::string Convert(std::string_view utf8, const std::vector<Fixed>& fixed = {}) const {
        std::string converted;
        while (!utf8.empty()) {
            auto next = std::string_view::npos;
            const Fixed* found = nullptr;
            for (const Fixed& piece : fixed) {
                const auto at = piece.from.empty() ? std::string_view::npos : utf8.find(piece.from);
                if (at < next) next = at, found = &piece;
            }
            converted += Running(utf8.substr(0, next));
            if (found == nullptr) break;
            converted += found->to;
            utf8.remove_prefix(next + found->from.size());
        }
        return converted;
    }

private:
    std::string Running(std::string_view utf8) const {
        if (utf8.empty()) return {};
        std::string converted = converter_.Convert(utf8);
        for (const auto& [from, to] : mended_) ReplaceAll(converted, from, to);
        return converted;
    }

    script_conversion::OpenccConverter converter_;
    std::vector<Fixed> mended_;
};

const Writing& WritingOf(TraditionalForm form) {
    if (form == TraditionalForm::HongKong) {
        static const Writing hongKong("s2hk.json");
        return hongKong;
    }
    static const Writing taiwan("s2twp.json");
    return taiwan;
}

Fixed Cited(std::string_view label, std::string_view text, std::string_view traditionalLabel,
            std::string_view traditionalText) {
    return {text::Utf8FromGbk(label) + "：" + text::Utf8FromGbk(text),
            text::Utf8FromGbk(traditionalLabel) + "：" + text::Utf8FromGbk(traditionalText)};
}

// The traditional data's texts of a primary hexagram, its changed
// hexagram and the statement of its moving line (1..6).
TraditionalClassics ClassicsOf(const reading::HexagramText& primary, int movingLine,
                               const reading::HexagramText& changed) {
    using reading::Script;
    const reading::HexagramText& primaryTraditional =
        reading::HexagramTextOf(primary.upper, primary.lower, Script::Traditional);
    return {primaryTraditional, reading::HexagramTextOf(changed.upper, changed.lower, Script::Traditional),
            primaryTraditional.statements.at(movingLine - 1)};
}

// The three citations ReadingLines writes for a primary hexagram, the
// statement of its moving line (1..6) and its changed hexagram, and the
// traditional data's in their place.
std::vector<Fixed> CitationsOf(const reading::HexagramText& primary, int movingLine,
                               const reading::HexagramText& changed) {
    const TraditionalClassics traditional = ClassicsOf(primary, movingLine, changed);
    const reading::LineStatement& moving = primary.statements.at(movingLine - 1);
    return {Cited(primary.name, primary.judgment, traditional.primary.name, traditional.primary.judgment),
            Cited(moving.label, moving.text, traditional.movingStatement.label, traditional.movingStatement.text),
            Cited(changed.name, changed.judgment, traditional.changed.name, traditional.changed.judgment)};
}

// The texts of the hexagram the journal names `utf8Name`, none for a name
// the engine does not give.
const reading::HexagramText* HexagramTextNamed(const std::string& utf8Name) {
    const auto trigrams = reading::TrigramsOfHexagram(text::GbkFromUtf8(utf8Name));
    return trigrams ? &reading::HexagramTextOf(trigrams->upper, trigrams->lower) : nullptr;
}

std::vector<Fixed> KeptAsTheyAre(const std::vector<std::string>& gbkWords) {
    std::vector<Fixed> kept;
    for (const std::string& word : gbkWords) kept.push_back({text::Utf8FromGbk(word), text::Utf8FromGbk(word)});
    return kept;
}

}  // namespace

TraditionalClassics TraditionalClassicsOf(const reading::Reading& reading) {
    return ClassicsOf(*reading.primary, reading.input.movingLine, *reading.changed);
}

std::string TraditionalText(std::string_view gbk, TraditionalForm form) {
    return WritingOf(form).Convert(text::Utf8FromGbk(gbk));
}

std::vector<std::string> TraditionalReport(const std::vector<std::string>& report, std::string_view personName,
                                           TraditionalForm form) {
    const Writing& writing = WritingOf(form);
    std::vector<std::string> lines;
    for (const std::string& line : report) {
        lines.push_back(writing.Convert(text::Utf8FromGbk(line),
                                        lines.empty() ? KeptAsTheyAre({std::string(personName)}) : std::vector<Fixed>{}));
    }
    return lines;
}

std::vector<std::string> TraditionalReadingText(const std::optional<reading::Reading>& reading,
                                                const std::optional<liuyao::Chart>& chart,
                                                const std::vector<std::string>& opening, TraditionalForm form,
                                                const std::vector<std::string>& kept) {
    const Writing& writing = WritingOf(form);
    std::vector<std::string> lines;
    const std::vector<Fixed> keptFixed = KeptAsTheyAre(kept);
    for (const std::string& line : opening) lines.push_back(writing.Convert(text::Utf8FromGbk(line), keptFixed));
    const std::vector<Fixed> citations =
        reading ? CitationsOf(*reading->primary, reading->input.movingLine, *reading->changed) : std::vector<Fixed>{};
    for (const std::string& line : ReadingText(reading, chart)) {
        lines.push_back(writing.Convert(text::Utf8FromGbk(line), citations));
    }
    return lines;
}

std::optional<std::vector<std::string>> TraditionalKeptReading(const journal::JournalEntry& casting,
                                                               TraditionalForm form) {
    const reading::HexagramText* primary = HexagramTextNamed(casting.hexagrams[journal::Primary]);
    const reading::HexagramText* changed = HexagramTextNamed(casting.hexagrams[journal::Changed]);
    if (!casting.reading || primary == nullptr || changed == nullptr || casting.movingLine < 1 ||
        casting.movingLine > 6) {
        return std::nullopt;
    }
    const std::vector<Fixed> citations = CitationsOf(*primary, casting.movingLine, *changed);
    const Writing& writing = WritingOf(form);
    std::vector<std::string> lines;
    bool strokes = false;
    std::string_view rest = *casting.reading;
    while (true) {
        const auto end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        if (line.starts_with("【")) {
            strokes = line == "【笔画】";
            lines.push_back(writing.Convert(line));
        } else if (strokes) {
            // "entered→counted N画": the characters are the person's, or
            // counted for theirs; only the count's word is the program's.
            const std::string characters(line.substr(0, line.rfind(' ')));
            lines.push_back(writing.Convert(line, {{characters, characters}}));
        } else {
            lines.push_back(writing.Convert(line, citations));
        }
        if (end == std::string_view::npos) break;
        rest.remove_prefix(end + 1);
    }
    return lines;
}

}  // namespace pipeline
