#include "json_writer.h"

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
    utf8_.clear();
    text::AppendUtf8FromGbk(gbk, utf8_);
    return String(utf8_);
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

void JsonWriter::Quoted(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    out_ += '"';
    // Runs that need no escape are copied whole.
    std::size_t plain = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x20 && byte != '"' && byte != '\\') continue;
        out_.append(text, plain, i - plain);
        plain = i + 1;
        if (byte >= 0x20) {
            out_ += '\\';
            out_ += text[i];
        } else {
            out_ += "\\u00";
            out_ += kHex[byte >> 4];
            out_ += kHex[byte & 0xF];
        }
    }
    out_.append(text, plain);
    out_ += '"';
}

}  // namespace cli
