// JSON written straight into a string, for answers a batch writes by the
// ten thousand: no document is built and torn down for each. Texts must be
// UTF-8; they are escaped, not checked.
#pragma once

#include <string>
#include <string_view>

namespace cli {

class JsonWriter {
public:
    JsonWriter& BeginObject() { return Open('{'); }
    JsonWriter& EndObject() { return Close('}'); }
    JsonWriter& BeginArray() { return Open('['); }
    JsonWriter& EndArray() { return Close(']'); }
    // The key of the next value in an object: one of the program's own
    // names, written as it is (no key it writes holds a byte to escape).
    JsonWriter& Key(std::string_view key);
    JsonWriter& String(std::string_view text);
    // A GBK text, written as UTF-8.
    JsonWriter& GbkString(std::string_view gbk);
    JsonWriter& Number(long long number);
    // The shortest text that reads back as `number`.
    JsonWriter& Real(double number);
    JsonWriter& Bool(bool value);
    JsonWriter& Null();

    const std::string& Text() const { return out_; }

private:
    JsonWriter& Open(char bracket);
    JsonWriter& Close(char bracket);
    void Separate();
    void Quoted(std::string_view text);
    void Escaped(std::string_view text);  // without the quotes
    // The length of `text`'s start that needs no escape.
    static std::size_t PlainUpTo(std::string_view text);

    std::string out_;
    std::string utf8_;  // a GBK text's UTF-8 that needs escaping, kept so each reuses its room
    bool valueBefore_ = false;  // a comma goes before the next member or element
};

}  // namespace cli
