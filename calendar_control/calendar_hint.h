// The calendar's hint window: a borderless popup that follows the pointer
// over the day grid with the facts of a day. The calendar creates it hidden
// and shows, fills and places it as the pointer moves.
#pragma once

#include <QWidget>
#include <string>

class TCalendarHint : public QWidget {
    Q_OBJECT

public:
    // Created hidden, as a popup owned by `calendar`.
    explicit TCalendarHint(QWidget* calendar);

    // The hint's text, GBK, lines separated by line feeds.
    const std::string& Text() const { return text_; }

private:
    std::string text_;
};
