// Whole-text lookups in the library's constant tables.
#pragma once

#include <functional>
#include <string_view>

namespace guaku {

// Position of the first entry whose key text equals `text` byte for byte
// (same length, same bytes), or -1. `key` picks the text of a struct entry.
template <typename Entry, std::size_t N, typename Key = std::identity>
int positionOf(const Entry (&table)[N], std::string_view text, Key key = {}) {
    for (std::size_t i = 0; i < N; ++i) {
        if (std::string_view(std::invoke(key, table[i])) == text) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace guaku
