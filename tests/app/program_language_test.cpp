// Which language the system's locale names choose.
#include <gtest/gtest.h>

#include "program_language.h"

namespace {

TEST(ProgramLanguage, SystemLocaleChoosesTheFirstLanguageWithTexts) {
    struct Row {
        const char *language, *lcAll, *lang, *chosen;
    };
    const Row rows[] = {
        {"", "", "", "zh_CN"},                          // nothing set
        {"", "", "C.UTF-8", "zh_CN"},                   // no language at all
        {"", "", "de_DE.UTF-8", "zh_CN"},               // a language without texts
        {"", "", "en_GB.UTF-8", "en_US"},
        {"", "", "zh_TW.UTF-8", "zh_TW"},
        {"", "", "zh_HK.UTF-8", "zh_HK"},
        {"", "", "zh_MO", "zh_MO"},
        {"", "", "zh_SG.UTF-8", "zh_CN"},               // Singapore writes Simplified
        {"", "zh_TW.UTF-8", "en_US.UTF-8", "zh_TW"},    // LC_ALL before LANG
        {"fr:en", "zh_TW.UTF-8", "", "en_US"},          // LANGUAGE's list first, in order
        {"fr:de", "", "zh_HK.UTF-8", "zh_HK"},          // none of the list fits
    };
    for (const auto& row : rows) {
        const QLocale chosen = LocaleFromEnvironment(QString::fromUtf8(row.language), QString::fromUtf8(row.lcAll),
                                                     QString::fromUtf8(row.lang));
        EXPECT_EQ(chosen.name(), QString::fromUtf8(row.chosen)) << row.language << '|' << row.lcAll << '|' << row.lang;
    }
}

}  // namespace
