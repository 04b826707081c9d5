// Paints the chart of the reference panel and the program icon and writes
// them into the asset folder given as the only argument.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "bagua_painter.h"
#include "jpeg_writer.h"

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s ASSET_DIR\n", argv[0]);
        return 2;
    }
    const QDir assets(QString::fromLocal8Bit(argv[1]));
    assets.mkpath(QStringLiteral("pictures"));
    assets.mkpath(QStringLiteral("icons"));
    bool ok = WriteJpeg(PaintChart(), assets.filePath(QStringLiteral("pictures/chart.jpg")), 88);
    ok = PaintIcon(256).save(assets.filePath(QStringLiteral("icons/yaopan.png"))) && ok;
    if (!ok) std::fprintf(stderr, "could not write the pictures into %s\n", argv[1]);
    return ok ? 0 : 1;
}
