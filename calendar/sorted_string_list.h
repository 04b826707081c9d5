// A list of GBK text lines kept in case-insensitive order, each with a signed
// 32-bit value beside it (a colour or a mark for the festival lists).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/gbk_text.h"

namespace calendar {

class SortedStringList {
public:
    struct Line {
        std::string text;
        std::int32_t value = 0;

        friend bool operator==(const Line&, const Line&) = default;
    };

    // Puts `text` in its place with `value` beside it, after any lines that
    // differ from it only in case. A line equal to one already held, byte for
    // byte, is ignored and the held line keeps its value.
    void Add(std::string text, std::int32_t value = 0);
    // Removes the line at `index`; an index past the end changes nothing.
    void Delete(std::size_t index);
    void Clear() { lines_.clear(); }

    std::size_t Count() const { return lines_.size(); }
    const Line& operator[](std::size_t index) const { return lines_.at(index); }
    auto begin() const { return lines_.begin(); }
    auto end() const { return lines_.end(); }

    // Position of the first line equal to `text`, ignoring case.
    std::optional<std::size_t> IndexOf(std::string_view text) const;
    // Position of the first line whose name, the text before its first "=",
    // equals `name` ignoring case. A line without "=" has no name.
    std::optional<std::size_t> IndexOfName(std::string_view name) const;

    friend bool operator==(const SortedStringList&, const SortedStringList&) = default;

private:
    std::vector<Line> lines_;
};

}  // namespace calendar
