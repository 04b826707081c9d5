// The smooth text renderer bound to the calendar's canvas for one paint:
// quality level 0, the shadow with its default settings when asked for, and
// each text drawn in the canvas's current font and font colour without
// filling behind it.
#pragma once

#include <memory>
#include <string_view>

#include "calendar_control/cal_font.h"
#include "smooth_text/smooth_font_ex.h"

class TCalendarCanvas;

class TCalendarSmoothText {
public:
    // The canvas must outlive this object.
    TCalendarSmoothText(TCalendarCanvas& canvas, bool shadow);
    TCalendarSmoothText(const TCalendarSmoothText&) = delete;
    TCalendarSmoothText& operator=(const TCalendarSmoothText&) = delete;

    void TextOut(int x, int y, std::string_view gbk);
    // The mask TextOut would render for `gbk` now.
    TSmoothMaskRequest MaskRequest(std::string_view gbk);

private:
    // Takes the canvas's font and colours into the surface.
    void followCanvas();

    TCalendarCanvas& canvas_;
    TSmoothSurface surface_;
    // The description the surface's font was made from: a paint draws many
    // texts in few fonts.
    TCalFont fontShape_;
    bool fontMade_ = false;
    TSmoothFontEx renderer_{&surface_};
};
