// Runs the calendar control's tests in an offscreen Qt application. The
// locale is fixed to Chinese (China), the program's own setting, so the
// weekday sample the layout measures is the same on every machine; no test
// asserts a size that depends on the installed fonts' metrics.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

#include "qt_text/font_faces.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    InstallFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
