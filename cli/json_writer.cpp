#include "json_writer.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>

#include "text/gbk_tables.h"

namespace cli {

JsonWriter& JsonWriter::Open(char bracket) {
    Separate();
    Put(bracket);
    valueBefore_ = false;
    return *this;
}

JsonWriter& JsonWriter::Close(char bracket) {
    Put(bracket);
    valueBefore_ = true;
    return *this;
}

void JsonWriter::Separate() {
    if (valueBefore_) Put(',');
}

JsonWriter& JsonWriter::Key(std::string_view key) {
    Separate();
    char* out = Room(key.size() + 3);
    *out = '"';
    std::memcpy(out + 1, key.data(), key.size());
    out[key.size() + 1] = '"';
    out[key.size() + 2] = ':';
    Wrote(key.size() + 3);
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
    Put('"');
    char* start = Room(text::tables::MostUtf8Bytes(gbk));
    const std::string_view utf8(start, static_cast<std::size_t>(text::tables::WriteUtf8FromGbk(gbk, start) - start));
    if (PlainUpTo(utf8) < utf8.size()) {
        utf8_.assign(utf8);
        Escaped(utf8_);
    } else {
        Wrote(utf8.size());
    }
    Put('"');
    valueBefore_ = true;
    return *this;
}

JsonWriter& JsonWriter::Number(long long number) {
    Separate();
    char* out = Room(24);
    Wrote(static_cast<std::size_t>(std::to_chars(out, out + 24, number).ptr - out));
    valueBefore_ = true;
    return *this;
}

JsonWriter& JsonWriter::Real(double number) {
    Separate();
    char* out = Room(32);
    Wrote(static_cast<std::size_t>(std::to_chars(out, out + 32, number).ptr - out));
    valueBefore_ = true;
    return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
    Separate();
    Put(value ? "true" : "false");
    valueBefore_ = true;
    return *this;
}

JsonWriter& JsonWriter::Null() {
    Separate();
    Put("null");
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
    Put('"');
    Escaped(text);
    Put('"');
}

void JsonWriter::Escaped(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    // Runs that need no escape are copied whole.
    while (!text.empty()) {
        const std::size_t plain = PlainUpTo(text);
        Put(text.substr(0, plain));
        if (plain == text.size()) break;
        const auto byte = static_cast<unsigned char>(text[plain]);
        if (byte >= 0x20) {
            Put('\\');
            Put(static_cast<char>(byte));
        } else {
            const char escape[] = {'\\', 'u', '0', '0', kHex[byte >> 4], kHex[byte & 0xF]};
            Put(std::string_view(escape, sizeof escape));
        }
        text.remove_prefix(plain + 1);
    }
}

}  // namespace cli
