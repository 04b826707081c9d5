// The reading as the page shows it and the journal keeps it: the sections
// that open it where there are any (the moment's, moment_text.h, and the
// strokes', counted_text.h), the reading's sections, then the six-line
// chart's. GBK lines.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "casting_road.h"
#include "liuyao/chart.h"
#include "reading/reading.h"
#include "reading/reading_layout.h"

namespace pipeline {

// Empty when the casting has none of them. `gloss` follows the reading's
// names of hexagrams and trigrams with their pinyin and English names.
std::vector<std::string> ReadingText(const std::optional<reading::Reading>& reading,
                                     const std::optional<liuyao::Chart>& chart,
                                     const std::vector<std::string>& opening = {},
                                     reading::NameGloss gloss = reading::NameGloss::None);

// The sections that open a casting's reading, each where it has something
// to say: the moment's with `boundaries` (the page shows the casting's
// own; the journal's reading keeps none, so a casting at the defaults keeps
// the reading it always had), then the strokes'.
std::vector<std::string> OpeningText(const Casting& casting, const CastValues& values,
                                     const std::vector<BoundaryNote>& boundaries);

}  // namespace pipeline
