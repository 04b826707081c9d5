#include "json_writer.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>

#include "text/gbk_tables.h"

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
    out_ += '"';
    out_ += key;
    out_.append("\":", 2);
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
    text::tables::AppendUtf8FromGbk(gbk, out_);
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
    // Eight bytes at a time while none is a control, a quote or a
    // backslash (a word's byte b is zero exactly when b ^ c is zero, and
    // under 0x20 exactly when b - 0x20 borrows from its high bit); answers
    // are long texts and seldom hold one.
    constexpr std::uint64_t kOnes = 0x0101010101010101, kHighs = kOnes * 0x80;
    const auto anyBelow = [](std::uint64_t word, std::uint64_t bound) { return (word - kOnes * bound) & ~word & kHighs; };
    std::size_t i = 0;
    for (std::uint64_t word; i + 8 <= text.size(); i += 8) {
        std::memcpy(&word, text.data() + i, 8);
        if (anyBelow(word, 0x20) | anyBelow(word ^ (kOnes * '"'), 1) | anyBelow(word ^ (kOnes * '\\'), 1)) break;
    }
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
