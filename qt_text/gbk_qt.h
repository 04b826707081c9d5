// GBK text to and from Qt strings. Every text below the windows is GBK bytes
// (two bytes a Chinese character); Qt speaks UTF-16. The conversion is lossy
// only where one side cannot hold a character, and then it writes "?".
#pragma once

#include <QString>
#include <string>
#include <string_view>

// The characters of GBK bytes. A byte sequence GBK cannot decode (a lone
// lead byte, an unassigned pair, 0x80, 0xFF) becomes one "?" each.
QString QStringFromGbk(std::string_view gbk);

// The GBK bytes of a Qt string. Every character GBK cannot hold (and every
// unpaired surrogate) becomes one "?".
std::string GbkFromQString(const QString& text);
