#pragma once
// The exit routine: runs at each exit and each time the settings window
// closes, so the state files always hold the state of the last exit or
// settings change. In order: a changed document is offered for saving (Yes,
// No, and at an exit Cancel); the current calculator tablet is saved;
// \System\wizard.sdf and \System\Macro.sdf where this Mirel changed a macro,
// \System\sr.sdf (the search history) and \System\recent.sdf (the last five
// recent files), both merged with what another Mirel wrote, \System\last.sdf
// (the current subtitle file and the player's media file) and
// \System\pos.sdf (the main window's Left, Top, Width and Height) are
// written, each whole or not at all (one message names those that could not
// be, and why; the routine goes on); at an exit the scratch folder
// \Data\Temporarily is emptied last.

#include "runtime/ProgramFolder.h"

#include <QStringList>

class Program;

class ExitRoutine {
public:
    enum class Mode {
        Exit,           // the program ends after the routine
        SettingsClosed, // the program goes on; the scratch folder keeps its files
    };

    explicit ExitRoutine(Program& p) : p_(p) {}

    // False, with nothing written, when at an exit the user cancelled the
    // question about the changed document, or asked for it to be saved and
    // it was not (the chooser was cancelled, the write failed, the diagnose
    // question was refused): the program then does not end. True otherwise.
    bool SaveSettings(Mode mode);

    // What each file receives from this Mirel (the search history and the
    // recent files, all of them, before the merge).
    QStringList SearchHistoryLines() const;
    QStringList RecentFileLines() const;
    QStringList LastFileLines() const;
    QStringList WindowPositionLines() const;

    // How many recent files recent.sdf keeps.
    static constexpr int RecentKept = 5;

private:
    bool OfferToSave(Mode mode);
    void WriteStateFiles(QStringList& failed);
    void WriteSystemFile(runtime::Place file, const QStringList& lines, QStringList& failed);
    void WriteMergedList(runtime::Place file, const QStringList& held, QStringList& stored,
                         int keep, QStringList& failed);
    void ReportUnwritten(const QStringList& failed);

    Program& p_;
};
