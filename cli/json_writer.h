// JSON written straight into a string, for answers a batch writes by the
// ten thousand: no document is built and torn down for each. Texts must be
// UTF-8; they are escaped, not checked.
#pragma once

#include <algorithm>
#include <cstring>
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

    std::string Text() const { return std::string(buffer_.data(), size_); }

private:
    // Room for `n` more bytes, where they go; Wrote(n) counts them in. The
    // buffer only grows, so a byte costs a store, not a string's append.
    char* Room(std::size_t n) {
        if (size_ + n > buffer_.size()) buffer_.resize(std::max(2 * buffer_.size(), size_ + n));
        return buffer_.data() + size_;
    }
    void Wrote(std::size_t n) { size_ += n; }
    void Put(char c) {
        *Room(1) = c;
        ++size_;
    }
    void Put(std::string_view text) {
        std::memcpy(Room(text.size()), text.data(), text.size());
        size_ += text.size();
    }

    JsonWriter& Open(char bracket);
    JsonWriter& Close(char bracket);
    void Separate();
    void Quoted(std::string_view text);
    void Escaped(std::string_view text);  // without the quotes
    // The length of `text`'s start that needs no escape.
    static std::size_t PlainUpTo(std::string_view text);

    std::string buffer_ = std::string(4096, '\0');  // a batch answer's length, about
    std::size_t size_ = 0;                          // bytes of the buffer written
    std::string utf8_;  // a GBK text's UTF-8 that needs escaping, kept so each reuses its room
    bool valueBefore_ = false;  // a comma goes before the next member or element
};

}  // namespace cli
