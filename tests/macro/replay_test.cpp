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
#include <QProcess>
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
        // The advanced calculator's Enter key enters the formula, as its
        // button does, and is recorded as the button after the formula.
        {&w.calculator.rtfCalcAdvDataInput, "A1+A2", "Calculator.Advanced.Enter"},
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

// What the user does by hand: open a file, shift it by 1.5 s towards the
// end with the duration typed and Go clicked, save it over itself.
void loadShiftSave(ProgramOn& p, const QString& file) {
    frmMain& w = p.main();
    p.answer<frmFile>([&w, file](frmFile& f) {
        tick(w);
        f.List2.setPath(QFileInfo(file).absolutePath());
        f.txtFilename.setText(QFileInfo(file).fileName());
        f.cmdActionClick(frmFile::Ok);
    });
    w.mnuLoadFile.click();
    tick(w);
    w.shift.Label37.onClick();
    w.shift.Combo2.setListIndex(1); // towards the end
    tick(w);
    w.show();
    window_steps::type(w.shift.rtfShiftDuration, "00:00:01,500");
    tick(w);
    window_steps::click(w.shift.Command13);
    tick(w);
    p.answer<frmFile>([&w](frmFile& f) {
        tick(w);
        f.cmdActionClick(frmFile::Ok); // the name shown: the file's own
    });
    Message asked;
    p.reply(AnswerYes, &asked);
    w.mnuSavesubfile.click();
    tick(w);
    EXPECT_EQ(asked.title, "File exists");
    w.hide();
}

// The session a user records, then replays after a restart (a second
// process) with its load and save pointed at another file: the other file
// comes out byte for byte as the same steps by hand make it.
TEST(MacroReplay, ALoadShiftSaveReplaysByteIdenticalOnAnotherFileAfterARestart) {
    if (qEnvironmentVariableIsSet("MIREL_REPLAY_CHILD")) {
        const QString other = qEnvironmentVariable("MIREL_REPLAY_FILE");
        ProgramOn p(qEnvironmentVariable("MIREL_REPLAY_CHILD"));
        frmMain& w = p.main();
        w.load();
        MacroTab tab(p);
        tab.pickMacro(0);
        const int last = tab.storedLines(0).size() - 1;
        for (int line : {0, last}) {
            tab.pickLine(line);
            tab.ed().rtfItemDescr.setText(other);
            click(tab.ed().Command53);
        }
        click(w.executeList.Command31); // no chooser, no question shown
        EXPECT_EQ(p->files.CurFileName, other);
        return;
    }
    ProgramFolder folder;
    const QString nine = folder.write("Data/Files/nine.srt", subRipLines(9));
    const QString other = folder.write("Data/Files/other.srt", subRipLines(7));
    const QString byHand = folder.write("Data/Files/by_hand.srt", subRipLines(7));
    {
        ProgramOn p(folder.path());
        frmMain& w = p.main();
        w.load();
        MacroTab tab(p);
        click(tab.ed().Command34);
        click(tab.ed().Command32[MacroEditor::Record]);
        loadShiftSave(p, nine);
        click(tab.ed().Command32[MacroEditor::Record]);
        EXPECT_FALSE(w.recorder.Timer2.enabled());
        const QStringList recorded = {"Menu.File.Load:=" + nine,
                                      "Editor.Shift.Set.Direction.End",
                                      "Editor.Shift.Duration:=00:00:01,500",
                                      "Editor.Shift.Go",
                                      "File.Handling.Set.Settings.Type:=9",
                                      "View.Messagebox:=Answer: Yes",
                                      "Menu.Save.SubFile:=" + nine};
        EXPECT_EQ(tab.storedLines(0), recorded);
        EXPECT_EQ(itemsOf(tab.ed().List7), recorded) << "what the user sees";
        w.mnuExit.click();
    }
    ASSERT_TRUE(readBytes(nine).contains("1\r\n00:00:02,500 --> 00:00:03,000"))
        << readBytes(nine).data();
    {
        ProgramFolder handFolder; // the same steps by hand, nothing recorded
        ProgramOn p(handFolder.path());
        p.main().load();
        loadShiftSave(p, byHand);
        p.main().mnuExit.click();
    }
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("MIREL_REPLAY_CHILD"), folder.path());
    env.insert(QStringLiteral("MIREL_REPLAY_FILE"), other);
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=MacroReplay.ALoadShiftSaveReplays*")});
    ASSERT_TRUE(child.waitForFinished(60000));
    EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardOutput().toStdString();
    EXPECT_NE(readBytes(byHand), subRipLines(7)) << "shifted by hand";
    EXPECT_EQ(readBytes(other), readBytes(byHand));
}

