#include "shell_services.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QThreadPool>

#include "installed_pages.h"

// The makers have no web site: their "blog" is the page about this program
// and their "shop" the page about its companion library and calendar control.
const QUrl kMakersBlogPage = InstalledPage("yaopan.html");
const QUrl kMakersShopPage = InstalledPage("companions.html");
namespace {
constexpr char kTitleSource[] = QT_TRANSLATE_NOOP("ShellServices", "爻盘 · 梅花易数起卦");
}  // namespace
const QString kProductTitle = QString::fromUtf8(kTitleSource);

QString ProductTitle() { return QCoreApplication::translate("ShellServices", kTitleSource); }

namespace {

void ShowMessageBox(QWidget* owner, MessageBox box, const QString& text) {
    switch (box) {
        case MessageBox::Information:
            QMessageBox(QMessageBox::Information, QCoreApplication::translate("ShellServices", "提示"), text, QMessageBox::Ok, owner).exec();
            return;
        case MessageBox::Plain:
            QMessageBox(QMessageBox::NoIcon, ProductTitle(), text, QMessageBox::Ok, owner).exec();
            return;
        case MessageBox::Error:
            QMessageBox(QMessageBox::Critical, ProductTitle(), text, QMessageBox::Ok, owner).exec();
            return;
    }
}

}  // namespace

ShellServices DesktopShellServices() {
    return {
        // Handing a page over starts a process (and may wait for the desktop
        // to answer), which would hold up the window asking, at start-up its
        // first paint: a pool thread does it.
        [](const QUrl& page) { QThreadPool::globalInstance()->start([page] { QDesktopServices::openUrl(page); }); },
        ShowMessageBox,
        [] { return QDateTime::currentDateTime(); },
    };
}

bool ShellServices::AskYesNo(QWidget* owner, const QString& question) {
    // What is asked cannot be undone (a deletion): Enter alone must not do it.
    return QMessageBox::question(owner, ProductTitle(), question, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

SaveTarget ShellServices::ChooseSaveFile(QWidget* owner, const SaveRequest& request) {
    QString chosen;
    const QString file =
        QFileDialog::getSaveFileName(owner, request.caption, QDir(request.folder).filePath(request.name),
                                     request.filters.join(QStringLiteral(";;")), &chosen);
    return {file, std::max(0, static_cast<int>(request.filters.indexOf(chosen)))};
}

std::optional<QString> ShellServices::EditText(QWidget* owner, const QString& label, const QString& text) {
    bool ok = false;
    const QString edited = QInputDialog::getMultiLineText(owner, ProductTitle(), label, text, &ok);
    if (!ok) return std::nullopt;
    return edited;
}
