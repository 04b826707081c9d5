// The main window on a real X server (run under Xvfb): it maps, takes a
// mouse click on 传统起卦 through the window system, shows the report, and
// closes, ending the event loop cleanly.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "main_window.h"
#include "report_view.h"

namespace {

TEST(RealWindow, CastsAndClosesCleanly) {
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")) << "run under Xvfb with QT_QPA_PLATFORM=xcb";
    ShellServices services = DesktopShellServices();
    services.openWebPage = [](const QUrl&) {};  // no browser on a test machine
    TForm1 form(services);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    // The calendar under the reference panel is shown after the first paint.
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.NongCalendar1->isVisible(); }));

    QTest::mouseClick(form.bsSkinButton1, Qt::LeftButton);
    EXPECT_EQ(form.bsSkinRichEdit1->toPlainText().split('\n').size(), 13);

    // Closing the main window ends the event loop with exit code 0.
    QTimer::singleShot(0, &form, &QWidget::close);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(form.isVisible());
}

}  // namespace
