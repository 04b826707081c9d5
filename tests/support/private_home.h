// Points the places a program keeps its files (data, settings) at a new
// temporary folder, so that no test or benchmark writes into the real
// home. Call before the application object is made; the folder is removed
// when the returned object goes.
#pragma once

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>

namespace testing_support {

inline std::unique_ptr<QTemporaryDir> UsePrivateHome() {
    auto home = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", home->filePath(QStringLiteral("data")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home->filePath(QStringLiteral("config")).toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, home->filePath(QStringLiteral("config")));
    }
    return home;
}

}  // namespace testing_support
