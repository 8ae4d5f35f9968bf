#include "online/CollectionFile.h"

#include "document/MessageWindow.h"
#include "document/NodeTable.h"
#include "document/TimeCode.h"
#include "online/frmDbase.h"
#include "platform/Grid.h"
#include "runtime/Numbers.h"
#include "runtime/Strings.h"
#include "runtime/TextFile.h"
#include "shell/Program.h"

#include <QDir>
#include <QFileInfo>

namespace collection {

namespace {

const QString ZeroTime = QStringLiteral("00:00:00,000");

QString Padded(int number) {
    return QStringLiteral("%1").arg(number, 4, 10, QLatin1Char('0'));
}

QStringList Header(const QString& version, const QString& title, const NodeTable& t) {
    QStringList lines = {version,
                         QStringLiteral("<File>"),
                         title,
                         QStringLiteral("</File>"),
                         QStringLiteral("<Data>"),
                         runtime::TrimStr(t.Count())};
    for (int i = 0; i <= t.Count(); ++i)
        lines << EntryLine(t, i);
    lines << QStringLiteral("</Data>") << QStringLiteral("<Subs>");
    return lines;
}

// The line with its number field (up to the first "|") set to `number`.
QString Renumbered(const QString& line, int number) {
    const qsizetype bar = line.indexOf(QLatin1Char('|'));
    return bar < 0 ? line : Padded(number) + line.mid(bar);
}

// Items 1..Count with their lines gathered in item order: each item gets the
// places its lines now take. An item whose lines are not in the buffer is
// left with none (0,0).
void Compact(NodeTable& items, QStringList& buffer) {
    QStringList kept;
    for (int k = 1; k <= items.Count(); ++k) {
        const int first = std::max(items.FirstRow(k), 1);
        const int last = std::min(items.LastRow(k), static_cast<int>(buffer.size()));
        const int start = static_cast<int>(kept.size()) + 1;
        for (int line = first; line <= last; ++line)
            kept << Renumbered(buffer.at(line - 1), static_cast<int>(kept.size()) + 1);
        const bool any = last >= first;
        items.setFirstRow(k, any ? start : 0);
        items.setLastRow(k, any ? static_cast<int>(kept.size()) : 0);
    }
    items.setFirstRow(0, kept.isEmpty() ? 0 : 1);
    items.setLastRow(0, static_cast<int>(kept.size()));
    buffer = kept;
}

} // namespace

QString FileNameFor(const QString& subtitleName) {
    if (subtitleName.endsWith(QLatin1String(").dbs"))) return subtitleName;
    return QString(subtitleName).replace(QLatin1Char('.'), QLatin1Char('(')) +
           QStringLiteral(").dbs");
}

QString EntryLine(const NodeTable& t, int i) {
    return runtime::TrimStr(t.FirstRow(i)) + QLatin1Char(',') + runtime::TrimStr(t.LastRow(i)) +
           QLatin1Char(':') + t.Name(i) + (t.InIndex(i) ? QLatin1Char('1') : QLatin1Char('0'));
}

QString SubtitleLine(Program& p, int row, const QString& base) {
    const platform::Grid& grid = p.doc.grid();
    auto cell = [&](int col) { return runtime::Trim(grid.textMatrix(row, col)); };
    const QString minus = QStringLiteral("-");
    return QStringList{Padded(row),
                       TimeCalc(cell(1), base, minus),
                       TimeCalc(cell(2), base, minus),
                       cell(3),
                       cell(4),
                       cell(5)}
        .join(QLatin1Char('|'));
}

QStringList DocumentLines(Program& p) {
    const NodeTable& parts = p.doc.FileNodes;
    QStringList lines = Header(p.shell.ProgramVersion, p.files.CurFileName, parts);
    const platform::Grid& grid = p.doc.grid();
    int k = 1;
    QString base = ZeroTime;
    for (int r = 1; r <= p.doc.lineCount(); ++r) {
        lines << SubtitleLine(p, r, base);
        // The next item's times run from the end of this one's last line.
        if (r == parts.LastRow(k)) {
            ++k;
            base = runtime::Trim(grid.textMatrix(r, 2));
        }
    }
    lines << QStringLiteral("</Subs>");
    return lines;
}

QStringList CollectionLines(const QString& version, NodeTable& items, QStringList& buffer,
                            bool allLines) {
    if (!allLines) Compact(items, buffer);
    QStringList lines = Header(version, items.Name(0), items);
    lines += buffer;
    lines << QStringLiteral("</Subs>");
    return lines;
}

namespace {

const QString TitleRecord = QStringLiteral("title");
const QString ItemRecord = QStringLiteral("item\n");

// A subtitle line without its number (up to the first "|").
QString Unnumbered(const QString& line) {
    const qsizetype bar = line.indexOf(QLatin1Char('|'));
    return bar < 0 ? line : line.mid(bar);
}

runtime::StoreRecords RecordsOf(const NodeTable& items, const QStringList& buffer) {
    const auto flag = [&items](int k) {
        return items.InIndex(k) ? QStringLiteral("1") : QString();
    };
    runtime::StoreRecords records{{TitleRecord, {items.Name(0), flag(0)}}};
    for (int k = 1; k <= items.Count(); ++k) {
        QStringList lines;
        for (int line = std::max(items.FirstRow(k), 1);
             line <= std::min(items.LastRow(k), static_cast<int>(buffer.size())); ++line)
            lines << Unnumbered(buffer.at(line - 1));
        records.push_back({ItemRecord + lines.join(QLatin1Char('\n')), {items.Name(k), flag(k)}});
    }
    return records;
}

} // namespace

runtime::StoreRecords CollectionRecords::HeldRecords() const {
    return RecordsOf(items_, buffer_);
}

bool CollectionRecords::FileRecords(runtime::StoreRecords& records, QString* error) const {
    NodeTable items;
    QStringList buffer;
    QString name = file;
    if (!p_.files.LoadDbsFile(name, 1, items, buffer)) {
        if (error)
            *error = QStringLiteral("it was deleted or changed beyond reading since it was read");
        return false;
    }
    records = RecordsOf(items, buffer);
    return true;
}

// The items in their merged order, each with its own lines, numbered anew.
bool CollectionRecords::WriteRecords(const runtime::StoreRecords& merged, QString* error) {
    NodeTable items;
    QStringList buffer;
    int k = 0;
    for (const runtime::StoreRecord& r : merged) {
        if (r.name == TitleRecord) {
            items.setName(0, r.content.value(0));
            items.setInIndex(0, !r.content.value(1).isEmpty());
            continue;
        }
        if (++k > NodeTable::MaxCount) break;
        const QStringList lines = r.name.mid(ItemRecord.size()).split(QLatin1Char('\n'));
        const bool any = r.name.size() > ItemRecord.size();
        items.setFirstRow(k, any ? static_cast<int>(buffer.size()) + 1 : 0);
        for (const QString& line : any ? lines : QStringList())
            buffer << (line.startsWith(QLatin1Char('|'))
                           ? Padded(static_cast<int>(buffer.size()) + 1) + line
                           : line);
        items.setLastRow(k, any ? static_cast<int>(buffer.size()) : 0);
        items.setName(k, r.content.value(0));
        items.setInIndex(k, !r.content.value(1).isEmpty());
    }
    items.setCount(std::min(k, NodeTable::MaxCount));
    items.setFirstRow(0, buffer.isEmpty() ? 0 : 1);
    items.setLastRow(0, static_cast<int>(buffer.size()));
    const QString path = p_.folder.path(runtime::Place::FilesFolder, file);
    return runtime::WriteTextFile(
        path, CollectionLines(p_.shell.ProgramVersion, items, buffer, true), error);
}

} // namespace collection

