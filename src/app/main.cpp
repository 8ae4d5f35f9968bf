// Mirel: a desktop editor and converter for movie subtitles.

#include "runtime/ProgramFolder.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <clocale>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The media player needs the C numeric locale.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName("Mirel");

    Program program(runtime::ProgramFolder::locate());
    frmMain& main = program.main();
    main.show();
    return QApplication::exec();
}
