#include "journal_export.h"

#include <ctime>
#include <nlohmann/json.hpp>
#include <ostream>
#include <type_traits>

#include "journal_fields.h"

namespace journal {

namespace {

std::string IsoUtc(std::int64_t seconds) {
    const auto time = static_cast<std::time_t>(seconds);
    std::tm utc{};
    gmtime_r(&time, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

// Calls `visit(column, value)` for the id and every stored field, with the
// time of casting as text and the other numbers as numbers.
template <class Visit>
void VisitExported(const JournalEntry& entry, Visit&& visit) {
    visit("id", entry.id);
    VisitFields(entry, [&](const char* column, const auto& field) {
        if constexpr (std::is_same_v<std::decay_t<decltype(field)>, std::int64_t>)
            if (&field == &entry.castAt) return visit(column, IsoUtc(field));
        visit(column, field);
    });
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

template <class Value>
std::string CsvText(const Value& value) {
    if constexpr (std::is_arithmetic_v<Value>)
        return std::to_string(value);
    else if constexpr (std::is_same_v<Value, std::string>)
        return CsvField(value);
    else
        return value ? CsvField(*value) : std::string();
}

nlohmann::ordered_json JsonObject(const JournalEntry& entry) {
    nlohmann::ordered_json object;
    VisitExported(entry, [&](const char* column, const auto& value) {
        using Value = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<Value, std::optional<std::string>>)
            object[column] = value ? nlohmann::ordered_json(*value) : nlohmann::ordered_json(nullptr);
        else
            object[column] = value;
    });
    return object;
}

std::string Dumped(const nlohmann::ordered_json& json) {
    return json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

}  // namespace

std::string ToCsv(std::span<const JournalEntry> entries) {
    std::string csv;
    const auto endRow = [&] {
        csv.back() = '\r';  // the comma after the last field
        csv += '\n';
    };
    VisitExported(JournalEntry(), [&](const char* column, const auto&) { (csv += column) += ','; });
    endRow();
    for (const JournalEntry& entry : entries) {
        VisitExported(entry, [&](const char*, const auto& value) { (csv += CsvText(value)) += ','; });
        endRow();
    }
    return csv;
}

std::string ToJson(std::span<const JournalEntry> entries) {
    nlohmann::ordered_json array = nlohmann::ordered_json::array();
    for (const JournalEntry& entry : entries) array.push_back(JsonObject(entry));
    return Dumped(array);
}

void JsonArrayWriter::Add(const JournalEntry& entry) {
    // The array's dump indents each element one step, two spaces, further
    // than the element's own dump: after every line break, as a string's
    // line breaks are escaped.
    out_ << (empty_ ? "[\n  " : ",\n  ");
    empty_ = false;
    const std::string object = Dumped(JsonObject(entry));
    std::size_t from = 0;
    for (std::size_t end; (end = object.find('\n', from)) != std::string::npos; from = end + 1)
        out_.write(object.data() + from, static_cast<std::streamsize>(end + 1 - from)) << "  ";
    out_.write(object.data() + from, static_cast<std::streamsize>(object.size() - from));
}

void JsonArrayWriter::Close() { out_ << (empty_ ? "[]" : "\n]"); }

}  // namespace journal
