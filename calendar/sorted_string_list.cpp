#include "calendar/sorted_string_list.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace calendar {
namespace {

using Lines = std::vector<SortedStringList::Line>;

// The first eight bytes of `text` as one number that orders as they do,
// zeros past its end. Where two such numbers differ they order their texts
// as bytes do: the first difference is a byte of both, or the end of the
// shorter against a byte that is not zero.
std::uint64_t leadingBytes(std::string_view text) {
    std::uint64_t number = 0;
    if (text.size() >= sizeof number) {
        std::memcpy(&number, text.data(), sizeof number);  // one load
    } else {
        std::copy(text.begin(), text.end(), reinterpret_cast<char*>(&number));
    }
    return std::endian::native == std::endian::big ? number : __builtin_bswap64(number);
}

// A text looked up among the lines. Folding moves only the letters A-Z, and
// upwards: against a text whose bytes all lie below 'A' (no letters, no
// two-byte characters) it never changes which side is greater nor makes
// unequal bytes equal, so plain byte order gives CompareText's answers for a
// fraction of the work. Festival keys, digits and "=", are such texts, and
// most lines differ from them within eight bytes: one comparison of numbers.
class Probe {
public:
    explicit Probe(std::string_view text)
        : text_(text), byBytes_(std::ranges::all_of(text, [](unsigned char c) { return c < 'A'; })),
          head_(leadingBytes(text)) {}

    // Whether `line` is ordered before the text.
    bool Follows(std::string_view line) const {
        if (!byBytes_) return CompareText(line, text_) < 0;
        const std::uint64_t lineHead = leadingBytes(line);
        if (lineHead == head_) [[unlikely]] return line < text_;
        return lineHead < head_;
    }

    // Whether `line` equals the text, ignoring case.
    bool Matches(std::string_view line) const { return byBytes_ ? line == text_ : CompareText(line, text_) == 0; }

    // The first line not ordered before the text.
    Lines::const_iterator Place(const Lines& lines) const {
        return std::ranges::partition_point(lines,
                                            [this](const SortedStringList::Line& line) { return Follows(line.text); });
    }

private:
    std::string_view text_;
    bool byBytes_;
    std::uint64_t head_;
};

}  // namespace

void SortedStringList::Add(std::string text, std::int32_t value) {
    const Probe probe(text);
    auto at = probe.Place(lines_);
    for (; at != lines_.end() && probe.Matches(at->text); ++at) {
        if (at->text == text) return;
    }
    lines_.insert(at, Line{std::move(text), value});
}

void SortedStringList::Delete(std::size_t index) {
    if (index < lines_.size()) lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(index));
}

std::optional<std::size_t> SortedStringList::IndexOf(std::string_view text) const {
    const Probe probe(text);
    const auto at = probe.Place(lines_);
    if (at == lines_.end() || !probe.Matches(at->text)) return std::nullopt;
    return static_cast<std::size_t>(at - lines_.begin());
}

std::optional<std::size_t> SortedStringList::IndexOfName(std::string_view name) const {
    // Lines named `name` all begin with name + "=", so they sit together from
    // the first line not ordered before that prefix. A name holding "=" can
    // name no line.
    if (std::ranges::find(name, '=') != name.end()) return std::nullopt;
    std::string prefix(name);
    prefix += '=';
    const Probe probe(prefix);
    const auto at = probe.Place(lines_);
    if (at == lines_.end() || !probe.Matches(std::string_view(at->text).substr(0, prefix.size()))) return std::nullopt;
    return static_cast<std::size_t>(at - lines_.begin());
}

}  // namespace calendar
