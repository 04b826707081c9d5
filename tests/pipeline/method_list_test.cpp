// The nine methods are listed once, in the road's table; the shell
// completion and the manual page must offer the same ones, in its order.
#include <gtest/gtest.h>

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

}  // namespace
