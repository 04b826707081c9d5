#include "journal_export.h"

#include <ctime>
#include <string_view>
#include <nlohmann/json.hpp>
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

// A text cell: every text, as typed or as we wrote it. One a spreadsheet
// would take for a formula (=, +, -, @, or a tab or carriage return before
// one) is quoted with a ' before it, which spreadsheets read as "text".
// Numbers are written as numbers, a negative one too.
std::string CsvField(const std::string& text) {
    const bool formula = !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
    if (!formula && text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = formula ? "\"'" : "\"";
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

}  // namespace

std::string ToCsv(std::span<const JournalEntry> entries) {
    // Without the byte order mark spreadsheets read the Chinese as the
    // locale's code page.
    std::string csv = "\xEF\xBB\xBF";
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
    for (const JournalEntry& entry : entries) {
        nlohmann::ordered_json object;
        VisitExported(entry, [&](const char* column, const auto& value) {
            using Value = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<Value, std::optional<std::string>>)
                object[column] = value ? nlohmann::ordered_json(*value) : nlohmann::ordered_json(nullptr);
            else
                object[column] = value;
        });
        array.push_back(std::move(object));
    }
    return array.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

}  // namespace journal
