// Points the places a program keeps its files (its data, its settings) at
// a new temporary folder, so that no test or benchmark writes into the
// real home. Call before the application object is made; the folder is
// removed when the returned object goes.
#pragma once

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

namespace testing_support {

inline std::unique_ptr<QTemporaryDir> UsePrivateHome() {
    auto home = std::make_unique<QTemporaryDir>();
    if (!home->isValid()) std::abort();
    const QString data = home->filePath(QStringLiteral("data")), config = home->filePath(QStringLiteral("config"));
    qputenv("XDG_DATA_HOME", data.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", config.toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, config);
    }
    return home;
}

}  // namespace testing_support
