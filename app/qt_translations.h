// Qt's own texts (the buttons of its message boxes, its file and print
// dialogs) in the program's language instead of Qt's English, from the
// translations installed with Qt (Debian's qt6-translations-l10n).
#pragma once

#include <QLocale>
#include <QTranslator>
#include <memory>

// Qt's texts in `locale`'s language for as long as the returned translator
// lives; none when no translation of Qt for that language is installed,
// and Qt's texts stay in English.
std::unique_ptr<QTranslator> InstallQtTranslations(const QLocale& locale);
