// The drawing surface the smooth text renderer draws on: an image that it
// does not own, with the current font, font colour and brush that every call
// reads. The owner (the calendar's canvas) keeps these fields up to date
// before it asks for a text.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <functional>

#include "qt_text/color_value.h"

enum TBrushStyle { bsSolid, bsClear };

struct TSmoothSurface {
    QImage* Image = nullptr;  // the target; drawing does nothing while it is null
    QFont Font;
    int Escapement = 0;  // rotation of the font, tenths of a degree counterclockwise
    TColor FontColor = 0;
    TBrushStyle BrushStyle = bsSolid;
    TColor BrushColor = 0xFFFFFF;
    // Resolves system colours (the calendar passes its palette lookup);
    // without one they come from the application palette.
    std::function<QColor(TColor)> ResolveSystemColor;
    // Puts a finished rectangle onto the image at (x, y), replacing its
    // pixels. An owner that is painting on the image (with its own painter
    // and clip) passes its drawing here; without it the image is painted
    // directly.
    std::function<void(int x, int y, const QImage& pixels)> PutImage;

    QColor Resolve(TColor color) const;
};

inline constexpr TColor kSystemWindowText = SystemColor(kColorWindowText);

// The font scaled `scale` times in height, drawn without anti-aliasing, so
// that text rendered with it has only fully lit and fully dark samples.
QFont ScaledAliasedFont(const QFont& font, int scale);
