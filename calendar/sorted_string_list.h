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
    void Clear() {
        lines_.clear();
        heads_.clear();
    }

    std::size_t Count() const { return lines_.size(); }
    const Line& operator[](std::size_t index) const { return lines_.at(index); }
    auto begin() const { return lines_.begin(); }
    auto end() const { return lines_.end(); }

    // Position of the first line equal to `text`, ignoring case.
    std::optional<std::size_t> IndexOf(std::string_view text) const { return found(indexOf(text)); }
    // Position of the first line whose name, the text before its first "=",
    // equals `name` ignoring case. A line without "=" has no name.
    std::optional<std::size_t> IndexOfName(std::string_view name) const { return found(indexOfName(name)); }

    friend bool operator==(const SortedStringList& a, const SortedStringList& b) { return a.lines_ == b.lines_; }

private:
    // The lookups answer Count() for "none", turned into an optional where
    // the caller is compiled: an optional returned from another file comes
    // back through memory, written in parts and read whole, which stalls.
    std::size_t indexOf(std::string_view text) const;
    std::size_t indexOfName(std::string_view name) const;
    std::optional<std::size_t> found(std::size_t index) const {
        return index < Count() ? std::optional(index) : std::nullopt;
    }

    std::vector<Line> lines_;
    // The first eight bytes of each line as a number, at the line's index:
    // a search reads them side by side instead of following each line's
    // text. Every path that changes `lines_` changes this in step; copies
    // and moves carry both together.
    std::vector<std::uint64_t> heads_;
};

}  // namespace calendar
