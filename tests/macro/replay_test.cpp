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

QStringList calculatorCells(Program& p) {
    QStringList cells;
    const platform::Grid& g = p.main().calculator.Calc;
    for (int r = 1; r < g.rows(); ++r)
        for (int c = 1; c < g.cols(); ++c)
            cells << g.textMatrix(r, c);
    return cells;
}

// The span list and the files the last Go wrote.
QStringList partitionCells(Program& p) {
    PartitionTab& tab = p.main().partition;
    QStringList cells;
    for (int r = 1; r < tab.grid.rows(); ++r)
        for (int c = 0; c < tab.grid.cols(); ++c)
            cells << tab.grid.textMatrix(r, c);
    return cells + itemsOf(tab.List2);
}

// What a user does with a tool while recording: fills its fields however
// (typed without Enter, picked from a list, set by the program) and clicks
// Go. The recorded macro, replayed by a fresh program on the same file,
// gives the grid the user's click gave.
TEST(MacroRecorder, GoRecordsTheFieldsItReadsAndReplaysOnAFreshDocument) {
    using window_steps::type;
    const auto typed = [](platform::Control& field, const char* text) {
        field.setVisible(true);
        type(field, text);
    };
    const struct Row {
        const char* tool;
        std::function<void(frmMain&)> fill; // ticks where the event loop would
        std::function<void(frmMain&)> go;
        QStringList recorded;
        std::function<QStringList(Program&)> cells;
    } rows[] = {
        {"Shift towards the end",
         [&](frmMain& w) {
             w.shift.Label37.onClick();
             w.shift.Combo2.setListIndex(1);
             tick(w);
             typed(w.shift.rtfShiftDuration, "00:00:00,250");
             tick(w);
         },
         [](frmMain& w) { w.shift.Command13.onClick(); },
         {"Editor.Shift.Set.Direction.End", "Editor.Shift.Duration:=00:00:00,250",
          "Editor.Shift.Go"},
         cellsOf},
        {"Shift in the direction shown",
         [&](frmMain& w) { typed(w.shift.rtfShiftDuration, "00:00:00,500"); },
         [](frmMain& w) { w.shift.Command13.onClick(); },
         {"Editor.Shift.Set.Direction.Beginning", "Editor.Shift.Duration:=00:00:00,500",
          "Editor.Shift.Go"},
         cellsOf},
        {"Stretch",
         [&](frmMain& w) {
             typed(w.editor.rtfStretchFirst, "00:00:02,000");
             typed(w.editor.rtfStretchLast, "00:00:07,000");
         },
         [](frmMain& w) { w.stretch.Command12.onClick(); },
         {"Editor.Stretch.First:=00:00:02,000", "Editor.Stretch.Last:=00:00:07,000",
          "Editor.Stretch.Go"},
         cellsOf},
        {"Time",
         [&](frmMain& w) {
             typed(w.timeTab.rtfTimeStart, "00:00:07,000");
             typed(w.timeTab.rtfTimeEnd, "00:00:08,000");
         },
         [](frmMain& w) { w.timeTab.Command19.onClick(); },
         {"Editor.Time.Start:=00:00:07,000", "Editor.Time.End:=00:00:08,000", "Editor.Time.Go"},
         cellsOf},
        {"Frame rate",
         [](frmMain& w) {
             w.frameRate.Combo14[0].setListIndex(2); // no tick: the later pick replaces it
             w.frameRate.Combo14[1].setListIndex(0);
         },
         [](frmMain& w) { w.frameRate.Command52.onClick(); },
         {"Editor.FR.Set.From.25.000", "Editor.FR.Set.To.23.970", "Editor.FR.Go"},
         cellsOf},
        {"Replace",
         [&](frmMain& w) {
             typed(w.search.rtfSearch, "Line");
             tick(w);
             typed(w.search.rtfReplace, "Row");
             tick(w);
         },
         [](frmMain& w) { w.search.cmdSearch.onClick(); },
         {"Editor.SR.Set.Replace", "Editor.SR.Search.Text:=Line", "Editor.SR.Replace.Text:=Row",
          "Editor.SR.Go"},
         cellsOf},
        {"Advanced calculator, Enter button",
         [&](frmMain& w) {
             w.tabMain.setTab(frmMain::TabCalculator);
             w.calculator.Calc.setCurrentCell(2, 3);
             w.calculator.Label16.onClick(); // the kind picker opens; the pick closes it
             w.calculator.cmbCalcAdvFuncSelect.setListIndex(CalculatorTab::KindValue);
             typed(w.calculator.rtfCalcAdvDataInput, "42");
         },
         [](frmMain& w) { w.calculator.cmdExecCalcData.onClick(); },
         {"Calculator.Advanced.Cel.Select:=C,2", "Calculator.Advanced.Set.Value",
          "Calculator.Advanced.Cel.Value:=42", "Calculator.Advanced.Enter"},
         calculatorCells},
        {"Advanced calculator, Enter key",
         [](frmMain& w) {
             w.tabMain.setTab(frmMain::TabCalculator);
             w.calculator.Calc.setCurrentCell(2, 3);
             w.calculator.Label16.onClick(); // the kind picker opens; the pick closes it
             w.calculator.cmbCalcAdvFuncSelect.setListIndex(CalculatorTab::KindValue);
         },
         [](frmMain& w) {
             w.calculator.rtfCalcAdvDataInput.setVisible(true);
             typeAndEnter(w.calculator.rtfCalcAdvDataInput, "42");
         },
         {"Calculator.Advanced.Cel.Select:=C,2", "Calculator.Advanced.Set.Value",
          "Calculator.Advanced.Cel.Value:=42", "Calculator.Advanced.Enter"},
         calculatorCells},
        {"Partition, the last length typed without Enter",
         [&](frmMain& w) {
             w.tabMain.setTab(frmMain::TabPartition);
             w.partition.grid.setCurrentCell(1, 1);
             w.partition.rtfSplitEdit.setVisible(true);
             typeAndEnter(w.partition.rtfSplitEdit, "part1");
             tick(w);
             typeAndEnter(w.partition.rtfSplitEdit, "00:00:02,000");
             tick(w);
             typeAndEnter(w.partition.rtfSplitEdit, "part2");
             tick(w);
             typed(w.partition.rtfSplitEdit, "00:00:20,000");
         },
         [](frmMain& w) { w.partition.command5.onClick(); },
         {"Partition.Cel.Value:=part1", "Partition.Cel.Value:=00:00:02,000",
          "Partition.Cel.Value:=part2", "Partition.Cel.Value:=00:00:20,000", "Partition.Go"},
         partitionCells},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.tool);
        QStringList recorded, byHand;
        {
            TestProgram t;
            loadFixture(t);
            frmMain& w = t.main();
            w.show();
            defineMacro(t, 0, "Tool", {});
            w.macroPickers.Combo5.setListIndex(0);
            const QStringList before = row.cells(t.program());
            w.macroEditor.Command32[MacroEditor::Record].onClick();
            row.fill(w);
            row.go(w);
            tick(w);
            w.macroEditor.Command32[MacroEditor::Record].onClick();
            recorded = storedLines(t->macroLibrary, 0);
            byHand = row.cells(t.program());
            EXPECT_NE(byHand, before) << "the click changed the document";
            w.hide();
        }
        EXPECT_EQ(recorded.join(" | ").toStdString(), row.recorded.join(" | ").toStdString());
        TestProgram fresh;
        loadFixture(fresh);
        defineMacro(fresh, 0, "Tool", recorded);
        pressGo(fresh, 0);
        EXPECT_EQ(row.cells(fresh.program()).join(" | ").toStdString(),
                  byHand.join(" | ").toStdString());
    }
}