// What the tools act on: the document, the calculator's cells, the span
// list and the part files the last Go wrote.
QStringList toolCells(Program& p) {
    QStringList cells = cellsOf(p);
    for (const platform::Grid* g : {&p.main().calculator.Calc, &p.main().partition.grid})
        for (int r = 1; r < g->rows(); ++r)
            for (int c = 0; c < g->cols(); ++c)
                cells << g->textMatrix(r, c);
    return cells + itemsOf(p.main().partition.List2);
}

struct Typed {
    platform::Control* field;
    const char* text;
    bool enter = false;
};
// A tool used while recording: choices made first, fields typed (a tick
// after each, as the event loop runs one before the user's next step),
// then Go clicked (none: the last Enter was the Go). Then the lines recorded.
struct ToolUse {
    const char* tool;
    std::function<void()> choose;
    std::vector<Typed> typed;
    platform::Label* go;
    QStringList recorded;
    // A Go refused with a message of this title: its replay meets the same
    // message, never an empty box, and changes nothing either.
    const char* refusal = nullptr;
};

std::vector<ToolUse> toolUses(frmMain& w) {
    CalculatorTab& calc = w.calculator;
    const auto cell = [&w, &calc] {
        w.tabMain.setTab(frmMain::TabCalculator);
        calc.Calc.setCurrentCell(2, 3);
        calc.Label16.onClick(); // the kind picker opens; the pick closes it
        calc.cmbCalcAdvFuncSelect.setListIndex(CalculatorTab::KindValue);
    };
    const QStringList calcLines = {
        "Calculator.Advanced.Set.Value", "Calculator.Advanced.Cel.Select:=C,2",
        "Calculator.Advanced.Cel.Value:=42", "Calculator.Advanced.Enter"};
    platform::RichTextBox& span = w.partition.rtfSplitEdit;
    return {
        {"Shift in the direction shown",
         {},
         {{&w.shift.rtfShiftDuration, "00:00:00,500"}},
         &w.shift.Command13,
         {"Editor.Shift.Set.Direction.Beginning", "Editor.Shift.Duration:=00:00:00,500",
          "Editor.Shift.Go"}},
        {"Shift refused below zero",
         {},
         {{&w.shift.rtfShiftDuration, "00:00:15,000"}},
         &w.shift.Command13,
         {"Editor.Shift.Set.Direction.Beginning", "Editor.Shift.Duration:=00:00:15,000",
          "Editor.Shift.Go"},
         "Shift"},
        {"Stretch",
         {},
         {{&w.editor.rtfStretchFirst, "00:00:02,000"}, {&w.editor.rtfStretchLast, "00:00:07,000"}},
         &w.stretch.Command12,
         {"Editor.Stretch.First:=00:00:02,000", "Editor.Stretch.Last:=00:00:07,000",
          "Editor.Stretch.Go"}},
        {"Time",
         {},
         {{&w.timeTab.rtfTimeStart, "00:00:07,000"}, {&w.timeTab.rtfTimeEnd, "00:00:08,000"}},
         &w.timeTab.Command19,
         {"Editor.Time.Start:=00:00:07,000", "Editor.Time.End:=00:00:08,000", "Editor.Time.Go"}},
        {"Frame rate",
         [&w] {
             w.frameRate.Combo14[0].setListIndex(2);
             w.frameRate.Combo14[1].setListIndex(0);
         },
         {},
         &w.frameRate.Command52,
         {"Editor.FR.Set.To.23.970", "Editor.FR.Set.From.25.000", "Editor.FR.Go"}},
        {"Replace",
         {},
         {{&w.search.rtfSearch, "Line"}, {&w.search.rtfReplace, "Row"}},
         &w.search.cmdSearch,
         {"Editor.SR.Set.Replace", "Editor.SR.Search.Text:=Line", "Editor.SR.Replace.Text:=Row",
          "Editor.SR.Go"}},
        {"Advanced calculator, Enter button",
         cell,
         {{&calc.rtfCalcAdvDataInput, "42"}},
         &calc.cmdExecCalcData,
         calcLines},
        {"Advanced calculator, Enter key",
         cell,
         {{&calc.rtfCalcAdvDataInput, "42", true}},
         nullptr,
         calcLines},
        {"Partition, the last length typed without Enter",
         [&w] {
             w.tabMain.setTab(frmMain::TabPartition);
             w.partition.grid.setCurrentCell(1, 1);
         },
         {{&span, "part1", true},
          {&span, "00:00:02,000", true},
          {&span, "part2", true},
          {&span, "00:00:20,000"}},
         &w.partition.command5,
         {"View.Partition", "Partition.Cel.Value:=part1", "Partition.Cel.Value:=00:00:02,000",
          "Partition.Cel.Value:=part2", "Partition.Cel.Value:=00:00:20,000", "Partition.Go"}},
    };
}

