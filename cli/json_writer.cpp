#include "json_writer.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>

#include "text/gbk_tables.h"

namespace cli {

void JsonWriter::Grow(std::size_t n) {
    // An answer's length, about, at a time: the string's own capacity grows
    // by doubling, and the room is filled in once, not a batch's whole
    // buffer at each answer.
    out_.resize(size_ + std::max(n, std::size_t{4096}));
}

JsonWriter& JsonWriter::Open(char bracket) {
    char* out = Separated(Room(2));
    *out = bracket;
    size_ = static_cast<std::size_t>(out + 1 - out_.data());
    valueBefore_ = false;
    return *this;
}

JsonWriter& JsonWriter::Close(char bracket) {
    *Room(1) = bracket;
    Wrote(1);
    valueBefore_ = true;
    return *this;
}

JsonWriter& JsonWriter::String(std::string_view text) {
    char* out = Separated(Room(2));
    *out = '"';
    size_ = static_cast<std::size_t>(out + 1 - out_.data());
    Escaped(text);
    *Room(1) = '"';
    Wrote(1);
    valueBefore_ = true;
    return *this;
}

JsonWriter& JsonWriter::GbkString(std::string_view gbk) {
    // Converted in place. Only an ASCII character can need an escape, so a
    // text without one needs no second look; the others are looked at, and
    // the few that need it written again, escaped.
    char* out = Separated(Room(text::tables::MostUtf8Bytes(gbk) + 3));
    *out++ = '"';
    char* const start = out;
    bool heldAscii = false;
    out = text::tables::WriteUtf8FromGbk(gbk, start, &heldAscii);
    const std::string_view utf8(start, static_cast<std::size_t>(out - start));
    if (heldAscii && PlainUpTo(utf8) < utf8.size()) {
        const std::string escaped(utf8);
        size_ = static_cast<std::size_t>(start - out_.data());
        Escaped(escaped);
        out = Room(1);
    }
    *out = '"';
    size_ = static_cast<std::size_t>(out + 1 - out_.data());
    valueBefore_ = true;
    return *this;
}

JsonWriter& JsonWriter::Number(long long number) {
    char* out = Separated(Room(25));
    size_ = static_cast<std::size_t>(std::to_chars(out, out + 24, number).ptr - out_.data());
    valueBefore_ = true;
    return *this;
}

JsonWriter& JsonWriter::Real(double number) {
    char* out = Separated(Room(33));
    size_ = static_cast<std::size_t>(std::to_chars(out, out + 32, number).ptr - out_.data());
    valueBefore_ = true;
    return *this;
}

JsonWriter& JsonWriter::Word(std::string_view literal) {
    char* out = Separated(Room(literal.size() + 1));
    std::memcpy(out, literal.data(), literal.size());
    size_ = static_cast<std::size_t>(out + literal.size() - out_.data());
    valueBefore_ = true;
    return *this;
}

JsonWriter& JsonWriter::Bool(bool value) { return Word(value ? "true" : "false"); }

JsonWriter& JsonWriter::Null() { return Word("null"); }

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

void JsonWriter::Escaped(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    // Runs that need no escape are copied whole.
    while (!text.empty()) {
        const std::size_t plain = PlainUpTo(text);
        Put(text.substr(0, plain));
        if (plain == text.size()) break;
        const auto byte = static_cast<unsigned char>(text[plain]);
        if (byte >= 0x20) {
            const char escape[] = {'\\', static_cast<char>(byte)};
            Put(std::string_view(escape, sizeof escape));
        } else {
            const char escape[] = {'\\', 'u', '0', '0', kHex[byte >> 4], kHex[byte & 0xF]};
            Put(std::string_view(escape, sizeof escape));
        }
        text.remove_prefix(plain + 1);
    }
}

}  // namespace cli
