// Turning fuzzer bytes into the library's text forms, each in a heap block
// of exactly its own size so AddressSanitizer sees any read past its end.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "guaku.h"

namespace guaku_fuzz {

// Reads fixed-size values and texts off the front of the fuzzer's input.
class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    template <typename T>
    T take() {
        T value{};
        const size_t n = size_ < sizeof value ? size_ : sizeof value;
        std::memcpy(&value, data_, n);
        advance(n);
        return value;
    }

    std::vector<uint8_t> takeBytes(size_t wanted) {
        const size_t n = size_ < wanted ? size_ : wanted;
        std::vector<uint8_t> bytes(data_, data_ + n);
        advance(n);
        return bytes;
    }

    std::vector<uint8_t> rest() { return takeBytes(size_); }

private:
    void advance(size_t n) {
        data_ += n;
        size_ -= n;
    }

    const uint8_t* data_;
    size_t size_;
};

// A RefCountedString block: count (a live count or the constant mark), a
// length field that is the true length or, when `brokenLength` is
// negative, that negative value, then the bytes and a 0.
class FuzzTextBlock {
public:
    FuzzTextBlock(const std::vector<uint8_t>& text, bool constant, int32_t brokenLength)
        : size_(8 + text.size() + 1), block_(static_cast<char*>(std::malloc(size_))) {
        const int32_t count = constant ? -1 : 1;
        const int32_t length = brokenLength < 0 ? brokenLength : static_cast<int32_t>(text.size());
        std::memcpy(block_.get(), &count, 4);
        std::memcpy(block_.get() + 4, &length, 4);
        if (!text.empty()) std::memcpy(block_.get() + 8, text.data(), text.size());
        block_.get()[8 + text.size()] = 0;
        snapshot_.assign(block_.get(), block_.get() + size_);
    }

    RefCountedString chars() const { return block_.get() + 8; }

    // The call must leave the block as it found it, count included.
    void checkUnchanged() const {
        if (std::memcmp(snapshot_.data(), block_.get(), size_) != 0) std::abort();
    }

private:
    struct Free {
        void operator()(char* p) const { std::free(p); }
    };
    size_t size_;
    std::unique_ptr<char, Free> block_;
    std::vector<char> snapshot_;
};

inline FuzzTextBlock takeTextBlock(FuzzInput& input) {
    const uint8_t flags = input.take<uint8_t>();
    const int32_t broken = (flags & 2) ? -1 - (flags >> 2) : 0;
    return FuzzTextBlock(input.rest(), flags & 1, broken);
}

// A LengthPrefixedString whose heap block holds exactly n + 1 bytes.
inline std::vector<uint8_t> takeLengthPrefixed(FuzzInput& input) {
    const uint8_t wanted = input.take<uint8_t>();
    std::vector<uint8_t> text = input.takeBytes(wanted);
    text.insert(text.begin(), static_cast<uint8_t>(text.size()));
    text.shrink_to_fit();
    return text;
}

}  // namespace guaku_fuzz
