#include "tools/SearchTab.h"

#include "platform/Grid.h"
#include "platform/Keys.h"
#include "runtime/Strings.h"
#include "shell/LabelButton.h"
#include "shell/Picker.h"
#include "shell/Program.h"
#include "tools/TimingTools.h"

namespace {

// Rows of the page, in twips from the top of the tab strip.
constexpr int SearchTop = 480, ReplaceTop = 840, ButtonsTop = 1320;
constexpr int Margin = 120, OptionWidth = 1095, FieldLeft = 1260, FieldWidth = 3555;
constexpr int FieldHeight = 285, ButtonWidth = 975, ButtonHeight = 255;
constexpr int FirstCol = 1, LastCol = 5;

// Each history entry's item data says where its search ends: the search's
// length + 1 when a replacement follows, SearchAlone for a search alone, and
// 0 (an entry put into the list as text) for "up to the first '>'".
constexpr int SearchAlone = -1;
// Between search and replacement in a history file line whose search holds ">".
constexpr QChar FileSeparator = QChar(0x1F);

// A cell holds no line breaks, and neither does a history line: each break
// in a typed or macro-given text counts as one blank.
QString OneLine(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

} // namespace

SearchTab::SearchTab(Program& p, platform::Container& page)
    : rtfSearch(page, "rtfSearch"), rtfReplace(page, "rtfReplace"),
      cmdSearch(page, "cmdSearch", "Go"), Command2(page, "Command2", "Del"),
      Label47(page, "Label47", ">>"), List4(page, "List4"), p_(p) {
    Option1.add(page, "Option1", 0, "Search");
    Option1.add(page, "Option1", 1, "Replace");
    Option1[0].setValue(true); // before wiring: the start reports nothing
    place();
    wire();
    registerCommands();
}

void SearchTab::place() {
    Option1[0].move(Margin, SearchTop, OptionWidth, FieldHeight);
    rtfSearch.move(FieldLeft, SearchTop, FieldWidth, FieldHeight);
    rtfSearch.setToolTipText("Text to search for (case is ignored); Enter runs Go");
    Option1[1].move(Margin, ReplaceTop, OptionWidth, FieldHeight);
    rtfReplace.move(FieldLeft, ReplaceTop, FieldWidth, FieldHeight);
    rtfReplace.setToolTipText("Replacement text; Enter runs Go");
    Label47.move(Margin, ButtonsTop, 375, ButtonHeight);
    Label47.setToolTipText("Search history");
    Command2.move(Margin + 420, ButtonsTop, ButtonWidth, ButtonHeight);
    Command2.setToolTipText("Remove the chosen entry from the search history");
    cmdSearch.move(FieldLeft + FieldWidth - ButtonWidth, ButtonsTop, ButtonWidth, ButtonHeight);
    cmdSearch.setToolTipText("Find the next cell, or replace in every cell from the current line");
    List4.move(FieldLeft, SearchTop, FieldWidth, ReplaceTop + FieldHeight - SearchTop);
    List4.zOrder(0);
    for (platform::Label* b : {&cmdSearch, &Command2, &Label47})
        MakeLabelButton(*b);
    ClosePicker(Label47, List4);
}

void SearchTab::wire() {
    Option1.onClick([this](int index) { SearchModeSelect(index); });
    rtfReplace.onChange = [this] { ReplaceTextChange(); };
    timing::EnterRunsGo(p_, rtfSearch, 506, [this] { SearchReplaceGo(); });
    timing::EnterRunsGo(p_, rtfReplace, 507, [this] { SearchReplaceGo(); });
    cmdSearch.onClick = [this] { SearchReplaceGo(); };
    Command2.onClick = [this] { SearchHistoryDelete(); };
    Label47.onClick = [this] { SearchHistoryPickerToggle(); };
    List4.onClick = [this] { SearchHistoryPick(); };
}

// Search walks the hits one Go at a time; Replace changes every cell from
// SearchIndex on. An empty search text would match everywhere: it does nothing.
void SearchTab::SearchReplaceGo() {
    p_.macro.SetMacroAction(QString(), 508);
    const QString search = OneLine(rtfSearch.text());
    const QString replacement = OneLine(rtfReplace.text());
    if (search.isEmpty()) return;
    if (replaceMode()) {
        if (!p_.history.SaveSnapshot(QStringLiteral("Replace"), QStringLiteral("[Original: ") +
                                                                    search +
                                                                    QStringLiteral("] [To: ") +
                                                                    replacement + QLatin1Char(']')))
            return;
        ReplaceAll(search, replacement);
    } else if (FindNext(search)) {
        return;
    }
    AddToHistory(search, replacement);
    p_.edit.ShowCurrentLine();
}

// The header row is never searched: a scan starts at line 1 at the earliest.
bool SearchTab::FindNext(const QString& search) {
    platform::Grid& g = p_.doc.grid();
    const int lines = p_.doc.lineCount();
    for (int r = std::max(p_.edit.SearchIndex, 1); r <= lines; ++r) {
        for (int c = FirstCol; c <= LastCol; ++c) {
            if (!g.textMatrix(r, c).contains(search, Qt::CaseInsensitive)) continue;
            // The line goes to the top first, so the editor is placed on the
            // cell where the grid then draws it.
            g.setTopRow(r);
            g.setCurrentCell(r, c); // shows the line
            p_.edit.SearchIndex = r + 1;
            return true;
        }
    }
    return false;
}

// Only the first occurrence in each cell is replaced; the rest of the cell
// stays as it was.
void SearchTab::ReplaceAll(const QString& search, const QString& replacement) {
    platform::Grid& g = p_.doc.grid();
    const int lines = p_.doc.lineCount();
    for (int r = std::max(p_.edit.SearchIndex, 1); r <= lines; ++r) {
        for (int c = FirstCol; c <= LastCol; ++c) {
            QString cell = g.textMatrix(r, c);
            const qsizetype pos = cell.indexOf(search, 0, Qt::CaseInsensitive);
            if (pos < 0) continue;
            cell.replace(pos, search.size(), replacement);
            g.setTextMatrix(r, c, cell);
            p_.doc.FileChanged = true;
            p_.doc.LineListValid = false;
        }
    }
}

bool SearchTab::HistoryTexts(int i, QString& search, QString& replacement) const {
    const QString entry = List4.list(i);
    const int data = List4.itemData(i);
    const qsizetype end = data > 0 ? data - 1 : data == 0 ? entry.indexOf(QLatin1Char('>')) : -1;
    if (end < 0) {
        search = entry;
        replacement.clear();
        return false;
    }
    search = entry.left(end);
    replacement = entry.mid(end + 1);
    return true;
}

void SearchTab::AddHistoryEntry(const QString& search, const QString& replacement, bool replaces) {
    const QString entry = replaces ? search + QLatin1Char('>') + replacement : search;
    const int data = replaces ? int(search.size()) + 1 : SearchAlone;
    for (int i = 0; i < List4.listCount(); ++i) {
        QString s, r;
        if (List4.list(i) == entry && HistoryTexts(i, s, r) == replaces && s == search) return;
    }
    List4.addItem(entry);
    List4.setItemData(List4.listCount() - 1, data);
}

void SearchTab::AddToHistory(const QString& search, const QString& replacement) {
    const QString entry = runtime::Trim(OneLine(search));
    if (entry.isEmpty()) return;
    const QString to = OneLine(replacement);
    AddHistoryEntry(entry, to, !to.isEmpty());
}

QStringList SearchTab::HistoryLines() const {
    QStringList lines;
    for (int i = 0; i < List4.listCount(); ++i) {
        QString search, replacement;
        HistoryTexts(i, search, replacement);
        if (search.contains(QLatin1Char('>')))
            lines << search + FileSeparator + replacement;
        else if (!List4.list(i).isEmpty())
            lines << List4.list(i);
    }
    return lines;
}

void SearchTab::ReadHistoryLines(const QStringList& lines) {
    for (const QString& line : lines) {
        const qsizetype separator = line.indexOf(FileSeparator);
        if (separator >= 0) {
            const QString replacement = line.mid(separator + 1);
            AddHistoryEntry(line.left(separator), replacement, !replacement.isEmpty());
        } else if (!line.isEmpty()) {
            List4.addItem(line); // read up to its first ">" when picked
        }
    }
}

void SearchTab::SearchModeSelect(int index) {
    p_.macro.SetMacroAction(QString(), 509 + index);
}

void SearchTab::ReplaceTextChange() {
    if (rtfReplace.text().isEmpty())
        Option1[0].setValue(true);
    else if (!replaceMode())
        Option1[1].setValue(true);
}

// An opened history shows no entry chosen, so any entry, also the one
// picked last time, can be picked again.
void SearchTab::SearchHistoryPickerToggle() {
    TogglePicker(Label47, List4);
    if (List4.visible()) List4.setListIndex(-1);
}

// An entry with a replacement fills both fields and chooses Replace; a
// search alone fills the search field and chooses Search.
void SearchTab::SearchHistoryPick() {
    const int chosen = List4.listIndex();
    if (chosen < 0) return;
    QString search, replacement;
    const bool replaces = HistoryTexts(chosen, search, replacement);
    rtfSearch.setText(search);
    rtfReplace.setText(replacement);
    Option1[replaces ? 1 : 0].setValue(true);
    SearchHistoryPickerToggle();
}

void SearchTab::SearchHistoryDelete() {
    const int chosen = List4.listIndex();
    if (chosen >= 0) List4.removeItem(chosen);
}
