// Renders the main window with a sample casting and writes three pictures:
// the README screenshot (the bare window, PNG), the information dialog's
// "newest work" picture (the window framed on a 1366 × 738 colour canvas,
// JPEG) and the README's picture of the almanac window on the same day
// (PNG). Arguments: the three paths in that order.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cstdio>

#include "qt_text/font_faces.h"
#include "almanac_window.h"
#include "jpeg_writer.h"
#include "main_window.h"

namespace {

// A fixed moment, so the pictures do not change from run to run.
ShellServices SampleServices() {
    const QDateTime moment(QDate(2024, 2, 10), QTime(9, 30));
    ShellServices services = DesktopShellServices();
    services.openWebPage = [](const QUrl&) {};
    services.now = [moment] { return moment; };
    return services;
}

// A fixed person too.
QImage GrabSampleWindow(bool showTrigramTexts) {
    TForm1 form(SampleServices());
    form.bsSkinEdit1->setText(QStringLiteral("李明"));
    form.bsSkinEdit5->setText(QStringLiteral("36"));
    form.RadioButton1->setChecked(true);
    form.RadioButton1Click();
    if (showTrigramTexts) form.N19->trigger();
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) std::fprintf(stderr, "the window was not shown\n");
    form.bsSkinButton1->click();
    QApplication::processEvents();
    return form.grab().toImage();
}

// 查询 › 万年历… opened on the sample day.
QImage GrabAlmanacWindow() {
    TForm1 form(SampleServices());
    QWidget* almanac = form.OpenAlmanac();
    if (!QTest::qWaitForWindowExposed(almanac)) std::fprintf(stderr, "the almanac window was not shown\n");
    QApplication::processEvents();
    return almanac->grab().toImage();
}

// The window on a dark ink-blue canvas with a title bar and shadow, and the
// program's name and features beside it.
QImage Frame(const QImage& window) {
    QImage canvas(1366, 738, QImage::Format_RGB32);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, 1366, 738);
    background.setColorAt(0, QColor(0x1d, 0x2b, 0x3a));
    background.setColorAt(1, QColor(0x3b, 0x55, 0x5e));
    p.fillRect(canvas.rect(), background);

    const int titleBar = 28;
    const QRect windowRect(48, (738 - window.height() - titleBar) / 2 + titleBar, window.width(), window.height());
    const QRect frame = windowRect.adjusted(-1, -titleBar, 1, 1);
    for (int i = 12; i > 0; --i) {  // a soft shadow
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 10));
        p.drawRoundedRect(frame.adjusted(-i + 6, -i + 8, i + 6, i + 8), 8 + i, 8 + i);
    }
    QPainterPath bar;
    bar.addRoundedRect(frame, 7, 7);
    p.setBrush(QColor(0xe9, 0xe4, 0xda));
    p.drawPath(bar);
    p.setPen(QColor(0x33, 0x33, 0x33));
    QFont titleFont(QStringLiteral("Noto Sans CJK SC"));
    titleFont.setPixelSize(14);
    p.setFont(titleFont);
    p.drawText(QRect(frame.left(), frame.top(), frame.width(), titleBar), Qt::AlignCenter, kProductTitle);
    p.drawImage(windowRect.topLeft(), window);

    const int textLeft = frame.right() + 34;
    QFont heading(QStringLiteral("Noto Serif CJK SC"));
    heading.setPixelSize(40);
    heading.setWeight(QFont::Black);
    p.setFont(heading);
    p.setPen(QColor(0xf4, 0xec, 0xd8));
    p.drawText(QRect(textLeft, 180, 1366 - textLeft - 20, 56), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("爻盘"));
    QFont body(QStringLiteral("Noto Sans CJK SC"));
    body.setPixelSize(19);
    p.setFont(body);
    p.drawText(QRect(textLeft, 240, 1366 - textLeft - 20, 30), Qt::AlignLeft, QStringLiteral("梅花易数起卦"));
    p.setPen(QColor(0xc9, 0xd6, 0xd6));
    body.setPixelSize(16);
    p.setFont(body);
    const QStringList features = {
        QStringLiteral("· 九种起卦方法"), QStringLiteral("· 农历与四柱干支"), QStringLiteral("· 本互变错综五卦并排"),
        QStringLiteral("· 八卦干支开悟图"), QStringLiteral("· 八卦万物类象"),
    };
    for (int i = 0; i < features.size(); ++i) {
        p.drawText(QRect(textLeft, 300 + i * 32, 1366 - textLeft - 20, 28), Qt::AlignLeft, features[i]);
    }
    body.setPixelSize(13);
    p.setFont(body);
    p.drawText(QRect(textLeft, 640, 1366 - textLeft - 20, 24), Qt::AlignLeft, QStringLiteral("yaopan 开发者"));
    p.end();
    return canvas;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s SCREENSHOT.png LATEST_WORK.jpg ALMANAC.png\n", argv[0]);
        return 2;
    }
    const bool shot = GrabSampleWindow(false).save(QString::fromLocal8Bit(argv[1]));
    const bool framed = WriteJpeg(Frame(GrabSampleWindow(true)), QString::fromLocal8Bit(argv[2]), 90);
    const bool almanac = GrabAlmanacWindow().save(QString::fromLocal8Bit(argv[3]));
    if (!shot || !framed || !almanac) std::fprintf(stderr, "could not write the pictures\n");
    return shot && framed && almanac ? 0 : 1;
}
