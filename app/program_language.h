// The language the windows speak: the one the user chose in 帮助 › 语言,
// else the first of the system's locale names (LANGUAGE, LC_ALL, LANG) the
// program has texts for, else Simplified Chinese, the language it is
// written in.
#pragma once

#include <QLocale>
#include <QString>

// `LANGUAGE` is a colon-separated list of preferences, tried in order;
// `LC_ALL` and `LANG` name one locale each ("zh_HK.UTF-8", "en_GB").
// The answer keeps the region: Hong Kong and Macau write Traditional
// characters in their own forms, which the conversion of data texts follows.
QLocale LocaleFromEnvironment(const QString& language, const QString& lcAll, const QString& lang);
