#include "calendar/gbk_text.h"

#include <algorithm>

namespace calendar {
namespace {

unsigned char folded(unsigned char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; }
bool isBlankOrControl(unsigned char c) { return c <= ' ' || c == 0x7F; }
bool isSpace(unsigned char c) { return c == ' '; }

}  // namespace

int CompareText(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const unsigned char x = a[i], y = b[i];
        if (x == y && IsGbkLeadByte(x) && i + 1 < common) {
            ++i;  // the same lead byte: its trail byte is compared unfolded
            const unsigned char xt = a[i], yt = b[i];
            if (xt != yt) return xt < yt ? -1 : 1;
            continue;
        }
        if (folded(x) != folded(y)) return folded(x) < folded(y) ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

std::size_t GbkCharLength(std::string_view text, std::size_t pos) {
    return IsGbkLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
}

std::string_view TrimmedBy(std::string_view text, bool (*trimmed)(unsigned char)) {
    while (!text.empty() && trimmed(text.front())) text.remove_prefix(1);
    while (!text.empty() && trimmed(text.back())) text.remove_suffix(1);
    return text;
}

std::string_view TrimmedText(std::string_view text) { return TrimmedBy(text, isBlankOrControl); }
std::string_view TrimmedSpaces(std::string_view text) { return TrimmedBy(text, isSpace); }

}  // namespace calendar
