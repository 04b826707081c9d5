#include "cell_texts.h"

#include <array>

#include "calendar/gbk_text.h"

namespace {

constexpr std::array<std::string_view, 7> kShortDays{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr std::array<std::string_view, 7> kLongDays{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                    "Thursday", "Friday", "Saturday"};
constexpr std::array<std::string_view, 12> kShortMonths{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::array<std::string_view, 12> kLongMonths{"January", "February", "March",     "April",
                                                       "May",     "June",     "July",      "August",
                                                       "September", "October", "November", "December"};

constexpr std::string_view kEllipsis = "…";  // GBK A1 AD

}  // namespace

std::string_view EnglishDayName(int index, bool longName) {
    const int day = ((index % 7) + 7) % 7;
    return longName ? kLongDays[day] : kShortDays[day];
}

std::string_view EnglishMonthName(int month, bool longName) {
    if (month < 1 || month > 12) return {};
    return longName ? kLongMonths[month - 1] : kShortMonths[month - 1];
}

std::string_view GbkPrefix(std::string_view text, std::size_t maxBytes) {
    // Walked character by character from the start: a GBK second byte may
    // lie below 0x80, so a byte alone does not tell where characters begin.
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t next = end + calendar::GbkCharLength(text, end);
        if (next > maxBytes) break;
        end = next;
    }
    return text.substr(0, end);
}

std::string ShortenFestivalText(std::string_view text, int maxLen) {
    if (maxLen < 0 || text.size() <= static_cast<std::size_t>(maxLen)) return std::string(text);
    const int kept = maxLen - static_cast<int>(kEllipsis.size());
    std::string result(GbkPrefix(text, kept > 0 ? static_cast<std::size_t>(kept) : 0));
    result += kEllipsis;
    return result;
}
