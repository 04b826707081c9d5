// The reading's section headings (【体用】) in the window's language. The
// pipeline writes them in Chinese for the journal and the exports; the page
// translates them here, at its edge, and leaves every other line as it is.
#pragma once

#include <QString>

// `line` translated when it is a heading, else as it is.
QString ReadingLineShown(const QString& line);
