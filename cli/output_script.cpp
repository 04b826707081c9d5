#include "output_script.h"

#include <stdexcept>

#include "messages/catalog.h"

namespace cli {

std::string OutputScript::TextOfUtf8(std::string_view utf8) const {
    return form_ ? pipeline::TraditionalText(text::GbkFromUtf8(utf8), *form_) : std::string(utf8);
}

pipeline::TraditionalClassics OutputScript::Classics(const reading::Reading& reading) const {
    if (form_) return pipeline::TraditionalClassicsOf(reading);
    return {*reading.primary, *reading.changed, reading.movingStatement};
}

OutputScript ScriptOf(const MessageLanguage& language, bool json, std::string& warning) {
    if (language.catalog != "zh_TW" || (json && !language.given)) return {};
    const OutputScript script(language.locale == "zh_HK" || language.locale == "zh_MO"
                                  ? pipeline::TraditionalForm::HongKong
                                  : pipeline::TraditionalForm::Taiwan);
    // Loaded now, before anything is cast: a casting is never half printed.
    try {
        script.Text("");
    } catch (const std::runtime_error& error) {
        warning = messages::Formatted(messages::Translated("%s; the texts are printed in Simplified Chinese"), error.what());
        return {};
    }
    return script;
}

}  // namespace cli
