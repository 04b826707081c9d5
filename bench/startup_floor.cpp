// The floor for yaopan's cold start: the least a Qt Widgets program does to
// show a window with Chinese text. bench/measure-startup.sh times both.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("梅花易数起卦"));
    window.setWindowTitle(QStringLiteral("起点 · 梅花易数"));
    window.resize(976, 547);
    window.show();
    return app.exec();
}