namespace {

bool ReportNotWritten(Program& p, const QString& path, const QString& why) {
    p.messages.ShowMessage(p.texts.Say("The collection file %1 was not written (%2).\r\nAny file "
                                       "of that name is left as it was.",
                                       MessageWindow::Verbatim(path),
                                       MessageWindow::Verbatim(p.texts.Told(why))),
                           KindExclamation, QStringLiteral("ok"), p.texts.TextTable(9, 13));
    return false;
}

} // namespace

bool SaveDbsFile(Program& p, const QString& name, int source, bool allLines) {
    using namespace collection;
    if (source != FromEditor && source != FromCollection)
        return ReportNotWritten(p, name, QStringLiteral("no collection to write"));
    const QString fileName = source == FromEditor ? FileNameFor(name) : name;
    const QString path = p.folder.path(runtime::Place::FilesFolder, fileName);
    if (name.isEmpty() || path.isEmpty())
        return ReportNotWritten(p, fileName, QStringLiteral("not a file name"));
    p.host.screen.setMousePointer(platform::Screen::PointerHourglass);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QString error;
    bool written = false;
    if (source == FromEditor) {
        written = runtime::WriteTextFile(path, DocumentLines(p), &error);
    } else {
        frmDbase& window = p.dbase();
        if (!allLines)
            CollectionLines(p.shell.ProgramVersion, window.CollectionItems, window.lstBuff,
                            false); // the deleted item's lines go
        QStringList told;
        written = window.records.Save(told, &error);
        p.messages.ShowTold(told, QStringLiteral("Collection"));
    }
    if (p.hasDbase()) p.dbase().List1.refresh();
    p.host.screen.setMousePointer(platform::Screen::PointerDefault);
    return written || ReportNotWritten(p, path, error);
}
