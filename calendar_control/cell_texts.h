// Small text helpers of the calendar's painting and hint: English day and
// month names, and cutting GBK texts at character boundaries.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// "Sun" … "Sat" (short) or "Sunday" … "Saturday" (long); the index is taken
// modulo 7 with 0 for Sunday, so 7 is Sunday again.
std::string_view EnglishDayName(int index, bool longName);

// "Jan" … "Dec" or "January" … "December" for months 1..12; empty otherwise.
std::string_view EnglishMonthName(int month, bool longName);

// The longest prefix of `text` of at most `maxBytes` bytes that cuts no
// double-byte character.
std::string_view GbkPrefix(std::string_view text, std::size_t maxBytes);

// A festival text as a cell shows it: unchanged when it has at most
// `maxLen` bytes, else its first maxLen − 2 bytes (one fewer when that would
// cut a double-byte character in half) followed by "…", so the result never
// exceeds `maxLen` bytes.
std::string ShortenFestivalText(std::string_view text, int maxLen);
