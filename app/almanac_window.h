// 查询 > 万年历…: the month-view calendar with the selected day's almanac
// beside it and the day's twelve double hours below. The calendar's own
// keys and clicks move the selection; 用此日起卦 hands the day to whoever
// casts. It reads by the calendar rule it is given, and is given the new
// one when 文件 › 历法 changes. Esc closes it.
#pragma once

#include <QDate>
#include <QWidget>

#include "calendar/calendar_rule.h"

class QFormLayout;
class QLabel;
class QPushButton;
class QTableWidget;
class TNongCalendar;

class AlmanacWindow : public QWidget {
    Q_OBJECT
public:
    // Opens on `day`, or on today when the calendar cannot show it.
    AlmanacWindow(calendar::CalendarRule rule, QDate day, QWidget* parent = nullptr);

    // Reads the calendar's lunar texts and the shown almanac anew by `rule`.
    void SetRule(calendar::CalendarRule rule);
    // The selected day.
    QDate Day() const;

    TNongCalendar* calendar;
    QLabel* heading;           // the day, its weekday and its lunar date
    QFormLayout* facts;        // the almanac's labelled lines
    QTableWidget* hours;       // a column a double hour, 子 first
    QPushButton* castButton;   // 用此日起卦

signals:
    void castOn(QDate day);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The fixed texts, then the data texts.
    void RetranslateUi();
    // The calendar's texts and the shown day in the characters of the
    // window's language.
    void ShowDataTexts();
    void ShowSelectedDay();

    // Wide enough for the longest value, so the window keeps its size as
    // the days change.
    int valueWidth_ = 0;
};
