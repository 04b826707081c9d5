// The description of one calendar font: face, character set, colour, size
// and style, as the calendar stores, copies and compares it. Sizes are in
// points; the calendar works at 96 pixels per inch, so a size s is a
// character height of round(s × 96 / 72) pixels.
#pragma once

#include <QFont>
#include <string>

#include "qt_text/color_value.h"

enum TFontStyle : unsigned {
    fsBold = 1u << 0,
    fsItalic = 1u << 1,
    fsUnderline = 1u << 2,
    fsStrikeOut = 1u << 3,
};

inline constexpr int kGb2312Charset = 134;
inline constexpr int kDefaultCharset = 1;
inline constexpr int kPixelsPerInch = 96;

struct TCalFont {
    std::string name;  // face name, GBK
    int charset = kDefaultCharset;
    TColor color = 0;
    int size = 8;  // points
    unsigned style = 0;  // TFontStyle bits

    // The character height in pixels (never below 1).
    int PixelHeight() const;
    // Sets the size that gives a character height of `pixels`.
    void SetPixelHeight(int pixels);

    friend bool operator==(const TCalFont&, const TCalFont&) = default;
};

// The Qt font for a description: the face (substituted through the font
// substitutions), pixel height and style. The colour is not part of a QFont.
QFont ToQFont(const TCalFont& font);
