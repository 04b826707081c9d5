// A reading laid out as lines of text for a reader: a heading in 【】 before
// each part, the relation table in aligned columns, then the texts. The
// page of the window shows these lines; GBK like every text below it.
#pragma once

#include <string>
#include <vector>

#include "reading.h"

namespace reading {

// Whether the hexagrams and trigrams named are followed by their pinyin and
// English names (hexagram_names.h), for a reader of the English face.
enum class NameGloss { None, PinyinAndEnglish };

std::vector<std::string> ReadingLines(const Reading& reading, NameGloss gloss = NameGloss::None);

}  // namespace reading
