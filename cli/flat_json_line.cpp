#include "flat_json_line.h"

#include <algorithm>
#include <charconv>

namespace cli {

FlatValue FlatValue::Bool(bool value) {
    FlatValue v;
    v.kind_ = Kind::Bool;
    v.boolean_ = value;
    return v;
}

FlatValue FlatValue::Integer(long long value, bool minus) {
    FlatValue v;
    v.kind_ = Kind::Integer;
    v.integer_ = value;
    v.minus_ = minus;
    return v;
}

FlatValue FlatValue::String(std::string_view utf8) {
    FlatValue v;
    v.kind_ = Kind::String;
    v.text_ = utf8;
    return v;
}

template <>
bool FlatValue::get<bool>() const { return boolean_; }
template <>
double FlatValue::get<double>() const { return static_cast<double>(integer_); }
template <>
long long FlatValue::get<long long>() const { return integer_; }
template <>
unsigned long long FlatValue::get<unsigned long long>() const { return static_cast<unsigned long long>(integer_); }
template <>
std::string FlatValue::get<std::string>() const { return std::string(text_); }

namespace {

// Digits past which a whole number might not fit a long long: the full
// parser takes those.
constexpr std::size_t kMostDigits = 18;

bool Within(unsigned char byte, unsigned char low, unsigned char high) { return byte >= low && byte <= high; }

// The length of the well-formed UTF-8 character that starts `text` (no
// overlong form, surrogate or value past U+10FFFF, as the full parser
// checks), or 0.
std::size_t Utf8Length(std::string_view text) {
    const auto byte = [&](std::size_t i) { return i < text.size() ? static_cast<unsigned char>(text[i]) : 0; };
    const unsigned char lead = byte(0);
    const auto continued = [&](std::size_t length, unsigned char low, unsigned char high) -> std::size_t {
        if (!Within(byte(1), low, high)) return 0;
        for (std::size_t i = 2; i < length; ++i) {
            if (!Within(byte(i), 0x80, 0xBF)) return 0;
        }
        return length;
    };
    if (Within(lead, 0xC2, 0xDF)) return continued(2, 0x80, 0xBF);
    if (lead == 0xE0) return continued(3, 0xA0, 0xBF);
    if (Within(lead, 0xE1, 0xEC) || Within(lead, 0xEE, 0xEF)) return continued(3, 0x80, 0xBF);
    if (lead == 0xED) return continued(3, 0x80, 0x9F);
    if (lead == 0xF0) return continued(4, 0x90, 0xBF);
    if (Within(lead, 0xF1, 0xF3)) return continued(4, 0x80, 0xBF);
    if (lead == 0xF4) return continued(4, 0x80, 0x8F);
    return 0;
}

class LineReader {
public:
    explicit LineReader(std::string_view line) : rest_(line) {}

    void SkipSpace() {
        while (!rest_.empty() && (rest_[0] == ' ' || rest_[0] == '\t' || rest_[0] == '\n' || rest_[0] == '\r')) {
            rest_.remove_prefix(1);
        }
    }
    bool Take(char c) {
        if (rest_.empty() || rest_[0] != c) return false;
        rest_.remove_prefix(1);
        return true;
    }
    bool AtEnd() const { return rest_.empty(); }

    // A string without escapes or controls, its quotes taken.
    std::optional<std::string_view> String() {
        if (!Take('"')) return std::nullopt;
        for (std::size_t i = 0; i < rest_.size();) {
            const auto byte = static_cast<unsigned char>(rest_[i]);
            if (byte == '"') {
                const std::string_view text = rest_.substr(0, i);
                rest_.remove_prefix(i + 1);
                return text;
            }
            if (byte == '\\' || byte < 0x20) return std::nullopt;
            if (byte < 0x80) {
                ++i;
            } else {
                const std::size_t length = Utf8Length(rest_.substr(i));
                if (length == 0) return std::nullopt;
                i += length;
            }
        }
        return std::nullopt;
    }

    std::optional<FlatValue> Value() {
        if (rest_.empty()) return std::nullopt;
        if (rest_[0] == '"') {
            const auto text = String();
            return text ? std::optional(FlatValue::String(*text)) : std::nullopt;
        }
        for (const auto& [word, value] : {std::pair{"true", FlatValue::Bool(true)}, std::pair{"false", FlatValue::Bool(false)},
                                          std::pair{"null", FlatValue::Null()}}) {
            if (rest_.starts_with(word)) {
                rest_.remove_prefix(std::char_traits<char>::length(word));
                return value;
            }
        }
        return Integer();
    }

private:
    // -?(0|[1-9][0-9]*), not followed by a fraction or an exponent.
    std::optional<FlatValue> Integer() {
        const std::size_t sign = rest_.starts_with('-') ? 1 : 0;
        std::size_t end = sign;
        while (end < rest_.size() && rest_[end] >= '0' && rest_[end] <= '9') ++end;
        const std::size_t digits = end - sign;
        if (digits == 0 || digits > kMostDigits || (digits > 1 && rest_[sign] == '0')) return std::nullopt;
        if (end < rest_.size() && (rest_[end] == '.' || rest_[end] == 'e' || rest_[end] == 'E')) return std::nullopt;
        long long value = 0;
        std::from_chars(rest_.data(), rest_.data() + end, value);
        rest_.remove_prefix(end);
        return FlatValue::Integer(value, sign == 1);
    }

    std::string_view rest_;
};

}  // namespace

std::optional<FlatObject> ReadFlatObject(std::string_view line) {
    LineReader reader(line);
    FlatObject object;
    reader.SkipSpace();
    if (!reader.Take('{')) return std::nullopt;
    reader.SkipSpace();
    if (!reader.Take('}')) {
        do {
            reader.SkipSpace();
            const auto key = reader.String();
            if (!key) return std::nullopt;
            // A key twice: the full parser keeps its first place and last value.
            if (std::any_of(object.members.begin(), object.members.end(),
                            [&](const FlatMember& m) { return m.key() == *key; })) {
                return std::nullopt;
            }
            reader.SkipSpace();
            if (!reader.Take(':')) return std::nullopt;
            reader.SkipSpace();
            const auto value = reader.Value();
            if (!value) return std::nullopt;
            object.members.emplace_back(*key, *value);
            reader.SkipSpace();
        } while (reader.Take(','));
        if (!reader.Take('}')) return std::nullopt;
    }
    reader.SkipSpace();
    if (!reader.AtEnd()) return std::nullopt;
    return object;
}

}  // namespace cli
