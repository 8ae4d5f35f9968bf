// Recording: the user's commands become lines of the macro being edited, one
// line per action the timer sees, and what a recording keeps so that its
// replay does the same work by itself: the text of a field whose Enter runs
// Go, the file a load opened, the answer to a question; and a session
// recorded through the controls that replays after a restart on another file.

#include "MacroRun.h"
#include "MacroTabFixture.h"
#include "fileio/frmFile.h"
#include "support/FileBytes.h"
#include "tools/window_steps.h"

#include <QFileInfo>
#include <QTest>

namespace {

using window_steps::typeAndEnter;

QStringList cellsOf(Program& p) {
    QStringList cells;
    const platform::Grid& g = p.doc.grid();
    for (int r = 0; r < g.rows(); ++r)
        for (int c = 0; c < g.cols(); ++c)
            cells << g.textMatrix(r, c);
    return cells;
}

TEST(MacroReplay, EnterInAFieldRecordsItsTextAndDoesNotRunGo) {
    TestProgram t;
    loadFixture(t);
    frmMain& w = t.main();
    w.show();
    defineMacro(t, 0, "Fields", {});
    w.macroPickers.Combo5.setListIndex(0);
    w.search.Option1[1].setValue(true); // Replace: Go would change the text
    w.macroEditor.Command32[MacroEditor::Record].onClick();
    const struct {
        platform::Control* field;
        const char* typed;
        const char* line;
    } cases[] = {
        {&w.shift.rtfShiftDuration, "00:00:01,500", "Editor.Shift.Duration:=00:00:01,500"},
        {&w.editor.rtfStretchFirst, "00:00:02,000", "Editor.Stretch.First:=00:00:02,000"},
        {&w.editor.rtfStretchLast, "00:00:09,000", "Editor.Stretch.Last:=00:00:09,000"},
        {&w.timeTab.rtfTimeStart, "00:00:07,000", "Editor.Time.Start:=00:00:07,000"},
        {&w.timeTab.rtfTimeEnd, "00:00:08,000", "Editor.Time.End:=00:00:08,000"},
        {&w.search.rtfSearch, "Line", "Editor.SR.Search.Text:=Line"},
        {&w.search.rtfReplace, "Row", "Editor.SR.Replace.Text:=Row"},
        {&w.partition.rtfSplitEdit, "00:10:00,000", "Partition.Cel.Value:=00:10:00,000"},
        {&w.calculator.rtfCalcAdvDataInput, "A1+A2", "Calculator.Advanced.Cel.Value:=A1+A2"},
        {&w.calculator.rtfCalcClassicA[0], "00:00:04,000",
         "Calculator.Classic.Cel.A1.Value:=00:00:04,000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const QStringList before = cellsOf(t.program());
        c.field->setVisible(true);
        typeAndEnter(*c.field, c.typed);
        tick(w);
        const QStringList lines = itemsOf(w.macroEditor.List7);
        ASSERT_FALSE(lines.isEmpty());
        EXPECT_EQ(lines.last(), c.line);
        EXPECT_EQ(cellsOf(t.program()), before) << "Go does not run while recording";
    }
    w.macroEditor.Command32[MacroEditor::Record].onClick();
    // Not recording, Enter runs Go.
    typeAndEnter(w.shift.rtfShiftDuration, "00:00:01,000");
    EXPECT_EQ(t->doc.grid().textMatrix(1, 1), "00:00:00,000") << "shifted to the beginning";
    w.hide();
}

TEST(MacroReplay, AFailingFormulaRecordsTheEnterButton) {
    TestProgram t;
    t.main().load();
    frmMain& w = t.main();
    CalculatorTab& calc = w.calculator;
    defineMacro(t, 0, "Formula", {});
    w.macroPickers.Combo5.setListIndex(0);
    QStringList shown;
    answerModalsWithCancel(t->host.modal, &shown); // the failure's messages, however many
    w.macroEditor.Command32[MacroEditor::Record].onClick();
    calc.Calc.setCurrentCell(1, 1);
    calc.cmbCalcAdvFuncSelect.setListIndex(CalculatorTab::KindValue);
    calc.rtfCalcAdvDataInput.setText("0");
    calc.cmdExecCalcData.onClick();
    tick(w);
    calc.Calc.setCurrentCell(1, 2);
    calc.cmbCalcAdvFuncSelect.setListIndex(CalculatorTab::KindFunction);
    calc.rtfCalcAdvDataInput.setText("5/A1");
    calc.cmdExecCalcData.onClick();
    tick(w);
    EXPECT_FALSE(shown.isEmpty()) << "the formula failed with a message";
    const QStringList lines = itemsOf(w.macroEditor.List7);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.last(), "Calculator.Advanced.Enter") << lines.join(" | ").toStdString();
}

// The session a user records: open a file, shift it by 1.5 s towards the
// end, save it over itself. After a restart the macro's load is pointed at
// another file and Go does the same work on it.
TEST(MacroReplay, ALoadShiftSaveReplaysByteIdenticalOnAnotherFileAfterARestart) {
    ProgramFolder folder;
    const QString first = folder.write("Data/Files/first.srt", subRipLines(4));
    const QString second = folder.write("Data/Files/second.srt", subRipLines(4));
    {
        ProgramOn p(folder.path());
        frmMain& w = p.main();
        w.load();
        MacroTab tab(p);
        click(tab.ed().Command34);
        click(tab.ed().Command32[MacroEditor::Record]);
        p.answer<frmFile>([&w, first](frmFile& f) {
            tick(w);
            f.List2.setPath(QFileInfo(first).absolutePath());
            f.txtFilename.setText("first.srt");
            f.cmdActionClick(frmFile::Ok);
        });
        w.mnuLoadFile.click();
        tick(w);
        w.shift.Label37.onClick();
        w.shift.Combo2.setListIndex(1); // towards the end
        tick(w);
        w.show();
        typeAndEnter(w.shift.rtfShiftDuration, "00:00:01,500");
        tick(w);
        EXPECT_EQ(p->doc.grid().textMatrix(1, 1), "00:00:01,000") << "not shifted yet";
        window_steps::click(w.shift.Command13);
        tick(w);
        EXPECT_EQ(w.StatusBar1.panelText(3), "Macro [Editor.Shift.Go] recorded");
        p.answer<frmFile>([&w](frmFile& f) {
            tick(w);
            f.cmdActionClick(frmFile::Ok); // the name shown: the file's own
        });
        Message asked;
        p.reply(AnswerYes, &asked);
        w.mnuSavesubfile.click();
        tick(w);
        EXPECT_EQ(asked.title, "File exists");
        click(tab.ed().Command32[MacroEditor::Record]);
        EXPECT_FALSE(w.recorder.Timer2.enabled());
        const QStringList recorded = {"Menu.File.Load:=" + first,
                                      "Editor.Shift.Set.Direction.End",
                                      "Editor.Shift.Duration:=00:00:01,500",
                                      "Editor.Shift.Go",
                                      "View.Messagebox:=Answer: Yes",
                                      "Menu.Save.SubFile"};
        EXPECT_EQ(tab.storedLines(0), recorded);
        EXPECT_EQ(itemsOf(tab.ed().List7), recorded) << "what the user sees";
        w.hide();
        w.mnuExit.click();
    }
    const QByteArray recorded = readBytes(first);
    ASSERT_TRUE(recorded.contains("1\r\n00:00:02,500 --> 00:00:03,000")) << recorded.data();

    ProgramOn p(folder.path());
    frmMain& w = p.main();
    w.load();
    MacroTab tab(p);
    tab.pickMacro(0);
    tab.pickLine(0);
    tab.ed().rtfItemDescr.setText(second);
    click(tab.ed().Command53);
    p.answer<frmFile>([](frmFile& f) { f.cmdActionClick(frmFile::Ok); });
    click(w.executeList.Command31);
    EXPECT_EQ(readBytes(second), recorded);
    EXPECT_EQ(p->files.CurFileName, second);
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
    EXPECT_EQ(storedLines(t->macroLibrary, 0),
              QStringList({"System.Comment:=kept", "Editor.Time.Left:=00:00:05,000",
                           "View.Settings.System"}));
    EXPECT_EQ(t->macro.MacroAction.code, -1);
}

} // namespace
