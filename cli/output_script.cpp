#include "output_script.h"

#include <stdexcept>

#include "messages/catalog.h"
#include "text/gbk_tables.h"
#include "text/gbk_utf8.h"

namespace cli {

std::string OutputScript::TraditionalOfUtf8(std::string_view utf8) const {
    return pipeline::TraditionalText(text::GbkFromUtf8(utf8), *form_);
}

void OutputScript::WriteReport(JsonWriter& json, const std::vector<std::string>& report,
                               std::string_view personName) const {
    if (!form_) {
        for (const std::string& line : report) json.GbkString(line);
        return;
    }
    for (const std::string& line : pipeline::TraditionalReport(report, personName, *form_)) json.String(line);
}

std::string OutputScript::ReportText(const std::vector<std::string>& report, std::string_view personName) const {
    std::string text;
    if (!form_) {
        for (const std::string& line : report) {
            text::tables::AppendUtf8FromGbk(line, text);
            text += '\n';
        }
        return text;
    }
    for (const std::string& line : pipeline::TraditionalReport(report, personName, *form_)) text.append(line) += '\n';
    return text;
}

pipeline::TraditionalClassics OutputScript::Classics(const reading::Reading& reading) const {
    if (form_) return pipeline::TraditionalClassicsOf(reading);
    return {*reading.primary, *reading.changed, reading.movingStatement};
}

OutputScript ScriptOf(const MessageLanguage& language, bool json, std::string& warning) {
    if (language.catalog != "zh_TW" || (json && !language.given)) return {};
    const pipeline::TraditionalForm form = language.locale == "zh_HK" || language.locale == "zh_MO"
                                               ? pipeline::TraditionalForm::HongKong
                                               : pipeline::TraditionalForm::Taiwan;
    // Loaded now, before anything is cast: a casting is never half printed.
    try {
        pipeline::TraditionalText("", form);
    } catch (const std::runtime_error& error) {
        warning = messages::Formatted(messages::Translated("%s; the texts are printed in Simplified Chinese"), error.what());
        return {};
    }
    return OutputScript(form);
}

}  // namespace cli
