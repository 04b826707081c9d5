// The script yaopan-cast writes its Chinese texts in: Simplified, as the
// engines write them, or Traditional in Taiwan's or Hong Kong's forms.
// Every text the program made goes out through here; the person's own
// words (name, sex, age, question, place) go out as typed.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "message_language.h"
#include "pipeline/traditional_text.h"
#include "text/gbk_utf8.h"

namespace cli {

class OutputScript {
public:
    // Simplified.
    OutputScript() = default;
    explicit OutputScript(pipeline::TraditionalForm form) : form_(form) {}

    // A text the program made (GBK), UTF-8 in this script.
    std::string Text(std::string_view gbk) const {
        return form_ ? pipeline::TraditionalText(gbk, *form_) : text::Utf8FromGbk(gbk);
    }
    // The same for a text the program made that is UTF-8 already.
    std::string TextOfUtf8(std::string_view utf8) const;
    // Hands `take` each of the report's lines, UTF-8, the name on the first
    // as typed. Simplified, each line goes straight to `take`: a batch
    // writes ten thousand reports.
    template <typename Take>
    void EachReportLine(const std::vector<std::string>& report, std::string_view personName, Take&& take) const {
        if (!form_) {
            for (const std::string& line : report) take(text::Utf8FromGbk(line));
            return;
        }
        for (const std::string& line : pipeline::TraditionalReport(report, personName, *form_)) take(line);
    }
    // The texts a reading cites, from the data of this script: converting
    // the simplified ones would rewrite the classics' own characters.
    pipeline::TraditionalClassics Classics(const reading::Reading& reading) const;

private:
    std::optional<pipeline::TraditionalForm> form_;
};

// The script of what is printed under `language`: Traditional under the
// zh_TW catalog, in Hong Kong's forms for a Hong Kong or Macau locale;
// JSON, which scripts read, only when --lang asked for it. Where OpenCC
// cannot be loaded the texts stay Simplified and `warning` says why.
OutputScript ScriptOf(const MessageLanguage& language, bool json, std::string& warning);

}  // namespace cli
