// The calendar's one drawing surface: a current font, pen and brush, text
// measuring, and text, fill, frame and line drawing into an off-screen image
// that the paint handler copies to the screen. Measuring and drawing go
// through the same fonts, so a laid-out box fits what is drawn in it, and a
// text renderer that blends with the background can read the pixels under a
// text. Texts are GBK and converted to Qt strings here.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "qt_text/color_value.h"
#include "calendar_control/cal_font.h"
#include "calendar_control/calendar_layout.h"

class QPixmap;
class QWidget;

struct TCanvasPen {
    TColor color = 0;
    int width = 1;
};

struct TCanvasBrush {
    TColor color = 0xFFFFFF;
    bool clear = false;  // a clear brush fills nothing, and text keeps its background
};

class TCalendarCanvas {
public:
    // `owner` supplies the palette that system colours resolve through; it
    // must outlive the canvas.
    explicit TCalendarCanvas(const QWidget& owner);
    ~TCalendarCanvas();
    TCalendarCanvas(const TCalendarCanvas&) = delete;
    TCalendarCanvas& operator=(const TCalendarCanvas&) = delete;

    const TCalFont& Font() const { return font_; }
    void SetFont(const TCalFont& font);
    void SetFontSize(int size);
    void SetFontColor(TColor color);

    TCanvasPen& Pen() { return pen_; }
    TCanvasBrush& Brush() { return brush_; }

    // Width and height of a text in the current font: its advance, and the
    // font's ascent plus descent. Extents are remembered per face, style,
    // pixel height and text, since fitting fonts measures the same samples
    // at the same sizes on every layout.
    QSize TextExtent(std::string_view gbk) const;
    // Forgets the remembered extents (for instance after fonts were installed).
    void ClearExtentCache() { extents_.clear(); }
    int TextWidth(std::string_view gbk) const { return TextExtent(gbk).width(); }
    int TextHeight(std::string_view gbk) const { return TextExtent(gbk).height(); }

    // The image drawn into: it takes the given size (contents kept where the
    // size is unchanged, else cleared to the brush colour).
    void SetSize(QSize size);
    QImage& Image() { return image_; }
    const QImage& Image() const { return image_; }

    // One painter for a whole paint: between Begin and End every drawing
    // operation goes through it and is clipped to `clip`. Outside a paint
    // each operation opens a painter of its own and draws unclipped.
    void Begin(const QRegion& clip);
    void End();
    bool Painting() const { return painter_ != nullptr; }

    // Drawing. The text's top-left corner is at (x, y), in the font colour;
    // a solid brush fills the text's extent first. FillRect fills with the
    // brush colour (even when the brush is clear); FrameRect draws a
    // one-pixel outline just inside the rectangle in the brush colour.
    void TextOut(int x, int y, std::string_view gbk);
    void FillRect(const TRect& rect);
    void FrameRect(const TRect& rect);
    // A line in the pen from (x1, y1) up to, not including, (x2, y2).
    // Horizontal and vertical lines are exact pixel runs, `Pen().width`
    // pixels thick below or right of the line's start.
    void Line(int x1, int y1, int x2, int y2);
    // The outline of `rect` in the pen, just inside it, and its inside
    // filled with the brush unless the brush is clear.
    void Rectangle(const TRect& rect);
    // The keyboard-focus frame: every other pixel along the edge of `rect`
    // inverted, so drawing it twice restores the pixels beneath.
    void DrawFocusRect(const TRect& rect);
    // `picture` scaled to cover `rect`; a null picture draws nothing.
    void StretchDraw(const TRect& rect, const QPixmap& picture);
    // `pixels` copied onto the image with their top-left corner at (x, y),
    // replacing what is there (clipped to the paint).
    void DrawImage(int x, int y, const QImage& pixels);

    QColor Resolve(TColor color) const;

private:
    const QFont& qfont() const;
    const QFontMetrics& metrics() const;
    void invalidateFont() {
        qfont_.reset();
        metrics_.reset();
    }
    // Runs `draw` with the paint's painter, or with a painter of its own
    // outside a paint.
    template <typename Draw>
    void withPainter(Draw&& draw);

    const QWidget& owner_;
    TCalFont font_;
    TCanvasPen pen_;
    TCanvasBrush brush_;
    QImage image_;
    std::unique_ptr<QPainter> painter_;
    mutable std::optional<QFont> qfont_;
    mutable std::optional<QFontMetrics> metrics_;
    mutable std::unordered_map<std::string, QSize> extents_;
};