// A Go that is refused records the Go, not the message: its replay meets the
// same refusal with its own text, never an empty message box.
TEST(MacroRecorder, ARefusedGoRecordsTheGoAndItsReplayMeetsTheSameRefusal) {
    QStringList recorded;
    Message refused;
    {
        TestProgram t;
        loadFixture(t);
        frmMain& w = t.main();
        w.show();
        defineMacro(t, 0, "Refused", {});
        w.macroPickers.Combo5.setListIndex(0);
        w.macroEditor.Command32[MacroEditor::Record].onClick();
        window_steps::type(w.shift.rtfShiftDuration, "00:00:15,000"); // below zero
        t.reply(AnswerOk, &refused);
        w.shift.Command13.onClick();
        tick(w);
        w.macroEditor.Command32[MacroEditor::Record].onClick();
        recorded = storedLines(t->macroLibrary, 0);
        w.hide();
    }
    EXPECT_EQ(refused.title, "Shift");
    EXPECT_EQ(recorded.join(" | ").toStdString(),
              "Editor.Shift.Set.Direction.Beginning | Editor.Shift.Duration:=00:00:15,000 | "
              "Editor.Shift.Go");
    TestProgram fresh;
    loadFixture(fresh);
    defineMacro(fresh, 0, "Refused", recorded);
    Message replayed;
    fresh.reply(AnswerOk, &replayed);
    pressGo(fresh, 0);
    EXPECT_EQ(replayed.title, refused.title);
    EXPECT_EQ(replayed.text, refused.text);
    EXPECT_EQ(fresh->doc.grid().textMatrix(1, 1), "00:00:01,000") << "nothing was shifted";
}

// A Save line written by hand without a file name asks with the chooser.
TEST(MacroReplay, ASaveWithoutAFileNameShowsTheChooser) {
    TestProgram t;
    loadFixture(t);
    defineMacro(t, 0, "Save", {"Menu.Save.SubFile"});
    bool chooser = false;
    t.answer<frmFile>([&chooser](frmFile& f) {
        chooser = true;
        f.cmdActionClick(frmFile::Cancel);
    });
    pressGo(t, 0);
    EXPECT_TRUE(chooser);
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
