#include "calendar/sorted_string_list.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace calendar {
namespace {

using Lines = std::vector<SortedStringList::Line>;
using Heads = std::vector<std::uint64_t>;

// The first eight bytes of `text` as one number that orders as they do,
// zeros past its end. Where two such numbers differ they order their texts
// as bytes do: the first difference is a byte of both, or the end of the
// shorter against a byte that is not zero.
std::uint64_t leadingBytes(std::string_view text) {
    if (text.size() >= sizeof(std::uint64_t)) {
        std::uint64_t number;
        std::memcpy(&number, text.data(), sizeof number);  // one load
        return std::endian::native == std::endian::big ? number : __builtin_bswap64(number);
    }
    // Shifted in, not copied into memory and read back as one number: a
    // wide read of bytes just written one by one stalls the processor.
    std::uint64_t number = 0;
    for (std::size_t i = 0; i < sizeof number; ++i) {
        number = number << 8 | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0u);
    }
    return number;
}

// The first of `count` indexes for which `before` is false, `before` being
// true for every index below it and false from it on. Halving without a
// branch on the outcome: a coin toss the processor cannot predict, where the
// values compared lie side by side and cost little to read.
template <typename Before>
std::size_t firstNotBefore(std::size_t count, Before before) {
    if (count == 0) return 0;
    std::size_t first = 0;
    while (count > 1) {
        const std::size_t half = count / 2;
        first += before(first + half - 1) ? half : 0;
        count -= half;
    }
    return first + (before(first) ? 1 : 0);
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

    // Whether the line at `index` is ordered before the text.
    bool Follows(const Lines& lines, const Heads& heads, std::size_t index) const {
        if (!byBytes_) return CompareText(lines[index].text, text_) < 0;
        if (heads[index] == head_) [[unlikely]] return lines[index].text < text_;
        return heads[index] < head_;
    }

    // Whether `line` equals the text, ignoring case.
    bool Matches(std::string_view line) const { return byBytes_ ? line == text_ : CompareText(line, text_) == 0; }

    // Index of the first line not ordered before the text.
    std::size_t Place(const Lines& lines, const Heads& heads) const {
        return firstNotBefore(lines.size(), [&](std::size_t index) { return Follows(lines, heads, index); });
    }

private:
    std::string_view text_;
    bool byBytes_;
    std::uint64_t head_;
};

// The head of `text` (as leadingBytes gives it), and whether a line's head
// decides every comparison with the text on its own: so for a text of at
// most eight bytes, all of them below 'A' (byte order is CompareText's) and
// none zero (a line's head equals the text's only where the line begins
// with the whole text; such a line is never ordered before it). A text
// holding `refused` is not decided either. One pass over the bytes.
struct DecidingHead {
    std::uint64_t head = 0;
    bool decides = false;
};
DecidingHead decidingHead(std::string_view text, char refused) {
    if (text.size() > sizeof(std::uint64_t)) return {};
    DecidingHead result{0, true};
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        result.decides &= byte != 0 && byte < 'A' && c != refused;
        result.head = result.head << 8 | byte;
    }
    if (!text.empty()) result.head <<= 8 * (sizeof(std::uint64_t) - text.size());
    return result;
}

// Index of the first head not below `head`: the search of a text whose head
// decides.
std::size_t firstHeadNotBelow(const Heads& heads, std::uint64_t head) {
    return firstNotBefore(heads.size(), [&](std::size_t index) { return heads[index] < head; });
}

// The bytes of a head that hold the first `count` bytes of its text.
std::uint64_t leadingMask(std::size_t count) {
    return count == 0 ? 0 : ~std::uint64_t{0} << (8 * (sizeof(std::uint64_t) - count));
}

}  // namespace

void SortedStringList::Add(std::string text, std::int32_t value) {
    const Probe probe(text);
    std::size_t at = probe.Place(lines_, heads_);
    for (; at < lines_.size() && probe.Matches(lines_[at].text); ++at) {
        if (lines_[at].text == text) return;
    }
    const std::uint64_t head = leadingBytes(text);
    heads_.reserve(heads_.size() + 1);  // so that the lines never grow alone
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(text), value});
    heads_.insert(heads_.begin() + static_cast<std::ptrdiff_t>(at), head);
}

void SortedStringList::Delete(std::size_t index) {
    if (index >= lines_.size()) return;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(index));
    heads_.erase(heads_.begin() + static_cast<std::ptrdiff_t>(index));
}

std::size_t SortedStringList::indexOf(std::string_view text) const {
    if (const auto [head, decides] = decidingHead(text, '\0'); decides) {
        const std::size_t at = firstHeadNotBelow(heads_, head);
        return at < lines_.size() && heads_[at] == head && lines_[at].text.size() == text.size() ? at : lines_.size();
    }
    const Probe probe(text);
    const std::size_t at = probe.Place(lines_, heads_);
    return at < lines_.size() && probe.Matches(lines_[at].text) ? at : lines_.size();
}

std::size_t SortedStringList::indexOfName(std::string_view name) const {
    // Lines named `name` all begin with name + "=", so they sit together from
    // the first line not ordered before that prefix. A name holding "=" can
    // name no line.
    if (const auto [head, decides] = decidingHead(name, '='); decides && name.size() < sizeof(std::uint64_t)) {
        const std::uint64_t prefixHead = head | std::uint64_t{'='} << 8 * (sizeof(std::uint64_t) - 1 - name.size());
        const std::size_t at = firstHeadNotBelow(heads_, prefixHead);
        const std::uint64_t mask = leadingMask(name.size() + 1);
        return at < lines_.size() && (heads_[at] & mask) == prefixHead ? at : lines_.size();
    }
    if (std::ranges::find(name, '=') != name.end()) return lines_.size();
    std::string prefix(name);
    prefix += '=';
    const Probe probe(prefix);
    const std::size_t at = probe.Place(lines_, heads_);
    return at < lines_.size() && probe.Matches(std::string_view(lines_[at].text).substr(0, prefix.size()))
               ? at
               : lines_.size();
}

}  // namespace calendar
