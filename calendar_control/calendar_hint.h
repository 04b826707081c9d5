// The calendar's hint window: a popup with a one-pixel border that follows
// the pointer over the day grid with the facts of a day, or names the arrow
// under the pointer. It takes no mouse input and no focus; the calendar
// creates it hidden and shows, fills and places it as the pointer moves.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <string>
#include <string_view>
#include <vector>

class TCalendarHint : public QWidget {
    Q_OBJECT

public:
    // Created hidden, as a popup owned by `calendar`.
    explicit TCalendarHint(QWidget* calendar);

    // The hint's text, GBK, lines separated by line feeds.
    const std::string& Text() const { return text_; }
    // Takes a new text: measures it, and takes the measured size and shows
    // itself, or hides when the text measures to nothing; then repaints.
    void SetText(std::string text);

    // Splits `text` into its non-empty lines and, when the text has a "=",
    // each line into a label (the part before the "=", trimmed, with ":") and
    // its value. Gives the window size that shows them with 5 pixels around:
    // the widest whole line plus 10, and the line height times the number of
    // lines plus 10; both 0 for a text without lines.
    void MeasureHintText(std::string_view text, int& width, int& height);
    const std::vector<std::string>& HintLines() const { return hintLines_; }
    const std::vector<std::string>& HintLabels() const { return hintLabels_; }
    int LabelWidth() const { return labelWidth_; }

    // Moves the window 16 pixels right of and below the pointer, pulled back
    // inside the pointer's screen where it would stick out.
    void PlaceAtCursor();
    // Where PlaceAtCursor puts a window of `size` for the pointer at `cursor`
    // on `screen`.
    static QPoint PlaceNear(QPoint cursor, QSize size, const QRect& screen);

    // Constant opacity, 0..255. It starts at 0 and has no effect until set;
    // values outside 0..255 are ignored.
    int Alpha() const { return alpha_; }
    void SetAlpha(int alpha);

protected:
    void paintEvent(QPaintEvent* event) override;
    // Gives the window the opacity Alpha.
    virtual void ApplyAlpha();

private:
    std::string text_;
    int alpha_ = 0;
    std::vector<std::string> hintLines_;
    std::vector<std::string> hintLabels_;
    int labelWidth_ = 0;
};
