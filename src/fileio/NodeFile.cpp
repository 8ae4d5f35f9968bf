// Node files (the parts of a subtitle file, \System\Nodes\<title>-<hash>.sdf)
// and the first sections of collection files (\Data\Files\<name>.dbs), which
// share their layout: the program version, <File> with a path or title,
// <Data> with a count and the entries 0..count as "first,last:name" and an
// in-index digit; a collection file goes on with its <Subs> lines.

#include "document/NodeTable.h"
#include "fileio/Files.h"
#include "online/frmDbase.h"
#include "runtime/Numbers.h"
#include "runtime/TextFile.h"
#include "shell/Program.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <limits>

namespace {

constexpr int CountLine = 5; // 0-based: version, <File>, path, </File>, <Data>, count
constexpr int FirstEntryLine = 6;
constexpr int PathLine = 2;

// The subtitle file a node file keeps the parts of ("" for none).
QString RecordedPath(const runtime::TextFileContent& file) {
    return file.ok && file.lines.value(1) == QLatin1String("<File>") ? file.lines.value(PathLine)
                                                                     : QString();
}

// A file as the system finds it, symbolic links and ".." resolved, so that one
// file reached two ways is one file; a file that is not there is its clean
// absolute path.
QString ResolvedPath(const QString& fileName) {
    const QFileInfo info(fileName);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

bool RecordsFile(const QString& recorded, const QString& fileName) {
    return !recorded.isEmpty() &&
           (recorded == fileName || ResolvedPath(recorded) == ResolvedPath(fileName));
}

// "<title>-<8 hex digits of a hash of the path>.sdf". A title too long for a
// file name of 255 bytes is cut, whole characters at a time: the hash keeps
// such files apart.
QString NodeFileName(const QString& path) {
    const QString hash = QString::fromLatin1(
        QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1).toHex().left(8));
    const QString tail = QLatin1Char('-') + hash + QStringLiteral(".sdf");
    QString title = path.section(QLatin1Char('/'), -1);
    constexpr qsizetype MaxNameBytes = 255;
    while ((title + tail).toUtf8().size() > MaxNameBytes)
        title.chop(title.size() > 1 && title.back().isLowSurrogate() ? 2 : 1);
    return title + tail;
}

QString EntryLine(const NodeTable& t, int i) {
    return runtime::TrimStr(t.FirstRow(i)) + QLatin1Char(',') + runtime::TrimStr(t.LastRow(i)) +
           QLatin1Char(':') + t.Name(i) + (t.InIndex(i) ? QLatin1Char('1') : QLatin1Char('0'));
}

// A row number as the file gives it. One too large for a number of rows
// (the file was not written by the program) reads as 0, which no part starts
// or ends at, so the entry is refused like any other bad entry.
int RowNumber(QStringView text) {
    const double n = runtime::Val(text);
    const bool fits = n >= std::numeric_limits<int>::min() && n <= std::numeric_limits<int>::max();
    return fits ? static_cast<int>(n) : 0;
}

// "first,last:name" followed by the in-index digit. A field that cannot be
// cut out keeps what the entry held.
void ReadEntry(const QString& line, NodeTable& t, int i) {
    const qsizetype comma = line.indexOf(QLatin1Char(','));
    if (comma < 0) return;
    t.setFirstRow(i, RowNumber(QStringView(line).left(comma)));
    const QString rest = line.mid(comma + 1);
    const qsizetype colon = rest.indexOf(QLatin1Char(':'));
    if (colon < 0) return;
    t.setLastRow(i, RowNumber(QStringView(rest).left(colon)));
    const QString tail = rest.mid(colon + 1);
    if (!tail.isEmpty()) t.setName(i, tail.chopped(1));
    const QChar flag = tail.isEmpty() ? QChar() : tail.back();
    if (flag == QLatin1Char('1'))
        t.setInIndex(i, true);
    else if (flag < QLatin1Char('2') || flag > QLatin1Char('9'))
        t.setInIndex(i, false);
}

// The count and entries 0..count of a file's <Data> section; false when the
// count is not 0..99 (such a file was not written by the program).
bool ReadEntries(const QStringList& lines, NodeTable& t) {
    t.clear();
    const double count = runtime::Val(lines.value(CountLine));
    if (count < 0 || count > NodeTable::MaxCount) return false;
    t.setCount(static_cast<int>(count));
    for (int i = 0; i <= t.Count(); ++i)
        ReadEntry(lines.value(FirstEntryLine + i), t, i);
    return true;
}

// Parts must lie within the document's lines, in order: a part past the last
// line ends the list there, a part reaching past it is cut at the last line.
bool FitParts(NodeTable& t, int lines) {
    for (int i = 1; i <= t.Count(); ++i) {
        if (t.FirstRow(i) < 1 || t.FirstRow(i) > lines || t.LastRow(i) < t.FirstRow(i)) {
            t.setCount(i - 1);
            break;
        }
        if (t.LastRow(i) > lines) t.setLastRow(i, lines);
    }
    return t.Count() > 0 || lines == 0;
}

// The first line must be this program's version; a different one is reported.
bool IsCurrentVersion(Program& p, const QStringList& lines) {
    if (lines.value(0) == p.shell.ProgramVersion) return true;
    p.messages.ShowMessage(
        QStringLiteral("History file does not match current version./nHistory data not loaded."),
        KindQuestion, QStringLiteral("ok"), QStringLiteral("Version Mismatch"));
    return false;
}

} // namespace

