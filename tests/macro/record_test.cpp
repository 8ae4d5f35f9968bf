// Recording: the user's commands become lines of the macro being edited, one
// line per action the timer sees; a recorded session replays the same work
// on another file.

#include "MacroRun.h"
#include "fileio/frmFile.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPixmap>
#include <QWidget>

namespace {

// The chooser answered as a user answers it: a folder opened, a name typed,
// Ok. The recorder's timer ticks while the chooser is open.
void chooseFile(TestProgram& t, const QString& path, int type) {
    const QFileInfo info(path);
    t.answer<frmFile>([&t, info, type](frmFile& f) {
        tick(t);
        f.List3.setListIndex(type);
        f.List2.setPath(info.absolutePath());
        f.txtFilename.setText(info.fileName());
        f.cmdActionClick(frmFile::Ok);
    });
}

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("missing");
}

QStringList storedLines(TestProgram& t, int slot) {
    QStringList lines;
    for (int l = 1; l < MacroLibrary::Lines; ++l) {
        const QString& line =
            t->macroLibrary.MacroStore[static_cast<std::size_t>(slot)][static_cast<std::size_t>(l)];
        if (line.isEmpty()) break;
        lines << line;
    }
    return lines;
}

constexpr int SubRip = 9;

TEST(MacroRecorder, ASessionRecordedOnOneFileReplaysOnAnother) {
    TestProgram t;
    frmMain& w = t.main();
    w.load();
    const QString first = t.writeDataFile("first.srt", subRipLines(4));
    const QString second = t.writeDataFile("second.srt", subRipLines(4));
    defineMacro(t, 0, "Session", {});
    w.macroPickers.Combo5.setListIndex(0);

    w.macroEditor.Command32[MacroEditor::Record].onClick();
    EXPECT_EQ(w.StatusBar1.panelText(3), "Recording macro");
    chooseFile(t, first, SubRip);
    w.mnuLoadFile.click();
    tick(t);
    w.shift.Label37.onClick(); // the direction picker: towards the end
    w.shift.Combo2.setListIndex(1);
    tick(t);
    w.shift.rtfShiftDuration.setText("00:00:01,500");
    w.shift.Command13.onClick();
    tick(t);
    EXPECT_EQ(w.StatusBar1.panelText(3), "Macro [Editor.Shift.Go] recorded");
    chooseFile(t, t.dataFilesPath("first shifted.srt"), SubRip);
    w.mnuSavesubfile.click();
    tick(t);
    w.macroEditor.Command32[MacroEditor::Record].onClick();
    EXPECT_FALSE(w.recorder.Timer2.enabled());

    const QStringList recorded = storedLines(t, 0);
    EXPECT_EQ(recorded, QStringList({"Menu.File.Load:=" + first, "Editor.Shift.Set.Direction.End",
                                     "Editor.Shift.Go", "Menu.Save.SubFile"}))
        << recorded.join(" | ").toStdString();

    // The replay loads the file its load line names, and asks where to save.
    t->macroLibrary.MacroStore[0][1] = "Menu.File.Load:=" + second;
    w.shift.Combo2.setListIndex(0);
    chooseFile(t, t.dataFilesPath("second shifted.srt"), SubRip);
    pressGo(t, 0);
    const QByteArray a = bytesOf(t.dataFilesPath("first shifted.srt"));
    EXPECT_TRUE(a.contains("00:00:02,500 --> 00:00:03,000")) << a.toStdString();
    EXPECT_EQ(bytesOf(t.dataFilesPath("second shifted.srt")), a);

    // What the user sees: the recorded lines in the editor's execute list.
    EXPECT_EQ(w.macroEditor.List7.listCount(), 4);
    w.tabMain.setTab(frmMain::TabMacros);
    w.show();
    QApplication::processEvents();
    const QPixmap shot = w.window()->grab();
    ASSERT_FALSE(shot.isNull());
    EXPECT_TRUE(shot.save(QCoreApplication::applicationDirPath() + "/macros_recorded.png"));
    w.hide();
}

TEST(MacroRecorder, OnlyTheLastActionBeforeATickIsRecordedWithItsText) {
    TestProgram t;
    frmMain& w = t.main();
    defineMacro(t, 0, "M", {"System.Comment:=kept"});
    w.macroPickers.Combo5.setListIndex(0);
    w.macroEditor.Command32[MacroEditor::Record].onClick();
    t->macro.SetMacroAction("3,7", 549);
    t->macro.SetMacroAction("00:00:05,000", 534); // replaces the first
    tick(t);
    tick(t);                           // each action once
    t->macro.SetMacroAction("", 9999); // no command reports it: dropped
    tick(t);
    t->macro.SetMacroAction("", 28); // two commands share it: the first
    tick(t);
    EXPECT_EQ(storedLines(t, 0),
              QStringList({"System.Comment:=kept", "Editor.Time.Left:=00:00:05,000",
                           "View.Settings.System"}));
    EXPECT_EQ(t->macro.MacroAction.code, -1);
    w.macroEditor.Command32[MacroEditor::Record].onClick();
    EXPECT_EQ(w.StatusBar1.panelText(3), "");
    EXPECT_EQ(t->macro.RecordMode, 0);
}

} // namespace
