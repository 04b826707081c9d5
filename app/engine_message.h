// The engines' messages (refusals, the journal's troubles) in the window's
// language. The engines speak Simplified Chinese, some messages with a
// value inside (an hour, a file, a character); a message is recognised by
// its fixed parts and its values carried into the translation.
#pragma once

#include <QString>

// `message` in the program's language, line by line; a line no engine
// writes, or one in Simplified Chinese, is returned as it is.
QString EngineMessage(const QString& message);
