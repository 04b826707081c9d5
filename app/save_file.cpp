#include "save_file.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

#include "program_settings.h"

namespace {

const QString kFolderKey = QStringLiteral("files/saveFolder");

// The filter names the format, the typed name may not.
QString WithSuffix(const QString& file, const QString& suffix) {
    return QFileInfo(file).suffix().isEmpty() ? file + QLatin1Char('.') + suffix : file;
}

}  // namespace

std::optional<ChosenFile> ChooseFileToSave(const ShellServices& services, QWidget* owner, const QString& caption,
                                           const std::vector<SaveFormat>& formats, const QString& name) {
    SaveRequest request{caption, {}, ProgramSettings().value(kFolderKey).toString(), WithSuffix(name, formats.front().suffix)};
    if (request.folder.isEmpty()) request.folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    for (const SaveFormat& format : formats) request.filters.append(format.filter);
    const SaveTarget target = services.chooseSaveFile(owner, request);
    if (target.file.isEmpty()) return std::nullopt;
    const int format = std::clamp(target.filter, 0, static_cast<int>(formats.size()) - 1);
    const QString file = WithSuffix(target.file, formats[format].suffix);
    if (file != target.file && QFileInfo::exists(file) &&
        !services.ask(owner, QCoreApplication::translate("SaveFile", "“%1”已存在，要替换它吗？")
                                 .arg(QFileInfo(file).fileName()))) {
        return std::nullopt;
    }
    ProgramSettings().setValue(kFolderKey, QFileInfo(file).absolutePath());
    return ChosenFile{file, format};
}

bool SaveBytes(const QString& file, const QByteArray& bytes) {
    QSaveFile out(file);
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.commit();
}
