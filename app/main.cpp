// yaopan: casting and reading hexagrams by the plum-blossom method.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("爻盘 · 梅花易数"));
    window.setFixedSize(976, 547);
    window.move(203, 110);
    window.show();
    return app.exec();
}
