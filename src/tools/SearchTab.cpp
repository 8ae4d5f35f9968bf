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
    for (platform::RichTextBox* field : {&rtfSearch, &rtfReplace})
        field->onKeyPress = [this](int& key) {
            if (key == platform::KeyReturn) SearchReplaceGo();
        };
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

QString SearchTab::HistoryEntry(const QString& search, const QString& replacement) {
    QString entry = runtime::Trim(OneLine(search));
    if (entry.isEmpty()) return entry;
    const QString to = OneLine(replacement);
    if (!to.isEmpty()) entry += QLatin1Char('>') + to;
    return entry;
}

void SearchTab::AddToHistory(const QString& search, const QString& replacement) {
    const QString entry = HistoryEntry(search, replacement);
    if (entry.isEmpty()) return;
    for (int i = 0; i < List4.listCount(); ++i)
        if (List4.list(i) == entry) return;
    List4.addItem(entry);
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

// "search>replacement" fills both fields and chooses Replace; an entry
// without ">" fills the search field and chooses Search.
void SearchTab::SearchHistoryPick() {
    if (List4.listIndex() < 0) return;
    const QString entry = List4.text();
    const qsizetype gt = entry.indexOf(QLatin1Char('>'));
    if (gt >= 0) {
        rtfSearch.setText(entry.left(gt));
        rtfReplace.setText(entry.mid(gt + 1));
        Option1[1].setValue(true);
    } else {
        rtfSearch.setText(entry);
        rtfReplace.setText(QString());
        Option1[0].setValue(true);
    }
    SearchHistoryPickerToggle();
}

void SearchTab::SearchHistoryDelete() {
    const int chosen = List4.listIndex();
    if (chosen >= 0) List4.removeItem(chosen);
}
