// What the main window asks of the desktop: open a web page, show a
// message box, read the local clock. Tests replace each one.
#pragma once

#include <QDateTime>
#include <QString>
#include <QUrl>
#include <functional>

#include "casting/casting_engine.h"

class QWidget;

struct ShellServices {
    // Hands a page to the default browser without waiting; failures are not
    // reported.
    std::function<void(const QUrl&)> openWebPage;
    // Shows a casting command's message in the box it names, modally.
    std::function<void(QWidget* owner, casting::MessageKind, const QString& text)> showMessage;
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
