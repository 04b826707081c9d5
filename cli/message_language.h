// The language yaopan-cast prints its messages in: --lang when given,
// else the first the environment names in gettext's own order. The report
// and the classic texts stay Chinese in every language.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cli {

struct MessageLanguage {
    // The catalog: "zh_CN", "zh_TW" (Hong Kong and Macau read it too) or
    // "en"; empty under the C locale, which prints every message as written.
    std::string catalog;
    // The locale named, without codeset or modifier ("zh_HK", "zh_TW"), or
    // --lang's value: the Traditional forms differ by region.
    std::string locale;
    // Given with --lang: only then do the JSON texts follow the language.
    bool given = false;
};

// The catalog --lang names, or nothing for a value it does not take.
std::optional<std::string> CatalogNamed(std::string_view lang);

// The language the environment chooses: LANGUAGE's list when the locale
// (LC_ALL, LC_MESSAGES, LANG, the first set) is not C; English when
// neither names a language there is a catalog for.
MessageLanguage LanguageOfEnvironment();

// Looks messages up in `language`'s catalog from here on, leaving numbers
// and dates as the C locale writes them.
void SpeakIn(const MessageLanguage& language);

}  // namespace cli
