#include "json_writer.h"

#include <array>
#include <charconv>

#include "text/gbk_utf8.h"

namespace cli {

JsonWriter& JsonWriter::Open(char bracket) {
    Separate();
    out_ += bracket;
    valueBefore_ = false;
    return *this;
}

JsonWriter& JsonWriter::Close(char bracket) {
    out_ += bracket;
    valueBefore_ = true;
    return *this;
}

void JsonWriter::Separate() {
    if (valueBefore_) out_ += ',';
}

JsonWriter& JsonWriter::Key(std::string_view key) {
    Separate();
    Quoted(key);
    out_ += ':';
    valueBefore_ = false;
    return *this;
}

JsonWriter& JsonWriter::String(std::string_view text) {
    Separate();
    Quoted(text);
    valueBefore_ = true;
    return *this;
}

JsonWriter& JsonWriter::GbkString(std::string_view gbk) {
    // Converted in place; the few texts that hold a byte to escape are
    // written again, escaped.
    Separate();
    out_ += '"';
    const std::size_t start = out_.size();
    text::AppendUtf8FromGbk(gbk, out_);
    if (PlainUpTo(std::string_view(out_).substr(start)) < out_.size() - start) {
        utf8_.assign(out_, start);
        out_.resize(start);
        Escaped(utf8_);
    }
    out_ += '"';
    valueBefore_ = true;
    return *this;
}

JsonWriter& JsonWriter::Number(long long number) {
    Separate();
    char text[24];
    out_.append(text, std::to_chars(text, text + sizeof text, number).ptr);
    valueBefore_ = true;
    return *this;
}

JsonWriter& JsonWriter::Real(double number) {
    Separate();
    char text[32];
    out_.append(text, std::to_chars(text, text + sizeof text, number).ptr);
    valueBefore_ = true;
    return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
    Separate();
    out_ += value ? "true" : "false";
    valueBefore_ = true;
    return *this;
}

JsonWriter& JsonWriter::Null() {
    Separate();
    out_ += "null";
    valueBefore_ = true;
    return *this;
}

namespace {

// The bytes JSON escapes: the controls, the quote and the backslash.
constexpr auto kToEscape = [] {
    std::array<bool, 256> escaped{};
    for (int byte = 0; byte < 0x20; ++byte) escaped[byte] = true;
    escaped['"'] = escaped['\\'] = true;
    return escaped;
}();

}  // namespace

std::size_t JsonWriter::PlainUpTo(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && !kToEscape[static_cast<unsigned char>(text[i])]) ++i;
    return i;
}

void JsonWriter::Quoted(std::string_view text) {
    out_ += '"';
    Escaped(text);
    out_ += '"';
}

void JsonWriter::Escaped(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    // Runs that need no escape are copied whole.
    while (!text.empty()) {
        const std::size_t plain = PlainUpTo(text);
        out_.append(text.substr(0, plain));
        if (plain == text.size()) break;
        const auto byte = static_cast<unsigned char>(text[plain]);
        if (byte >= 0x20) {
            out_ += '\\';
            out_ += static_cast<char>(byte);
        } else {
            const char escape[] = {'\\', 'u', '0', '0', kHex[byte >> 4], kHex[byte & 0xF]};
            out_.append(escape, sizeof escape);
        }
        text.remove_prefix(plain + 1);
    }
}

}  // namespace cli
