// What the main window asks of the desktop: open a web page, show a
// message box, read the local clock. Tests replace each one.
#pragma once

#include <QDateTime>
#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

// The boxes the window shows a refusal in.
enum class MessageBox {
    Information,  // caption "提示", information icon, OK
    Plain,        // the application's title as caption, no icon, OK
    Error,        // the application's standard error box
};

struct ShellServices {
    // Hands a page to the default browser without waiting; failures are not
    // reported.
    std::function<void(const QUrl&)> openWebPage;
    // Shows a message in the box named, modally.
    std::function<void(QWidget* owner, MessageBox, const QString& text)> showMessage;
    // The local date and time.
    std::function<QDateTime()> now;
};

// The real desktop: QDesktopServices, QMessageBox and the system clock.
ShellServices DesktopShellServices();

// The makers' pages: the blog opened at start-up and from the information
// dialog, the web shop opened from the reference picture.
extern const QUrl kMakersBlogPage;
extern const QUrl kMakersShopPage;

// The program's title, also the caption of its plain and error boxes.
extern const QString kProductTitle;
