#include "reading_headings.h"

#include <QCoreApplication>

QString ReadingLineShown(const QString& line) {
    // Every heading the reading, its opening sections and the six-line
    // chart write.
    static const char* const kHeadings[] = {
        QT_TRANSLATE_NOOP("ReadingHeading", "【时间】"), QT_TRANSLATE_NOOP("ReadingHeading", "【笔画】"),
        QT_TRANSLATE_NOOP("ReadingHeading", "【卦】"),   QT_TRANSLATE_NOOP("ReadingHeading", "【体用】"),
        QT_TRANSLATE_NOOP("ReadingHeading", "【生克】"), QT_TRANSLATE_NOOP("ReadingHeading", "【旺衰】"),
        QT_TRANSLATE_NOOP("ReadingHeading", "【经文】"), QT_TRANSLATE_NOOP("ReadingHeading", "【六爻】"),
    };
    if (!line.startsWith(QStringLiteral("【"))) return line;
    for (const char* heading : kHeadings) {
        if (line == QString::fromUtf8(heading)) return QCoreApplication::translate("ReadingHeading", heading);
    }
    return line;
}
