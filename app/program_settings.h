// What the program remembers between runs (the switches, the calendar
// rule, the folder last saved into), in the user's configuration folder.
// Named here rather than by the application object, so that every part of
// the program, and its tests, finds the same file.
#pragma once

#include <QSettings>

inline QSettings ProgramSettings() { return QSettings(QStringLiteral("yaopan"), QStringLiteral("yaopan")); }
