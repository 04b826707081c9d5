// Runs the smooth text renderer's tests in an offscreen Qt application with
// a fixed locale and the calendar's font substitutions.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

#include "calendar_control/font_faces.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
