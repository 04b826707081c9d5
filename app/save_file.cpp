#include "save_file.h"

#include <QFileInfo>
#include <QSaveFile>

QString WithSuffix(const QString& file, const QString& suffix) {
    return QFileInfo(file).suffix().isEmpty() ? file + QLatin1Char('.') + suffix : file;
}

bool SaveBytes(const QString& file, const QByteArray& bytes) {
    QSaveFile out(file);
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.commit();
}
