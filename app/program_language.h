// The language the windows speak: the one the user chose in 帮助 › 语言,
// else the first of the system's locale names (LANGUAGE, LC_ALL, LANG) the
// program has texts for, else Simplified Chinese, the language it is
// written in.
#pragma once

#include <QLocale>
#include <QString>
#include <optional>

// The locale the program has texts for that the locale name `name` asks
// for ("zh_HK.UTF-8", "en_GB"), if any.
std::optional<QLocale> SupportedLocale(const QString& name);

// `LANGUAGE` is a colon-separated list of preferences, tried in order;
// `LC_ALL` and `LANG` name one locale each ("zh_HK.UTF-8", "en_GB").
// The answer keeps the region: Hong Kong and Macau write Traditional
// characters in their own forms, which the conversion of data texts follows.
QLocale LocaleFromEnvironment(const QString& language, const QString& lcAll, const QString& lang);

// The language to start in: the one last chosen in the menu, else the
// system's.
QLocale StartLanguage();
// Remembers the menu's choice for the next start.
void StoreLanguage(const QLocale& locale);

// The Traditional Chinese the menu offers: the system's own form when it
// is Hong Kong's or Macau's, Taiwan's otherwise.
QLocale TraditionalChineseLocale();

// Makes `locale` the program's language at once: the default locale first,
// so that whatever reacts to the change reads the new one, then the
// program's and Qt's translations. Every widget hears QEvent::LanguageChange,
// also when no translation changes (Taiwan's to Hong Kong's form).
void ApplyLanguage(const QLocale& locale);
