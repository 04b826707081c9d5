// What a report needs beside its thirteen lines to be understood later,
// once printed or saved: who asked, the moment, the method with what it was
// given, and the calendar the moment was read by. The window keeps these
// facts for the casting it shows, whether just cast or opened from the
// journal.
#pragma once

#include <QString>
#include <QStringList>
#include <string>

#include "calendar/calendar_rule.h"
#include "pipeline/casting_road.h"
#include "journal/journal_entry.h"

// What a casting method is given beyond the person and the moment, known
// by the method's name as the report and the journal give it.
enum class MethodInput { None, Question, Character, Number, Manual, Clock };
MethodInput InputOfMethod(const QString& method);

struct ReportHeading {
    QString name, sex, age;
    int year = 0, month = 0, day = 0, hour = 0;
    QString method;  // as the report names it
    QString text;    // the question, character or number
    int manualUpper = 0, manualLower = 0, manualLine = 0;  // trigram numbers and line, 0 when unused
    int minute = 0;                                        // the clock's minute, for 时分起卦
    calendar::CalendarRule rule = calendar::CalendarRule::Table;
};

// A casting the window has just made: texts GBK, as the engine has them.
ReportHeading HeadingOf(const casting::Person& person, const casting::Moment& moment,
                        const casting::CastingRecord& record, const pipeline::CastingInputs& inputs);
// A casting opened from the journal.
ReportHeading HeadingOf(const journal::JournalEntry& stored);

// The heading's lines: the program, the person, the moment, the method with
// its input, the calendar.
QStringList HeadingLines(const ReportHeading& heading);
