// Google Benchmark main for the Qt benchmarks: one QApplication on the
// offscreen platform (unless another is chosen) with the program's fonts
// and menu bar, and a temporary home for the journal and the settings.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "qt_text/font_faces.h"
#include "private_home.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const auto home = testing_support::UsePrivateHome();
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    UseChineseFaceAsDefault();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
