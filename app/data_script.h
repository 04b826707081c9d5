// Which characters the casting's data texts are shown in: the program's
// language is Qt's default locale, and under Traditional Chinese the data
// (reports, readings, the almanac, the reference texts) is shown in its
// traditional form, Hong Kong's for Hong Kong and Macau, Taiwan's for the
// rest.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

#include "pipeline/traditional_text.h"
#include "reading/reading_layout.h"

// None under Simplified Chinese or English: the data is shown as the
// engines wrote it.
std::optional<pipeline::TraditionalForm> TraditionalFormShown();

// Under a language other than Chinese the names of hexagrams and trigrams
// are followed by their pinyin and English names, for a reader who does not
// read the characters.
reading::NameGloss NameGlossShown();

// True while the window speaks English.
bool EnglishShown();

// A text the program made (GBK), in the characters the window shows it in.
// Without OpenCC's data it is shown as written.
QString ShownDataText(std::string_view gbk);
QString ShownDataText(const QString& text);

// `gbk` in `form`'s traditional characters, as GBK, for the controls that
// draw GBK. A text whose traditional form GBK cannot hold, or that OpenCC
// cannot convert, is given as it is.
std::string TraditionalGbk(std::string_view gbk, pipeline::TraditionalForm form);
