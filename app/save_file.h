// Writing a file the user chose in a save dialog.
#pragma once

#include <QByteArray>
#include <QString>

// `file` with `suffix` added when it has none: the dialog's filter names
// the format, the typed name may not.
QString WithSuffix(const QString& file, const QString& suffix);

// Writes `bytes` to `file` whole or not at all, leaving any earlier file
// untouched on failure.
bool SaveBytes(const QString& file, const QByteArray& bytes);
