#include "calendar_smooth_text.h"

#include "calendar_control/calendar_canvas.h"

TCalendarSmoothText::TCalendarSmoothText(TCalendarCanvas& canvas, bool shadow) : canvas_(canvas) {
    surface_.Image = &canvas.Image();
    surface_.BrushStyle = bsClear;
    surface_.ResolveSystemColor = [&canvas](TColor color) { return canvas.Resolve(color); };
    // Through the canvas, so the paint's painter and its clip are kept.
    surface_.PutImage = [&canvas](int x, int y, const QImage& pixels) { canvas.DrawImage(x, y, pixels); };
    renderer_.SetQuality(0);
    renderer_.Effect().Shadow().SetEnabled(shadow);
}

void TCalendarSmoothText::TextOut(int x, int y, std::string_view gbk) {
    followCanvas();
    renderer_.TextOut(x, y, gbk);
}

TSmoothMaskRequest TCalendarSmoothText::MaskRequest(std::string_view gbk) {
    followCanvas();
    return renderer_.MaskRequest(gbk);
}

void TCalendarSmoothText::followCanvas() {
    const TCalFont& font = canvas_.Font();
    if (!fontMade_ || font.name != fontShape_.name || font.size != fontShape_.size || font.style != fontShape_.style) {
        surface_.Font = ToQFont(font);
        fontShape_ = font;
        fontMade_ = true;
    }
    surface_.FontColor = font.color;
    surface_.BrushColor = canvas_.Brush().color;
}
