// Mirel: a desktop editor and converter for movie subtitles.

#include "document/Loader.h"
#include "runtime/ProgramFolder.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <clocale>

namespace {

// The file named on the command line, without the quotes a shell or a file
// manager may leave around it.
QString CommandLineFile(const QStringList& arguments) {
    QString file = arguments.value(1).trimmed();
    if (file.size() >= 2 && file.startsWith(QLatin1Char('"')) && file.endsWith(QLatin1Char('"')))
        file = file.mid(1, file.size() - 2);
    return file;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The media player needs the C numeric locale.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName("Mirel");

    Program program(runtime::ProgramFolder::locate());
    program.shell.CommandLine = CommandLineFile(QApplication::arguments());
    frmMain& main = program.main();
    main.show();
    if (!program.shell.CommandLine.isEmpty()) {
        QString file = program.shell.CommandLine;
        int format = 0, startRow = 1;
        program.loader.LoadSubFile(file, format, startRow, false, true, true);
        // The file named on the command line is what the user wants to see.
        if (program.loader.LoadOk) main.tabMain.setTab(frmMain::TabEditor);
    }
    return QApplication::exec();
}