QString Files::NodeFileOf(const QString& fileName) const {
    return p_.folder.path(runtime::Place::NodesFolder, NodeFileName(ResolvedPath(fileName)));
}

// Earlier versions keyed node files by the path as given, and before that by
// the name alone.
QString Files::NodeFileRecording(const QString& fileName) const {
    using runtime::Place;
    const QString title = fileName.section(QLatin1Char('/'), -1);
    for (const QString& path :
         {NodeFileOf(fileName), p_.folder.path(Place::NodesFolder, NodeFileName(fileName)),
          p_.folder.path(Place::NodesFolder, title + QStringLiteral(".sdf"))})
        if (!path.isEmpty() && RecordsFile(RecordedPath(runtime::ReadTextFile(path)), fileName))
            return path;
    return QString();
}

bool Files::SaveSubControl(const QString& fileName, QString* error) {
    const NodeTable& nodes = p_.doc.FileNodes;
    QStringList lines = {p_.shell.ProgramVersion,  QStringLiteral("<File>"),
                         ResolvedPath(fileName),   QStringLiteral("</File>"),
                         QStringLiteral("<Data>"), runtime::TrimStr(nodes.Count())};
    for (int i = 0; i <= nodes.Count(); ++i)
        lines << EntryLine(nodes, i);
    lines << QStringLiteral("</Data>");
    const QString path = NodeFileOf(fileName);
    if (path.isEmpty()) {
        if (error) *error = p_.texts.Say("\"%1\" is no name for a node file", fileName);
        return false;
    }
    // A node file of its own that holds these parts already is left as it is.
    if (NodeFileRecording(fileName) == path && runtime::ReadTextFile(path).lines == lines)
        return true;
    const QString owner = RecordedPath(runtime::ReadTextFile(path));
    if (!owner.isEmpty() && !RecordsFile(owner, fileName)) {
        if (error) *error = p_.texts.Say("%1 keeps the parts of %2", path, owner);
        return false;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    return runtime::WriteTextFile(path, lines, error);
}

bool Files::IsSinglePart() const {
    const NodeTable& t = p_.doc.FileNodes;
    return t.Count() == 1 && t.FirstRow(1) == 1 && t.LastRow(1) == p_.doc.lineCount() &&
           t.Name(0) == CurFileBase && t.Name(1) == CurFileBase && !t.InIndex(0) && !t.InIndex(1);
}

bool Files::LoadDbsFile(QString& name, int mode) {
    if (mode != 0) {
        frmDbase& window = p_.dbase(); // the collection the window has open
        return LoadDbsFile(name, mode, window.CollectionItems, window.lstBuff);
    }
    // The node file of this path, else one of the name alone (written before
    // node files took a hash of the path) when it records this path.
    const QString found = NodeFileRecording(CurFileName);
    name = found.isEmpty() ? NodeFileOf(CurFileName) : found;
    const runtime::TextFileContent file =
        found.isEmpty() ? runtime::TextFileContent() : runtime::ReadTextFile(found);
    NodeTable parts;
    const bool taken = !found.isEmpty() && IsCurrentVersion(p_, file.lines) &&
                       ReadEntries(file.lines, parts) && FitParts(parts, p_.doc.lineCount());
    NodeTable& nodes = p_.doc.FileNodes;
    if (taken) {
        nodes = parts;
        return true;
    }
    // One part over the whole document, named after the file.
    nodes.clear();
    nodes.setCount(1);
    nodes.setFirstRow(1, 1);
    nodes.setLastRow(1, p_.doc.lineCount());
    nodes.setName(0, CurFileBase);
    nodes.setName(1, CurFileBase);
    return false;
}

bool Files::LoadDbsFile(QString& name, int mode, NodeTable& items, QStringList& lines) {
    if (mode == 0) return LoadDbsFile(name, mode);
    name = p_.folder.path(runtime::Place::FilesFolder, name);
    const runtime::TextFileContent file = runtime::ReadTextFile(name);
    NodeTable read;
    if (!file.ok || !IsCurrentVersion(p_, file.lines) || !ReadEntries(file.lines, read))
        return false;
    p_.host.screen.setMousePointer(platform::Screen::PointerHourglass);
    items = read;
    lines.clear();
    // After the entries come "</Data>" and "<Subs>", then the lines themselves.
    for (qsizetype i = FirstEntryLine + read.Count() + 3; i < file.lines.size(); ++i) {
        if (file.lines.at(i) == QLatin1String("</Subs>")) break; // the section's end
        lines << file.lines.at(i);
    }
    p_.host.screen.setMousePointer(platform::Screen::PointerDefault);
    return true;
}
