// Mirel: a desktop editor and converter for movie subtitles.

#include "platform/Application.h"
#include "platform/LargePages.h"
#include "platform/X11Colormaps.h"
#include "runtime/ProgramFolder.h"
#include "shell/Program.h"
#include "shell/Startup.h"

#include <QApplication>
#include <QDir>
#include <clocale>

int main(int argc, char** argv) {
    platform::UseLargeHeapPages();
    QApplication app(argc, argv);
    platform::UseScreenColormaps();
    // The media player needs the C numeric locale.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName("Mirel");
    // The program ends when its main window unloads, not when a window closes.
    QApplication::setQuitOnLastWindowClosed(false);

    Program program(runtime::ProgramFolder::locate());
    program.shell.CommandLine =
        CommandLineFile(CommandLineText(QApplication::arguments()), QDir::currentPath());
    program.shell.EndProgram = platform::EndApplication;
    Main(program);
    const int code = QApplication::exec();
    // Everything the next start needs was written when the main window unloaded;
    // what ran after that (the end of the transfers) may have used the scratch folder.
    program.folder.releaseScratch();
    platform::EndProcess(code);
}
