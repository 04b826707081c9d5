// The script yaopan-cast writes its Chinese texts in: Simplified, as the
// engines write them, or Traditional in Taiwan's or Hong Kong's forms.
// Every text the program made goes out through here; the person's own
// words (name, sex, age, question, place) go out as typed.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "json_writer.h"
#include "message_language.h"
#include "pipeline/traditional_text.h"

namespace cli {

class OutputScript {
public:
    // Simplified.
    OutputScript() = default;
    explicit OutputScript(pipeline::TraditionalForm form) : form_(form) {}

    // A text the program made (GBK), as a string of `json` in this script.
    // Simplified, it is converted straight into the writer's buffer: a
    // batch writes hundreds of these a line.
    JsonWriter& String(JsonWriter& json, std::string_view gbk) const {
        return form_ ? json.String(pipeline::TraditionalText(gbk, *form_)) : json.GbkString(gbk);
    }
    // The member `key` of `json`'s object, a text the program made (GBK).
    template <std::size_t N>
    JsonWriter& Member(JsonWriter& json, const char (&key)[N], std::string_view gbk) const {
        return String(json.Key(key), gbk);
    }
    // A text the program made that is UTF-8 already, as a string of `json`.
    JsonWriter& StringOfUtf8(JsonWriter& json, std::string_view utf8) const {
        return form_ ? json.String(TraditionalOfUtf8(utf8)) : json.String(utf8);
    }
    // A UTF-8 text the program made, written to `out` in this script.
    std::ostream& Put(std::ostream& out, std::string_view utf8) const {
        return form_ ? out << TraditionalOfUtf8(utf8) : out << utf8;
    }

    // The report's lines (GBK), the name on the first as typed: as the
    // strings of `json`'s array, or as text, each ended by a newline.
    void WriteReport(JsonWriter& json, const std::vector<std::string>& report, std::string_view personName) const;
    std::string ReportText(const std::vector<std::string>& report, std::string_view personName) const;

    // The texts a reading cites, from the data of this script: converting
    // the simplified ones would rewrite the classics' own characters.
    pipeline::TraditionalClassics Classics(const reading::Reading& reading) const;

private:
    std::string TraditionalOfUtf8(std::string_view utf8) const;

    std::optional<pipeline::TraditionalForm> form_;
};

// The script of what is printed under `language`: Traditional under the
// zh_TW catalog, in Hong Kong's forms for a Hong Kong or Macau locale;
// JSON, which scripts read, only when --lang asked for it. Where OpenCC
// cannot be loaded the texts stay Simplified and `warning` says why.
OutputScript ScriptOf(const MessageLanguage& language, bool json, std::string& warning);

}  // namespace cli
