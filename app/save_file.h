// Choosing a file to save into and writing it.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "shell_services.h"

// A format offered in a save dialog: its filter ("文本 (*.txt)") and the
// suffix a name typed without one gets.
struct SaveFormat {
    QString filter;
    QString suffix;
};

// A file the user chose and agreed to write, in `formats[format]`.
struct ChosenFile {
    QString file;
    int format = 0;
};

// Asks where to save in one of `formats`, opening in the folder last saved
// into with `name` suggested (given the first format's suffix). The dialog
// asks before replacing the file it returns; when the chosen format's
// suffix makes that another file that exists, the user is asked here.
// Nothing when cancelled or not to be replaced.
std::optional<ChosenFile> ChooseFileToSave(const ShellServices& services, QWidget* owner, const QString& caption,
                                           const std::vector<SaveFormat>& formats, const QString& name);

// Writes `bytes` to `file` whole or not at all, leaving any earlier file
// untouched on failure.
bool SaveBytes(const QString& file, const QByteArray& bytes);
