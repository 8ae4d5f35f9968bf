#pragma once
// The file menu's commands: New, Open (Load), Add, Save, Save Settings,
// Print and Preview, and Save's writing step SaveSubFile. Each is the one
// handler that the menu, the navigation tree, the macros and the main
// window's drop call; each reports its action code as its last step, except
// when the file chooser was cancelled.

#include "platform/Printer.h"

#include <QString>
#include <QStringList>

class Program;
class frmFile;

class FileCommands {
public:
    explicit FileCommands(Program& p);

    // Action codes reported to the macro recorder.
    enum Action {
        ActionNew = 101,
        ActionLoad = 102,
        ActionAdd = 103,
        ActionSave = 104,
        ActionSaveSettings = 105,
        ActionPrint = 106,
        ActionChooserType = 1401,
        ActionLoadByName = 1404 // a wait on it waits for any load
    };

    // A new document: one empty line, named Noname in \Data\Files with the
    // partition format's extension, unchanged. A changed document is offered
    // for saving first; Cancel (or closing the question) keeps it.
    void MenuNewFile();
    // Opens `file`, or when it is empty the file chosen in the chooser (a
    // recorded load replays without it), through OpenFile. Reports the file
    // it loaded.
    void MenuLoadFile(const QString& file = QString());
    // A file a macro line names: a name without a folder is in \Data\Files.
    QString MacroFileName(const QString& name) const;
    // What Open does with a file once it is named, for every way a file is
    // opened (the chooser, a recent file, the command line, a macro, the last
    // file at start): a setting file (.scd) is read as such; any other file
    // is loaded (format 0 detects it) and, unless it was a sound file for the
    // player, checked with the repairs switched off. `interactive` shows the
    // progress log and asks about bad lines. Nothing while a load runs.
    void OpenFile(const QString& name, int format, bool interactive);
    // Appends a chosen subtitle file after the document's last line; the
    // document keeps its own format.
    void MenuAddFile(const QString& file = QString());
    // Saves the document under a chosen name and format. True only when the
    // file was written; the document counts as saved only then.
    // With a file name (a recorded Save) the file is written in the type the
    // chooser holds, without showing it; without one the chooser asks.
    bool MenuSaveSubFile(const QString& file = QString());
    // Writes grid rows 1..lastRow in a format to the current file (the chosen
    // name that ShowFileInfo left in the chooser) and marks the document
    // saved; false, with nothing marked, when the file was not written.
    bool SaveSubFile(int& format, int& lastRow);
    // Writes a setting file (the clipboard list, the partition list and the
    // font choices) under a chosen name.
    void MenuSaveSettings();
    // Shows the document as the current format writes it.
    void MenuPreview();
    // Prints one line per subtitle: the number padded to five digits, the
    // times and the three text lines.
    void MenuPrint();

    // One printed line of grid row `row`.
    QString PrintLine(int row) const;
    // The chooser as a save shows it: the type the user is offered (the
    // document's, or the last save's when "save as the same format" is off),
    // the current file's folder and name.
    frmFile& PresetChooserForSave();

    platform::Printer printer;

    // Help pages of the file commands.
    enum HelpPage {
        HelpLoad = 22,
        HelpAdd = 23,
        HelpSave = 24,
        HelpPreview = 25,
        HelpSaveSettings = 29
    };

private:
    // With AutoHelp on: the left pane's help tab on the command's page.
    void InstantHelp(int page);
    bool ConfirmDiscardChanges();
    void ResetGridForNew();
    void ResetPartsForNew();
    void ShowEditorForNew();
    frmFile& PresetChooserForLoad();
    frmFile& PresetChooserForAdd();
    frmFile& PresetChooserForSettings();
    void ShowCurrentFile(frmFile& chooser);
    static int LoadFormatOf(int type);
    void LoadChosenFile(const QString& name, int format, int startRow, bool interactive = true);
    void KeepDocumentFormat(int format);
    void RepairFreeDiagnose();
    bool ConfirmDiagnoseErrors();
    bool SaveAs(const QString& name, int format);
    void MarkSaved(int format);
    void ReportFailure(const QString& text, const QString& title);

    Program& p_;
    int savedType_ = 0;        // the format chosen at the last save
    QStringList partsNotKept_; // files whose parts were said not kept
};
