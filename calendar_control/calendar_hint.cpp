#include "calendar_hint.h"

#include "calendar_control/cal_color.h"

TCalendarHint::TCalendarHint(QWidget* calendar)
    : QWidget(calendar, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    // Mouse input passes through to the calendar beneath.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    QPalette colors = palette();
    colors.setColor(QPalette::Window, ResolveColor(SystemColor(kColorInfoBack), colors));
    setPalette(colors);
    setAutoFillBackground(true);
    setVisible(false);
}