// Each tool used while recording, the fields filled however (typed without
// Enter, picked, shown by the program), Go clicked: the recorded macro,
// replayed by a fresh program on the same file, gives what the click gave.
TEST(MacroRecorder, GoRecordsTheFieldsItReadsAndReplaysOnAFreshDocument) {
    const std::size_t tools = [] {
        TestProgram t;
        return toolUses(t.main()).size();
    }();
    for (std::size_t i = 0; i < tools; ++i) {
        QStringList recorded, byHand;
        QString tool;
        Message refused, replayed;
        {
            TestProgram t;
            loadFixture(t);
            frmMain& w = t.main();
            const ToolUse use = toolUses(w)[i];
            tool = use.tool;
            w.show();
            defineMacro(t, 0, "Tool", {});
            w.macroPickers.Combo5.setListIndex(0);
            const QStringList before = toolCells(t.program());
            if (use.refusal) t.reply(AnswerOk, &refused);
            w.macroEditor.Command32[MacroEditor::Record].onClick();
            if (use.choose) use.choose();
            tick(w);
            for (const Typed& typed : use.typed) {
                typed.field->setVisible(true);
                if (typed.enter)
                    typeAndEnter(*typed.field, typed.text);
                else
                    window_steps::type(*typed.field, typed.text);
                tick(w);
            }
            if (use.go) use.go->onClick();
            tick(w);
            w.macroEditor.Command32[MacroEditor::Record].onClick();
            recorded = storedLines(t->macroLibrary, 0);
            byHand = toolCells(t.program());
            if (use.refusal)
                EXPECT_EQ(refused.title, use.refusal);
            else
                EXPECT_NE(byHand, before) << use.tool << ": the click changed nothing";
            EXPECT_EQ(recorded.join(" | ").toStdString(), use.recorded.join(" | ").toStdString())
                << use.tool;
            w.hide();
        }
        TestProgram fresh;
        loadFixture(fresh);
        defineMacro(fresh, 0, "Tool", recorded);
        if (!refused.title.isEmpty()) fresh.reply(AnswerOk, &replayed);
        pressGo(fresh, 0);
        EXPECT_EQ(replayed.text, refused.text) << tool.toStdString();
        EXPECT_EQ(toolCells(fresh.program()).join(" | ").toStdString(),
                  byHand.join(" | ").toStdString())
            << tool.toStdString();
    }
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
