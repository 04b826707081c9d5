// What the windows ask of the desktop: open a web page, show a message
// box, read the local clock, ask a question, pick a file to save into, edit
// a text. Tests replace each one.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <optional>

class QWidget;

// The boxes the window shows a refusal in.
enum class MessageBox {
    Information,  // caption "提示", information icon, OK
    Plain,        // the application's title as caption, no icon, OK
    Error,        // the application's standard error box
};

// What a save dialog is asked: its caption, the filters it offers
// ("文本 (*.txt)", ...), the folder it opens in and the name it suggests.
struct SaveRequest {
    QString caption;
    QStringList filters;
    QString folder;
    QString name;
};

// A file picked to save into, and which of the offered filters was chosen.
struct SaveTarget {
    QString file;  // empty when the user cancelled
    int filter = 0;
};

struct ShellServices {
    // Hands a page to the default browser without waiting; failures are not
    // reported.
    std::function<void(const QUrl&)> openWebPage;
    // Shows a message in the box named, modally.
    std::function<void(QWidget* owner, MessageBox, const QString& text)> showMessage;
    // The local date and time.
    std::function<QDateTime()> now;

    // Asks a yes-or-no question, modally, with no as the default; true for yes.
    std::function<bool(QWidget* owner, const QString& question)> ask = AskYesNo;
    // Asks where to save.
    std::function<SaveTarget(QWidget* owner, const SaveRequest& request)> chooseSaveFile = ChooseSaveFile;
    // Lets the user edit a longer text; nothing when cancelled.
    std::function<std::optional<QString>(QWidget* owner, const QString& label, const QString& text)> editText =
        EditText;

    // The desktop's own boxes, the defaults above.
    static bool AskYesNo(QWidget* owner, const QString& question);
    static SaveTarget ChooseSaveFile(QWidget* owner, const SaveRequest& request);
    static std::optional<QString> EditText(QWidget* owner, const QString& label, const QString& text);
};

// The real desktop: QDesktopServices, QMessageBox and the system clock.
ShellServices DesktopShellServices();

// The makers' pages: the blog opened at start-up and from the information
// dialog, the web shop opened from the reference picture.
extern const QUrl kMakersBlogPage;
extern const QUrl kMakersShopPage;

// The program's title, also the caption of its plain and error boxes: as
// written, and in the program's language.
extern const QString kProductTitle;
QString ProductTitle();
