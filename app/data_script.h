// Which characters the casting's data texts are shown in: the program's
// language is Qt's default locale, and under Traditional Chinese the data
// (reports, readings) is shown in its traditional form, Hong Kong's for
// Hong Kong and Macau, Taiwan's for the rest.
#pragma once

#include <optional>

#include "pipeline/traditional_text.h"
#include "reading/reading_layout.h"

// None under Simplified Chinese or English: the data is shown as the
// engines wrote it.
std::optional<pipeline::TraditionalForm> TraditionalFormShown();

// Under a language other than Chinese the names of hexagrams and trigrams
// are followed by their pinyin and English names, for a reader who does not
// read the characters.
reading::NameGloss NameGlossShown();
