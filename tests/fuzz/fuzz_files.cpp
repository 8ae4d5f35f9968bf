// Fuzz target: the program's own files as they come back from disk, written
// by an older version, edited by hand or damaged.
//   byte 0 picks the file: 0 the node file of the open subtitle file
//          ("<current>" in it stands for that file's path),
//          1 a collection file, 2 a setting file, 3 the macro and wizard
//          files, 4 the search history, recent files and window position
//          read at the main window's load
//   the rest: the file's bytes

#include "FuzzProgram.h"

#include "document/Loader.h"
#include "document/NodeTable.h"
#include "fileio/Files.h"
#include "fileio/SettingFile.h"
#include "macro/MacroLibrary.h"
#include "runtime/ProgramFolder.h"
#include "shell/frmMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

void WriteAt(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(bytes);
}

// A document of twelve lines is open; the input is its node file.
void NodeFile(Program& p, const QByteArray& bytes) {
    static const QByteArray subtitles = [] {
        QByteArray out;
        for (int i = 1; i <= 12; ++i)
            out += QByteArray::number(i) + "\r\n00:00:01,000 --> 00:00:02,000\r\nText\r\n\r\n";
        return out;
    }();
    QString name = fuzz::WriteInput(QStringLiteral("parts.srt"), subtitles);
    int format = 0, row = 1;
    p.doc.FileChanged = false;
    p.loader.LoadSubFile(name, format, row, false, false, false);
    // "<current>" stands for the open file's path, which a node file names.
    QByteArray named = bytes;
    named.replace("<current>", p.files.CurFileName.toUtf8());
    WriteAt(p.folder.path(runtime::Place::NodesFolder, QStringLiteral("parts.srt.sdf")), named);
    QString nodeFile = QStringLiteral("parts.srt.sdf");
    p.files.LoadDbsFile(nodeFile, 0);
}

void CollectionFile(Program& p, const QByteArray& bytes) {
    fuzz::WriteInput(QStringLiteral("box.dbs"), bytes);
    QString name = QStringLiteral("box.dbs");
    NodeTable items;
    QStringList lines;
    p.files.LoadDbsFile(name, 1, items, lines);
}

void StateFilesAtLoad(const QByteArray& bytes) {
    std::unique_ptr<Program> fresh = fuzz::NewProgram();
    for (runtime::Place file : {runtime::Place::SearchFile, runtime::Place::RecentFile,
                                runtime::Place::PositionFile, runtime::Place::SettingsFile})
        WriteAt(fresh->folder.path(file), bytes);
    fresh->main().load();
    fresh->main().hide();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const QByteArray bytes = fuzz::Bytes(data + 1, size - 1);
    Program& p = fuzz::SharedProgram();
    switch (data[0] % 5) {
    case 0:
        NodeFile(p, bytes);
        break;
    case 1:
        CollectionFile(p, bytes);
        break;
    case 2:
        setting_file::Read(p, fuzz::WriteInput(QStringLiteral("input.scd"), bytes));
        break;
    case 3:
        WriteAt(p.folder.path(runtime::Place::MacroFile), bytes);
        WriteAt(p.folder.path(runtime::Place::WizardFile), bytes);
        p.macroLibrary.CreateMacros();
        break;
    default:
        StateFilesAtLoad(bytes);
        break;
    }
    return 0;
}
