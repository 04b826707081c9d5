#include "batch.h"

#include <climits>
#include <istream>
#include <limits>
#include <nlohmann/json.hpp>
#include <ostream>
#include <utility>
#include <vector>

#include "cast_output.h"
#include "flat_json_line.h"
#include "messages/catalog.h"
#include "pipeline/casting_road.h"

namespace cli {
namespace {

using json = nlohmann::ordered_json;
using messages::Formatted;
using messages::Translated;
using pipeline::CastRequest;
using pipeline::kNumberFields;
using pipeline::kTextFields;

// Fills `request` from the line's keys, of the full parser's document or
// of the common shape read alone; the message of the first key it cannot
// take, or nothing.
template <class Object>
std::optional<std::string> ReadKeys(const Object& object, CastRequest& request) {
    for (const auto& item : object.items()) {
        const std::string& key = item.key();
        const auto& value = item.value();
        if (value.is_null()) continue;  // as if the key were absent
        if (key == "true_solar_time" || key == "summer_time") {
            if (!value.is_boolean()) return Formatted(Translated("%s must be true or false"), key.c_str());
            (key == "true_solar_time" ? request.trueSolarTime : request.summerTime) = value.template get<bool>();
            continue;
        }
        if (key == "longitude") {
            if (!value.is_number()) return Formatted(Translated("%s must be a number"), key.c_str());
            request.longitude = value.template get<double>();
            continue;
        }
        const auto text =
            std::find_if(kTextFields.begin(), kTextFields.end(), [&](const pipeline::TextField& f) { return key == f.key; });
        if (text != kTextFields.end()) {
            // A number is taken as the text it is written as: an age or a number to cast.
            if (value.is_string()) {
                request.*text->value = value.template get<std::string>();
            } else if (value.is_number_integer()) {
                request.*text->value = value.dump();
            } else {
                return Formatted(Translated("%s must be a string"), key.c_str());
            }
            continue;
        }
        const auto number = std::find_if(kNumberFields.begin(), kNumberFields.end(),
                                         [&](const pipeline::NumberField& f) { return key == f.key; });
        if (number == kNumberFields.end()) return Formatted(Translated("unknown key '%s'"), key.c_str());
        if (!value.is_number_integer()) return Formatted(Translated("%s must be a whole number"), key.c_str());
        if (value.is_number_unsigned() && value.template get<unsigned long long>() > LLONG_MAX) {
            return Formatted(Translated("%s is out of range"), key.c_str());
        }
        request.*number->value = value.template get<long long>();
    }
    return std::nullopt;
}

}  // namespace

std::string AnswerBatchLine(std::string_view line, const pipeline::LocalTime& now, const OutputScript& script,
                            std::string before) {
    CastRequest request;
    // Most lines are read without a document; the parser takes the rest.
    if (const std::optional<FlatObject> flat = ReadFlatObject(line)) {
        if (auto error = ReadKeys(*flat, request)) return ErrorJson(*error, std::move(before));
    } else {
        const json object = json::parse(line, nullptr, false);
        if (object.is_discarded() || !object.is_object()) {
            return ErrorJson(Translated("the line is no JSON object"), std::move(before));
        }
        if (auto error = ReadKeys(object, request)) return ErrorJson(*error, std::move(before));
    }
    auto cast = pipeline::CastRequested(request, now);
    if (auto* refusal = std::get_if<pipeline::Refusal>(&cast)) return ErrorJson(refusal->message, std::move(before));
    const pipeline::CastDone& done = std::get<pipeline::CastDone>(cast);
    return CastingJson(done.casting, done.values, script, std::move(before));
}

bool RunBatch(std::istream& in, std::ostream& out, const OutputScript& script) {
    // Answers go out in large writes, and whenever reading on would wait,
    // so a program that feeds one line at a time gets each answer at once.
    constexpr std::size_t kWriteSize = 1 << 16;
    std::string answers;
    const auto writeAnswers = [&] {
        out.write(answers.data(), static_cast<std::streamsize>(answers.size())).flush();
        answers.clear();
        return static_cast<bool>(out);
    };
    // The longest line and the null getline ends it with; a longer line
    // stops getline with the buffer full.
    std::vector<char> line(kMaxBatchLineBytes + 1);
    // Casting on for a reader that is gone would only burn the rest of the
    // input: a failed write ends the batch.
    while (out) {
        in.getline(line.data(), static_cast<std::streamsize>(line.size()));
        if (in.bad() || (in.fail() && in.gcount() == 0)) break;  // a failure, or the end of the input
        if (in.fail()) {
            // Its rest may be long to read, or fail: the answers before it
            // go out first.
            if (!writeAnswers()) break;
            in.clear();
            in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
            answers = ErrorJson(Formatted(Translated("line longer than %zu bytes"), kMaxBatchLineBytes),
                                std::move(answers));
        } else {
            // The count holds the newline unless the input ended first.
            const auto length = static_cast<std::size_t>(in.gcount()) - (in.eof() ? 0 : 1);
            answers = AnswerBatchLine(std::string_view(line.data(), length), pipeline::LocalNow(), script,
                                      std::move(answers));
        }
        answers += '\n';
        if (answers.size() >= kWriteSize || in.rdbuf()->in_avail() <= 0) writeAnswers();
    }
    writeAnswers();
    return !in.bad();
}

}  // namespace cli
