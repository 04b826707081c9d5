#include "journal_export.h"

#include <charconv>
#include <cstdio>
#include <ctime>
#include <nlohmann/json.hpp>
#include <ostream>
#include <sstream>
#include <string_view>
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
// The shortest text that reads back as `number`.
std::string RealText(double number) {
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, number).ptr);
}

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
    else if constexpr (std::is_same_v<Value, std::optional<double>>)
        return value ? RealText(*value) : std::string();
    else
        return value ? CsvField(*value) : std::string();
}

// The length of the character whose bytes start `bytes` (the first at
// least 0x80), or 0 where the library's decoder would find no UTF-8: a
// sequence cut short, an overlong form, a surrogate, past U+10FFFF.
std::size_t Utf8Length(const unsigned char* bytes, std::size_t available) {
    const unsigned char lead = bytes[0];
    // The second byte's range narrows after E0, ED, F0 and F4.
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : low;
        high = lead == 0xED ? 0x9F : high;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : low;
        high = lead == 0xF4 ? 0x8F : high;
    } else {
        return 0;
    }
    if (available < length || bytes[1] < low || bytes[1] > high) return 0;
    for (std::size_t k = 2; k < length; ++k)
        if ((bytes[k] & 0xC0) != 0x80) return 0;
    return length;
}

// A JSON string as ToJson's dump writes it. UTF-8 text is copied in one
// pass, only what JSON must escape escaped: a fraction of the library's work
// per byte. Text that is not UTF-8 is left to the library, which replaces
// what is not.
void AppendString(std::string& json, std::string_view text) {
    const std::size_t start = json.size();
    json += '"';
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    std::size_t copied = 0;
    for (std::size_t i = 0, size = text.size(); i < size;) {
        const unsigned char byte = bytes[i];
        if (byte >= 0x80) {
            const std::size_t length = Utf8Length(bytes + i, size - i);
            if (length == 0) {
                json.resize(start);
                json += nlohmann::ordered_json(text).dump(-1, ' ', false,
                                                          nlohmann::ordered_json::error_handler_t::replace);
                return;
            }
            i += length;
            continue;
        }
        if (byte >= 0x20 && byte != '"' && byte != '\\') {
            ++i;
            continue;
        }
        json.append(text.substr(copied, i - copied));
        copied = ++i;
        switch (byte) {
            case '"': json += "\\\""; break;
            case '\\': json += "\\\\"; break;
            case '\b': json += "\\b"; break;
            case '\f': json += "\\f"; break;
            case '\n': json += "\\n"; break;
            case '\r': json += "\\r"; break;
            case '\t': json += "\\t"; break;
            default: {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
                json += escaped;
            }
        }
    }
    json.append(text.substr(copied));
    json += '"';
}

template <class Value>
void AppendValue(std::string& json, const Value& value) {
    if constexpr (std::is_arithmetic_v<Value>)
        json += std::to_string(value);
    else if constexpr (std::is_same_v<Value, std::string>)
        AppendString(json, value);
    else if (!value)
        json += "null";
    else if constexpr (std::is_same_v<Value, std::optional<double>>)
        json += RealText(*value);
    else
        AppendString(json, *value);
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
    std::ostringstream json;
    JsonArrayWriter array(json);
    for (const JournalEntry& entry : entries) array.Add(entry);
    array.Close();
    return std::move(json).str();
}

void JsonArrayWriter::Add(const JournalEntry& entry) {
    // The layout of the JSON library's dump with an indent of two, which
    // the export has always had: each element, and each of its members on a
    // line of its own, indented two spaces a level.
    buffer_ += empty_ ? "[\n  {" : ",\n  {";
    empty_ = false;
    const char* before = "\n    \"";
    VisitExported(entry, [&](const char* column, const auto& value) {
        ((buffer_ += before) += column) += "\": ";
        AppendValue(buffer_, value);
        before = ",\n    \"";
    });
    buffer_ += "\n  }";
    // Written some elements at a time: a stream writes a piece larger than
    // its own buffer with a system call of its own.
    if (buffer_.size() >= kWriteBytes) Write();
}

void JsonArrayWriter::Close() {
    buffer_ += empty_ ? "[]" : "\n]";
    Write();
}

void JsonArrayWriter::Write() {
    out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    buffer_.clear();
}

}  // namespace journal
