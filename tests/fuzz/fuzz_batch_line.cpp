// One batch line of yaopan-cast from arbitrary bytes: whatever they are,
// the answer is one line holding a casting object or an error object.
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string_view>

#include "cli/batch.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const pipeline::LocalTime now = pipeline::LocalNow();
    const std::string answer = cli::AnswerBatchLine(std::string_view(reinterpret_cast<const char*>(data), size), now);
    if (answer.find('\n') != std::string::npos) std::abort();
    const auto object = nlohmann::json::parse(answer, nullptr, false);
    if (object.is_discarded() || !object.is_object()) std::abort();
    if (object.contains("error") == object.contains("report")) std::abort();
    if (object.contains("report") && object["report"].size() != 13) std::abort();
    return 0;
}
