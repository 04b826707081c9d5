// A batch line of the common shape read without building a document: one
// object whose values are strings without escapes, whole numbers, true,
// false or null. Anything else (an escape, a fraction, nesting, a key
// twice, bytes that are no UTF-8, a stray character) is left to the full
// parser, which alone says what is wrong with a line; the two read every
// line they both take alike.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// A value of the common shape, asked as the full parser's values are (the
// same names), so that the batch reads either with the same code.
class FlatValue {
public:
    enum class Kind { Null, Bool, Integer, String };

    static FlatValue Null() { return {}; }
    static FlatValue Bool(bool value);
    // Unsigned as the full parser has it: written without a minus, so -0
    // is not.
    static FlatValue Integer(long long value, bool minus);
    static FlatValue String(std::string_view utf8);

    bool is_null() const { return kind_ == Kind::Null; }
    bool is_boolean() const { return kind_ == Kind::Bool; }
    bool is_number() const { return kind_ == Kind::Integer; }
    bool is_number_integer() const { return kind_ == Kind::Integer; }
    bool is_number_unsigned() const { return kind_ == Kind::Integer && !minus_; }
    bool is_string() const { return kind_ == Kind::String; }
    // bool, double, long long, unsigned long long or std::string, as the
    // value's kind holds.
    template <class T>
    T get() const;
    // A whole number's text.
    std::string dump() const { return std::to_string(integer_); }

private:
    Kind kind_ = Kind::Null;
    bool boolean_ = false;
    long long integer_ = 0;
    bool minus_ = false;
    std::string_view text_;  // within the line read
};

class FlatMember {
public:
    FlatMember(std::string_view key, FlatValue value) : key_(key), value_(value) {}
    const std::string& key() const { return key_; }
    const FlatValue& value() const { return value_; }

private:
    std::string key_;
    FlatValue value_;
};

struct FlatObject {
    std::vector<FlatMember> members;  // in the line's order
    const std::vector<FlatMember>& items() const { return members; }
};

// The line's object when it has the common shape; its values' texts are
// views into `line`. Nothing for any other line, valid JSON or not.
std::optional<FlatObject> ReadFlatObject(std::string_view line);

}  // namespace cli
