#include "shell/Startup.h"

#include "runtime/SafeWrite.h"
#include "shell/Program.h"
#include "shell/frmMain.h"
#include "shell/frmSplash.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <csignal>

void Main(Program& p) {
    // A file-size limit makes a write fail, as a full disk does, instead of
    // ending the program with every unsaved edit.
    std::signal(SIGXFSZ, SIG_IGN);
    SetVersionTexts(p.shell);
    EmptyScratchFolder(p);
    RemoveCutShortWrites(p);
    DeleteTransferFiles(p);
    if (!GetCommandLine(p).isEmpty())
        p.main().show(); // its load opens the file
    else
        p.splash().show(); // its load loads the main window behind it
}

QString GetCommandLine(const Program& p) {
    return p.shell.CommandLine;
}

QString CommandLineText(const QStringList& arguments) {
    QString text = arguments.mid(1).join(QLatin1Char(' ')).trimmed();
    if (text.size() >= 2 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"')))
        text = text.mid(1, text.size() - 2);
    return text;
}

QString CommandLineFile(const QString& commandLine, const QString& startFolder) {
    if (commandLine.isEmpty() || QDir::isAbsolutePath(commandLine)) return commandLine;
    return QDir::cleanPath(QDir(startFolder).absoluteFilePath(commandLine));
}

void SetVersionTexts(ShellState& s) {
    using V = ProgramVersionNumbers;
    s.ProgramVersionName = QStringLiteral("Mirel");
    s.ProgramVersion = QStringLiteral("%1.%2").arg(V::Major).arg(V::Minor) + QLatin1Char('0');
    s.ProgramBuild = QStringLiteral("%1%2%3").arg(V::Major).arg(V::Minor).arg(V::Revision);
}

void EmptyScratchFolder(const Program& p) {
    p.folder.releaseScratch();
    p.folder.clearUnownedScratch();
}

// A run killed while it wrote a file leaves the temporary file it wrote
// through beside it; only such files of runs that have ended go.
void RemoveCutShortWrites(const Program& p) {
    using runtime::Place;
    for (const Place place :
         {Place::System, Place::NodesFolder, Place::SettingsFile, Place::FilesFolder,
          Place::CalculatorFolder, Place::MacroExportFolder}) {
        QString folder = p.folder.path(place);
        if (place == Place::SettingsFile) folder = QFileInfo(folder).path();
        runtime::RemoveLeftTemporaries(folder);
    }
}

void DeleteTransferFiles(const Program& p) {
    for (const char* name : {"message.htm", "sublist.sdf", "version.sdf"})
        QFile::remove(p.folder.path(QString(), QString::fromLatin1(name)));
}
