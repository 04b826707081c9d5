// Reading the two text forms that cross the library boundary.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "guaku.h"

namespace guaku {

// Borrows a RefCountedString for the length of one call. The block's count
// goes up by one on construction and back down on destruction, unless it is
// the constant mark -1. The block belongs to the caller's allocator, so even
// a count that drops to zero (a caller that held no reference) is left alone.
class BorrowedText {
public:
    explicit BorrowedText(RefCountedString chars);
    ~BorrowedText();
    BorrowedText(const BorrowedText&) = delete;
    BorrowedText& operator=(const BorrowedText&) = delete;

    std::string_view view() const { return text_; }

private:
    char* countAt_ = nullptr;  // the block's count field while we hold a reference
    std::string_view text_;
};

// The library's own copy of a LengthPrefixedString: length byte n, then
// exactly n bytes; the caller's bytes are never read past n.
class LengthPrefixedCopy {
public:
    explicit LengthPrefixedCopy(LengthPrefixedString source);

    std::string_view view() const {
        return {reinterpret_cast<const char*>(buffer_.data() + 1), buffer_[0]};
    }

private:
    // Only the length byte and the bytes it counts are ever written or read.
    std::array<unsigned char, GUAKU_TEXT_BUFFER_SIZE> buffer_;
};

}  // namespace guaku
