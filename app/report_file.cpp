#include "report_file.h"

#include <QPixmap>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>

#include "save_file.h"

namespace {

struct Format {
    QString filter;
    QString suffix;
};
const Format kText{QStringLiteral("文本 (*.txt)"), QStringLiteral("txt")};
const Format kPicture{QStringLiteral("PNG 图片 (*.png)"), QStringLiteral("png")};

}  // namespace

void ExportReport(QPlainTextEdit& view, const ShellServices& services, QWidget* owner) {
    const SaveTarget target = services.chooseSaveFile(owner, QStringLiteral("导出报告"), {kText.filter, kPicture.filter});
    if (target.file.isEmpty()) return;
    const Format& format = target.filter == 1 ? kPicture : kText;
    const QString file = WithSuffix(target.file, format.suffix);
    const bool written = &format == &kPicture ? view.grab().save(file, "PNG")
                                              : SaveBytes(file, (view.toPlainText() + QLatin1Char('\n')).toUtf8());
    if (!written) {
        services.showMessage(owner, MessageBox::Error, QStringLiteral("报告无法写入“%1”。").arg(file));
    }
}

void PrintReport(QPlainTextEdit& view, QWidget* owner) {
    QPrinter printer;
    QPrintDialog dialog(&printer, owner);
    if (dialog.exec() == QDialog::Accepted) view.document()->print(&printer);
}
