// The nine methods are listed once, in the road's table; the shell
// completion and the manual page must offer the same ones, in its order.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "pipeline/cast_request.h"

namespace {

std::string FileText(const std::string& relative) {
    std::ifstream in(std::string(YAOPAN_SOURCE_DIR) + "/" + relative);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Every match of `pattern`'s groups in `text`, joined by a space.
std::vector<std::string> Matches(const std::string& text, const std::regex& pattern) {
    std::vector<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern); it != std::sregex_iterator(); ++it) {
        std::string joined = (*it)[1];
        for (std::size_t group = 2; group < it->size(); ++group) joined += " " + (*it)[group].str();
        found.push_back(joined);
    }
    return found;
}

TEST(MethodList, CompletionAndManualPageOfferTheRoadsMethods) {
    std::vector<std::string> keys, keysAndCaptions;
    for (const pipeline::MethodName& method : pipeline::kMethods) {
        keys.push_back(method.key);
        keysAndCaptions.push_back(std::string(method.key) + " " + method.caption);
    }

    const std::string completion = FileText("assets/completion/yaopan-cast");
    std::smatch words;
    ASSERT_TRUE(std::regex_search(completion, words, std::regex(R"(--method\)\s*\n\s*COMPREPLY=.*-W '([^']*)')")));
    EXPECT_EQ(Matches(words[1].str(), std::regex(R"((\S+))")), keys);

    const std::string manual = FileText("docs/man/yaopan-cast.1");
    const auto from = manual.find(".BI \\-\\-method");
    ASSERT_NE(from, std::string::npos);
    const std::string item = manual.substr(from, manual.find(".TP", from) - from);
    EXPECT_EQ(Matches(item, std::regex(R"((\w+) " \(([^)]+)\))")), keysAndCaptions);
}

TEST(MethodList, CompletionAndManualPageOfferTheConventions) {
    const std::string completion = FileText("assets/completion/yaopan-cast");
    const std::string manual = FileText("docs/man/yaopan-cast.1");
    const struct {
        const char *option, *values;
    } rows[] = {{"--zi", "next-day split midnight"}, {"--pillar-boundary", "mixed day moment"},
                {"--year-number", "pillar lunar"}, {"--strength", "month season"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.option);
        std::smatch words;
        const std::string option = row.option;
        ASSERT_TRUE(std::regex_search(completion, words, std::regex(option + R"(\)\s*\n\s*COMPREPLY=.*-W '([^']*)')")));
        EXPECT_EQ(words[1].str(), row.values);
        EXPECT_NE(completion.find(" " + option + " "), std::string::npos);
        std::string manualValues = row.values, manualOption = option;
        std::replace(manualValues.begin(), manualValues.end(), ' ', '|');
        for (std::size_t at = 0; (at = manualOption.find('-', at)) != std::string::npos; at += 2) {
            manualOption.insert(at, "\\");
        }
        EXPECT_NE(manual.find(".BR " + manualOption + " \" " + manualValues + "\""), std::string::npos);
    }
}

}  // namespace
