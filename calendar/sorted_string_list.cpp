#include "calendar/sorted_string_list.h"

#include <algorithm>

namespace calendar {
namespace {

// The first line not ordered before `text`.
auto firstNotBefore(const std::vector<SortedStringList::Line>& lines, std::string_view text) {
    return std::ranges::lower_bound(
        lines, text, [](std::string_view a, std::string_view b) { return CompareText(a, b) < 0; },
        &SortedStringList::Line::text);
}

}  // namespace

void SortedStringList::Add(std::string text, std::int32_t value) {
    auto at = firstNotBefore(lines_, text);
    for (; at != lines_.end() && CompareText(at->text, text) == 0; ++at) {
        if (at->text == text) return;
    }
    lines_.insert(at, Line{std::move(text), value});
}

void SortedStringList::Delete(std::size_t index) {
    if (index < lines_.size()) lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(index));
}

std::optional<std::size_t> SortedStringList::IndexOf(std::string_view text) const {
    const auto at = firstNotBefore(lines_, text);
    if (at == lines_.end() || CompareText(at->text, text) != 0) return std::nullopt;
    return static_cast<std::size_t>(at - lines_.begin());
}

std::optional<std::size_t> SortedStringList::IndexOfName(std::string_view name) const {
    // Lines named `name` all begin with name + "=", so they sit together from
    // the first line not ordered before that prefix. A name holding "=" can
    // name no line.
    if (name.find('=') != std::string_view::npos) return std::nullopt;
    const std::string prefix = std::string(name) + '=';
    const auto at = firstNotBefore(lines_, prefix);
    if (at == lines_.end() || CompareText(std::string_view(at->text).substr(0, prefix.size()), prefix) != 0) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(at - lines_.begin());
}

}  // namespace calendar
