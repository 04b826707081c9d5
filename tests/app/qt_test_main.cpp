// GoogleTest main for widget tests: one QApplication on the offscreen
// platform (unless another is chosen), a fixed locale, the program's fonts,
// and a temporary home for the journal and the settings.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>

#include "qt_text/font_faces.h"
#include "private_home.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    const auto home = testing_support::UsePrivateHome();
    QApplication app(argc, argv);
    // Settings in a folder of the run's own: no test reads what a person chose.
    const QTemporaryDir settings;
    if (!settings.isValid()) return 1;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    InstallFontSubstitutions();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
