// JSON written straight into a string, for answers a batch writes by the
// ten thousand: no document is built and torn down for each, and a batch's
// answers all go into the one string it sends. Texts must be
// UTF-8; they are escaped, not checked.
#pragma once

#include <cstring>
#include <string>
#include <string_view>
#include <utility>

namespace cli {

class JsonWriter {
public:
    // Writes after `start`: a batch hands over the answers it has so far.
    explicit JsonWriter(std::string start = {}) : out_(std::move(start)), size_(out_.size()) {}
    // What the writer started from and what it wrote; the writer is left
    // empty.
    std::string Take() {
        out_.resize(size_);
        size_ = 0;
        return std::move(out_);
    }

    JsonWriter& BeginObject() { return Open('{'); }
    JsonWriter& EndObject() { return Close('}'); }
    JsonWriter& BeginArray() { return Open('['); }
    JsonWriter& EndArray() { return Close(']'); }
    // The key of the next value in an object: one of the program's own
    // names, written as it is (no key it writes holds a byte to escape).
    // A name written in the code is copied by its known length.
    template <std::size_t N>
    JsonWriter& Key(const char (&key)[N]) {
        return KeyOfLength(key, N - 1);
    }
    JsonWriter& Key(std::string_view key) { return KeyOfLength(key.data(), key.size()); }
    JsonWriter& String(std::string_view text);
    // A GBK text, written as UTF-8.
    JsonWriter& GbkString(std::string_view gbk);
    JsonWriter& Number(long long number);
    // The shortest text that reads back as `number`.
    JsonWriter& Real(double number);
    JsonWriter& Bool(bool value);
    JsonWriter& Null();

private:
    // Room for `n` more bytes, where they go; Wrote(n) counts them in. The
    // string only grows while the writer writes, so a byte costs a store,
    // not an append.
    char* Room(std::size_t n) {
        if (n > out_.size() - size_) [[unlikely]] Grow(n);
        return out_.data() + size_;
    }
    void Grow(std::size_t n);
    void Wrote(std::size_t n) { size_ += n; }
    // Where a value goes that is written at `out`: after the comma a member
    // or element after another needs. The comma is stored either way, one
    // store instead of a branch; where none is due, the value overwrites it.
    char* Separated(char* out) {
        *out = ',';
        return out + valueBefore_;
    }
    void Put(std::string_view text) {
        std::memcpy(Room(text.size()), text.data(), text.size());
        size_ += text.size();
    }

    JsonWriter& KeyOfLength(const char* key, std::size_t length) {
        char* out = Separated(Room(length + 4));
        *out = '"';
        std::memcpy(out + 1, key, length);
        out[length + 1] = '"';
        out[length + 2] = ':';
        size_ = static_cast<std::size_t>(out + length + 3 - out_.data());
        valueBefore_ = false;
        return *this;
    }
    JsonWriter& Open(char bracket);
    JsonWriter& Close(char bracket);
    // Writes the separator and `literal` (true, false, null).
    JsonWriter& Word(std::string_view literal);
    void Escaped(std::string_view text);  // without the quotes
    // The length of `text`'s start that needs no escape.
    static std::size_t PlainUpTo(std::string_view text);

    std::string out_;
    std::size_t size_;          // bytes of out_ written; past them is room
    bool valueBefore_ = false;  // a comma goes before the next member or element
};

}  // namespace cli
