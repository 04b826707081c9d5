// The program's version, where a person asks for it: yaopan --version and
// the 关于我们 page.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTableWidget>

#include "information_dialog.h"

namespace {

TEST(ProgramVersion, YaopanPrintsItWithoutADisplay) {
    QProcess yaopan;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));  // a window would need X
    yaopan.setProcessEnvironment(environment);
    yaopan.start(QStringLiteral(YAOPAN), {QStringLiteral("--version")});
    ASSERT_TRUE(yaopan.waitForFinished());
    EXPECT_EQ(yaopan.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(yaopan.exitCode(), 0);
    EXPECT_EQ(yaopan.readAllStandardOutput(), "yaopan " YAOPAN_VERSION "\n");
}

TEST(ProgramVersion, AboutPageHasARowForIt) {
    const TForm2 dialog([](const QUrl&) {});
    const auto* table = dialog.TabSheet2->findChild<QTableWidget*>();
    ASSERT_NE(table, nullptr);
    const QList<QTableWidgetItem*> rows = table->findItems(QStringLiteral("版本"), Qt::MatchExactly);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0]->column(), 0);
    EXPECT_EQ(table->item(rows[0]->row(), 1)->text(), QStringLiteral(YAOPAN_VERSION));
}

}  // namespace
