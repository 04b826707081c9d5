// yaopan: casting and reading hexagrams by the plum-blossom method.
#include <QApplication>
#include <cstdio>
#include <cstring>

#include "qt_text/font_faces.h"
#include "main_window.h"
#include "program_language.h"
#include "quit_on_terminate.h"

int main(int argc, char* argv[]) {
    // Answered before Qt starts: asking the version needs no display.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        const bool written = std::puts("yaopan " YAOPAN_VERSION) >= 0 && std::fflush(stdout) == 0;
        return written ? 0 : 1;
    }
    // The menu bar is part of the window's fixed design, never a desktop's
    // global menu; asking the desktop whether it has one would also hold
    // up the first frame (a D-Bus session, started on demand when none is
    // running).
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication app(argc, argv);
    QuitOnTerminate(app);
    // The language chosen in the menu, else the system's; Qt's own boxes and
    // dialogs speak it with the window.
    ApplyLanguage(StartLanguage());
    InstallFontSubstitutions();
    UseChineseFaceAsDefault();
    TForm1 window;
    window.show();
    return app.exec();
}
