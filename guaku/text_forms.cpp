#include "text_forms.h"

#include <atomic>
#include <cstring>

namespace guaku {
namespace {

constexpr int32_t kConstantBlock = -1;
constexpr std::ptrdiff_t kCountOffset = -8;
constexpr std::ptrdiff_t kLengthOffset = -4;

int32_t readInt32(const char* at) {
    int32_t value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

// Runtimes that share blocks between threads count them atomically, and so
// do we when the field is aligned, as every real runtime's blocks are.
void addToCount(char* at, int32_t delta) {
    if (reinterpret_cast<std::uintptr_t>(at) % alignof(int32_t) == 0) {
        std::atomic_ref<int32_t>(*reinterpret_cast<int32_t*>(at)).fetch_add(delta);
        return;
    }
    const int32_t value = readInt32(at) + delta;
    std::memcpy(at, &value, sizeof value);
}

bool isConstant(const char* at) {
    if (reinterpret_cast<std::uintptr_t>(at) % alignof(int32_t) == 0) {
        // A constant's count never changes; a live one may change under us.
        return std::atomic_ref<int32_t>(*reinterpret_cast<int32_t*>(const_cast<char*>(at)))
                   .load(std::memory_order_relaxed) == kConstantBlock;
    }
    return readInt32(at) == kConstantBlock;
}

}  // namespace

BorrowedText::BorrowedText(RefCountedString chars) {
    if (chars == nullptr) return;
    const int32_t length = readInt32(chars + kLengthOffset);
    if (length > 0) text_ = {chars, static_cast<std::size_t>(length)};
    if (!isConstant(chars + kCountOffset)) {
        // A block whose count is live is the caller's mutable heap block.
        countAt_ = const_cast<char*>(chars + kCountOffset);
        addToCount(countAt_, +1);
    }
}

BorrowedText::~BorrowedText() {
    if (countAt_ != nullptr) addToCount(countAt_, -1);
}

LengthPrefixedCopy::LengthPrefixedCopy(LengthPrefixedString source) {
    if (source == nullptr) {
        buffer_[0] = 0;
        return;
    }
    std::memcpy(buffer_.data(), source, std::size_t{source[0]} + 1);
}

}  // namespace guaku
