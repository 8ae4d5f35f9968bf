// The download list: \System\sublist.sdf read into FTPList through the
// format and language filters, and sorted by a column.

#include "online/Online.h"
#include "online/OnlineLists.h"
#include "runtime/Numbers.h"
#include "runtime/Strings.h"
#include "runtime/TextFile.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

#include <algorithm>

namespace {

// An entry is five fields, each followed by ";": original name, FTP name,
// format (lower case), language, editor. Text after the fifth ";" is ignored;
// a line with fewer is not an entry.
bool IsEntry(const QString& line) {
    return line.count(QLatin1Char(';')) >= 5;
}

// A filter word is contained anywhere in the lower-cased line ("" in every one).
bool Passes(const QString& line, const QString& formatWord, const QString& languageWord) {
    const QString lower = line.toLower();
    return lower.contains(formatWord) && lower.contains(languageWord);
}

QString FilterWord(const platform::ComboBox& list) {
    return list.listIndex() > 0 ? list.text().toLower() : QString();
}

// Numbers compare as numbers, anything else as text without case.
bool Before(const QString& a, const QString& b) {
    bool aNumber = false, bNumber = false;
    const double x = a.trimmed().toDouble(&aNumber), y = b.trimmed().toDouble(&bNumber);
    if (aNumber && bNumber) return x < y;
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

} // namespace

void Online::UpdateFTPList() {
    const runtime::TextFileContent file =
        runtime::ReadTextFile(p_.folder.path(runtime::Place::DownloadList));
    if (!file.ok || file.lines.isEmpty()) return; // the list stays as it was
    frmMain& main = p_.main();
    const QString formatWord = FilterWord(main.online.Combo7);
    const QString languageWord = FilterWord(main.online.Combo8[0]);
    QStringList entries;
    for (qsizetype i = 1; i < file.lines.size(); ++i)
        if (IsEntry(file.lines[i]) && Passes(file.lines[i], formatWord, languageWord))
            entries << file.lines[i];

    OnlineLists& lists = main.onlineLists;
    platform::Grid& grid = lists.FTPList;
    const int count = static_cast<int>(entries.size());
    grid.setRows(std::max(2, count + 1));
    grid.clear();
    lists.HeadFTPList();
    for (int r = 1; r <= count; ++r) {
        const QStringList fields = entries[r - 1].split(QLatin1Char(';'));
        grid.setTextMatrix(r, 0, runtime::TrimStr(r));
        for (int c = 1; c <= 5; ++c)
            grid.setTextMatrix(r, c, QLatin1Char(' ') + fields[c - 1]);
    }
    lists.Label21.setCaption(QStringLiteral("Mirel FTP [") + p_.texts.TextTable(4, 4) +
                             QStringLiteral(": ") + file.lines[0] + QStringLiteral(", ") +
                             runtime::Str(count) + QLatin1Char(' ') + p_.texts.TextTable(4, 5) +
                             QLatin1Char(']'));
    for (platform::Control* c : {static_cast<platform::Control*>(&lists.Command37),
                                 static_cast<platform::Control*>(&lists.Command46),
                                 static_cast<platform::Control*>(&lists.rtfFTPSearch)})
        c->setEnabled(count > 0);
}

// The rows move whole, ordered by the selected column; the search colours go.
void OnlineLists::SortFTPList(int order) {
    const int column = FTPList.col();
    std::vector<QStringList> rows;
    for (int r = 1; r < FTPList.rows(); ++r) {
        QStringList cells;
        for (int c = 0; c < FTPList.cols(); ++c)
            cells << FTPList.textMatrix(r, c);
        rows.push_back(cells);
    }
    std::stable_sort(rows.begin(), rows.end(), [&](const QStringList& a, const QStringList& b) {
        return order == 2 ? Before(b[column], a[column]) : Before(a[column], b[column]);
    });
    FTPList.clear();
    HeadFTPList();
    for (int r = 1; r < FTPList.rows(); ++r)
        for (int c = 0; c < FTPList.cols(); ++c)
            FTPList.setTextMatrix(r, c, rows[static_cast<std::size_t>(r - 1)][c]);
}

bool OnlineLists::IsPlainFileName(const QString& name) {
    if (name.isEmpty() || name.contains(QStringLiteral(".."))) return false;
    for (const QChar c : name)
        if (c == u'/' || c == u'\\' || c == u':' || c.unicode() < 0x20 || c.unicode() == 0x7F)
            return false;
    return true;
}
