#include "shell/Startup.h"

#include "shell/Program.h"
#include "shell/frmMain.h"
#include "shell/frmSplash.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

void Main(Program& p) {
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

// A file is written as "<name>.XXXXXX" beside it (six letters or digits) and
// then renamed; a run killed in between leaves that file behind.
void RemoveCutShortWrites(const Program& p) {
    static const QRegularExpression temporary(QStringLiteral("^.+\\.sdf\\.[A-Za-z0-9]{6}$"));
    for (const runtime::Place place :
         {runtime::Place::System, runtime::Place::NodesFolder, runtime::Place::SettingsFile}) {
        QString folder = p.folder.path(place);
        if (place == runtime::Place::SettingsFile) folder = QFileInfo(folder).path();
        QDir dir(folder);
        for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden))
            if (temporary.match(name).hasMatch()) dir.remove(name);
    }
}

void DeleteTransferFiles(const Program& p) {
    for (const char* name : {"message.htm", "sublist.sdf", "version.sdf"})
        QFile::remove(p.folder.path(QString(), QString::fromLatin1(name)));
}
