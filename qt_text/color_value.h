// Colour values of the calendar and the text renderer: 32 bits, red in the
// lowest byte, green in the next, blue in the third (0x00BBGGRR). A value
// 0xFF000000 + n names the system colour number n, which is looked up in a widget's palette when the
// colour is drawn, so it follows the desktop's colour scheme.
#pragma once

#include <QColor>
#include <QPalette>
#include <cstdint>

using TColor = std::uint32_t;

inline constexpr TColor kSystemColorFlag = 0xFF000000u;

constexpr TColor SystemColor(unsigned index) { return kSystemColorFlag | (index & 0xFFu); }
constexpr TColor RgbColor(unsigned red, unsigned green, unsigned blue) {
    return (red & 0xFFu) | ((green & 0xFFu) << 8) | ((blue & 0xFFu) << 16);
}
constexpr bool IsSystemColor(TColor color) { return (color & 0xFF000000u) == kSystemColorFlag; }

// System colour numbers the calendar uses.
inline constexpr unsigned kColorActiveCaption = 2;
inline constexpr unsigned kColorWindow = 5;
inline constexpr unsigned kColorWindowText = 8;
inline constexpr unsigned kColorInactiveCaptionText = 19;
inline constexpr unsigned kColorInfoBack = 24;

// The colour 0x00BBGGRR, its top byte ignored.
QColor ColorOfRgb(TColor color);

// The colour to draw. A system colour comes from `palette` (an unknown
// number gives black); any other value is read by ColorOfRgb.
QColor ResolveColor(TColor color, const QPalette& palette);
