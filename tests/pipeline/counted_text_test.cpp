#include <gtest/gtest.h>

#include "gbk.h"
#include "pipeline/casting_road.h"

namespace {

std::variant<pipeline::CastDone, pipeline::Refusal> Cast(const char* method, const char* name, const char* text) {
    pipeline::CastRequest request;
    request.name = name;
    request.method = method;
    if (*text != '\0') request.text = text;
    request.date = "2024-02-10";
    request.hour = 9;
    request.record = true;  // for the journal's entry: nothing is written
    return pipeline::CastRequested(request, {2024, 2, 10, 9, 0});
}

// Typed in traditional characters, a casting is the casting of the
// simplified text; the report names the person as entered, and the reading
// opens by saying what was counted as what.
TEST(CountedText, TraditionalCharactersCastAsTheirSimplifiedForms) {
    const struct {
        const char *method, *name, *text, *simplifiedName, *simplifiedText, *strokes;
    } cases[] = {
        {"name", "張三", "", "张三", "", "【笔画】\n張→张 7画\n"},
        {"character", "某人", "龍", "某人", "龙", "【笔画】\n龍→龙 5画\n"},
        // Both forms, a character twice, and an odd ASCII byte ahead, which
        // pairs the bytes across characters as it always has.
        {"question", "某人", "a張三問龍張", "某人", "a张三问龙张", "【笔画】\n張→张 7画\n問→问 6画\n龍→龙 5画\n"},
    };
    for (const auto& c : cases) {
        const pipeline::CastValues values = std::get<pipeline::CastDone>(Cast(c.method, c.name, c.text)).values;
        const auto plain = std::get<pipeline::CastDone>(Cast(c.method, c.simplifiedName, c.simplifiedText)).values;
        for (std::size_t k = 0; k < 5; ++k) EXPECT_EQ(values.hexagrams[k].name, plain.hexagrams[k].name) << c.text;
        EXPECT_EQ(values.record.MovingLine, plain.record.MovingLine) << c.text;
        EXPECT_NE(values.report[0].find(testing_support::gbk(c.name)), std::string::npos);
        EXPECT_TRUE(values.entry->reading->starts_with(std::string(c.strokes) + "【卦】")) << *values.entry->reading;
        EXPECT_TRUE(plain.entry->reading->starts_with("【卦】"));
    }
}

// Every GB2312 character (its radical forms too, which count 0), every
// symbol and full-width form (GBK/1, GBK/5) and the user-defined areas are
// counted as they were: the text comes back byte for byte.
TEST(CountedText, EveryCharacterTheTableKnowsAndEveryNonChineseOneIsLeftAsItIs) {
    for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
            const bool gb2312 = lead >= 0xB0 && lead <= 0xF7 && trail >= 0xA1;
            const bool userDefined = ((lead >= 0xAA && lead <= 0xAF) || lead >= 0xF8) && trail >= 0xA1;
            if (!gb2312 && !userDefined && (lead < 0xA1 || lead > 0xA9)) continue;
            const std::string text = "a" + std::string{static_cast<char>(lead), static_cast<char>(trail)} + "b ";
            const auto result = pipeline::CountedTextOf(text);
            const auto* counted = std::get_if<pipeline::CountedText>(&result);
            ASSERT_TRUE(counted && counted->text == text && counted->countedAs.empty()) << lead << ' ' << trail;
        }
    }
}

}  // namespace
