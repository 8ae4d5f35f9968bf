#pragma once
// The Search/Replace tab of the editor (SSTab2, tab 1): finds the next cell
// holding a text (case ignored), or replaces the first occurrence of it in
// every cell from SearchIndex to the last line. The texts used go into the
// search history List4 (one entry a search text, or search text, ">" and
// replacement), which the start-up reads from and the exit routine writes to
// \System\sr.sdf; the picker Label47 opens and closes it, Command2 removes
// the chosen entry.

#include "platform/ControlArray.h"
#include "platform/Label.h"
#include "platform/ListBox.h"
#include "platform/OptionButton.h"
#include "platform/RichTextBox.h"

#include <QStringList>
#include <functional>

class Program;

class SearchTab {
public:
    SearchTab(Program& p, platform::Container& page);

    platform::ControlArray<platform::OptionButton> Option1; // 0 Search, 1 Replace
    platform::RichTextBox rtfSearch;
    platform::RichTextBox rtfReplace;
    platform::Label cmdSearch; // Go
    platform::Label Command2;  // Del: removes the chosen history entry
    platform::Label Label47;   // ">>"/"<<": the history picker
    platform::ListBox List4;   // the search history

    void SearchReplaceGo();
    void SearchModeSelect(int index);
    void ReplaceTextChange();
    void SearchHistoryPickerToggle();
    void SearchHistoryPick();
    void SearchHistoryDelete();

    // The history as lines of \System\sr.sdf, and back. An entry whose
    // search holds ">" is written as search, U+001F, replacement, so that it
    // comes back as it was used; every other entry keeps its shown form
    // ("search>replacement"), which files written before are read by.
    QStringList HistoryLines() const;
    void ReadHistoryLines(const QStringList& lines);

private:
    void place();
    void wire();
    void registerCommands();
    bool replaceMode() const { return Option1[1].value(); }
    bool FindNext(const QString& search);
    void ReplaceAll(const QString& search, const QString& replacement);
    // The history entry of a run: the search text without outer blanks, and
    // ">" and the replacement when there is one; none for a search of blanks.
    void AddToHistory(const QString& search, const QString& replacement);
    // Entry i's search and replacement texts; false for a search alone.
    bool HistoryTexts(int i, QString& search, QString& replacement) const;
    void AddHistoryEntry(const QString& search, const QString& replacement, bool replaces);

    Program& p_;
};

// The Editor's "mcrVar.Set" commands: each stores a field's value as a macro
// variable in the first free slot, named by the command's data (or
// "mcrVar[<slot>]" without data), and reports its code.
void AddVariableCommand(Program& p, const char* name, int code, std::function<QString()> value);
