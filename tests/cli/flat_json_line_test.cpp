#include "cli/flat_json_line.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

namespace {

// Every line the reader takes, the full parser reads to the same members
// in the same order; every line the parser refuses, or reads otherwise
// than the common shape can say, the reader leaves to it.
TEST(FlatJsonLine, TakesOnlyWhatTheFullParserReadsAlike) {
    struct Case {
        std::string line;
        bool taken;
    };
    const Case cases[] = {
        {R"({"name":"某人","age":30,"date":"2010-09-13","hour":17})", true},
        {" \t{ \"a\" : -0 , \"b\" : true,\"c\":false ,\"d\":null}\r\n", true},
        {"{}", true},
        {R"({"a":123456789012345678,"b":-5,"c":""})", true},
        {"{\"a\":\"\xF0\x9F\x98\x80\xEF\xBF\xBF\xC2\x80\"}", true},
        {R"({"a":1,"a":2})", false},  // the parser keeps the first place and the last value
        {R"({"a":1234567890123456789})", false},
        {R"({"a":1.5})", false},
        {R"({"a":1e3})", false},
        {R"({"a":01})", false},
        {R"({"a":"\u5929"})", false},
        {R"({"a":[1]})", false},
        {R"({"a":1,})", false},
        {R"({"a":tru})", false},
        {R"({"a":1} x)", false},
        {"\xEF\xBB\xBF{}", false},
        {"{\"a\":\"x\ty\"}", false},
        {"{\"a\":\"\xC0\xAF\"}", false},
        {"{\"a\":\"\xED\xA0\x80\"}", false},
        {"{\"a\":\"\xF4\x90\x80\x80\"}", false},
        {"{\"a\":\"\xE4\xB9\"}", false},
        {"[]", false},
        {R"({"a":1)", false},
    };
    for (const Case& c : cases) {
        const auto flat = cli::ReadFlatObject(c.line);
        EXPECT_EQ(flat.has_value(), c.taken) << c.line;
        if (!flat) continue;
        const auto full = nlohmann::ordered_json::parse(c.line, nullptr, false);
        ASSERT_TRUE(full.is_object()) << c.line;
        ASSERT_EQ(flat->members.size(), full.size()) << c.line;
        std::size_t i = 0;
        for (const auto& item : full.items()) {
            const cli::FlatValue& value = flat->members[i].value();
            EXPECT_EQ(flat->members[i++].key(), item.key()) << c.line;
            EXPECT_EQ(value.is_null(), item.value().is_null()) << c.line;
            EXPECT_EQ(value.is_boolean(), item.value().is_boolean()) << c.line;
            EXPECT_EQ(value.is_number_unsigned(), item.value().is_number_unsigned()) << c.line;
            EXPECT_EQ(value.is_string(), item.value().is_string()) << c.line;
            if (value.is_boolean()) {
                EXPECT_EQ(value.get<bool>(), item.value().get<bool>()) << c.line;
            } else if (value.is_number()) {
                EXPECT_EQ(value.dump(), item.value().dump()) << c.line;
            } else if (value.is_string()) {
                EXPECT_EQ(value.get<std::string>(), item.value().get<std::string>()) << c.line;
            }
        }
    }
}

}  // namespace
