// The casting's texts in traditional characters, for the window's
// traditional face and yaopan-cast alike: the report and the reading as the
// engines wrote them, converted once a casting. The conversion by phrases
// of the form asked for (Taiwan's or Hong Kong's words) does the running
// text; the names (hexagrams, trigrams, stems, branches, terms, months)
// come out as script_conversion::TraditionalName gives them, whatever the
// form, and the classic texts are the proofread traditional ones
// (reading/hexagram_texts.h), never a conversion. UTF-8 out: OpenCC's forms
// are not all in GBK. The simplified texts and the journal stay as they are.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "journal/journal_entry.h"
#include "liuyao/chart.h"
#include "reading/reading.h"

namespace pipeline {

enum class TraditionalForm {
    Taiwan,    // OpenCC's s2twp
    HongKong,  // OpenCC's s2hk, for Macau too
};

// Text the program made (GBK), in traditional characters. Throws
// std::runtime_error, as script_conversion::OpenccConverter does, when
// OpenCC cannot be loaded.
std::string TraditionalText(std::string_view gbk, TraditionalForm form);

// The report's thirteen lines (GBK) in traditional characters. The first
// line names the person: the name stays as typed.
std::vector<std::string> TraditionalReport(const std::vector<std::string>& report, std::string_view personName,
                                           TraditionalForm form);

// The classic texts a reading cites, as the traditional data has them:
// the primary's and the changed hexagram's, and the moving line's.
struct TraditionalClassics {
    const reading::HexagramText& primary;
    const reading::HexagramText& changed;
    const reading::LineStatement& movingStatement;
};
TraditionalClassics TraditionalClassicsOf(const reading::Reading& reading);

// ReadingText's lines in traditional characters. The characters of the
// opening's 【笔画】 section (`countedAs`) are the person's own and the ones
// counted in their place: they stay as they are.
std::vector<std::string> TraditionalReadingText(const std::optional<reading::Reading>& reading,
                                                const std::optional<liuyao::Chart>& chart,
                                                const std::vector<std::string>& opening, TraditionalForm form,
                                                const std::vector<std::string>& kept = {});

// The reading the journal kept for `casting` (UTF-8 simplified lines, as
// ReadingText wrote them) in traditional characters: its classic texts the
// proofread traditional ones of its hexagrams and moving line, the
// characters of its 【笔画】 section as they are. None when it kept no
// reading, or names hexagrams the engine does not (a journal changed by
// hand): its classic texts are then not known to be the data's.
std::optional<std::vector<std::string>> TraditionalKeptReading(const journal::JournalEntry& casting,
                                                               TraditionalForm form);

}  // namespace pipeline
