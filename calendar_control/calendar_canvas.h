// The calendar's one drawing surface: a current font, pen and brush, text
// measuring, and text, fill and frame drawing into an off-screen image that
// the paint handler copies to the screen. Measuring and drawing go through
// the same fonts, so a laid-out box fits what is drawn in it, and a text
// renderer that blends with the background can read the pixels under a text.
// Texts are GBK and converted to Qt strings here.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "calendar_control/cal_color.h"
#include "calendar_control/cal_font.h"
#include "calendar_control/calendar_layout.h"

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

    // Drawing. The text's top-left corner is at (x, y), in the font colour;
    // a solid brush fills the text's extent first. FillRect fills with the
    // brush colour (even when the brush is clear); FrameRect draws a
    // one-pixel outline just inside the rectangle in the brush colour.
    void TextOut(int x, int y, std::string_view gbk);
    void FillRect(const TRect& rect);
    void FrameRect(const TRect& rect);

    QColor Resolve(TColor color) const;

private:
    const QFont& qfont() const;
    const QFontMetrics& metrics() const;
    void invalidateFont() {
        qfont_.reset();
        metrics_.reset();
    }

    const QWidget& owner_;
    TCalFont font_;
    TCanvasPen pen_;
    TCanvasBrush brush_;
    QImage image_;
    mutable std::optional<QFont> qfont_;
    mutable std::optional<QFontMetrics> metrics_;
    mutable std::unordered_map<std::string, QSize> extents_;
};
