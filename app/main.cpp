// yaopan: casting and reading hexagrams by the plum-blossom method.
#include <QApplication>

#include "qt_text/font_faces.h"
#include "main_window.h"
#include "quit_on_terminate.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QuitOnTerminate(app);
    InstallFontSubstitutions();
    TForm1 window;
    window.show();
    return app.exec();
}
