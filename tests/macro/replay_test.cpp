// Recording: the user's commands become lines of the macro being edited, one
// line per action the timer sees, and what a recording keeps so that its
// replay does the same work by itself: the text of a field whose Enter runs
// Go, the file a load opened, the answer to a question; and a session
// recorded through the controls that replays after a restart on another file.

#include "MacroRun.h"
#include "MacroTabFixture.h"
#include "fileio/frmFile.h"
#include "support/FileBytes.h"
#include "support/FileSizeLimit.h"
#include "tools/frmHistory.h"
#include "tools/window_steps.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <random>

namespace {

using window_steps::typeAndEnter;

// The fixture loaded in a shown window, with an empty macro picked for recording.
frmMain& readyToRecord(TestProgram& t, const QString& name) {
    loadFixture(t);
    frmMain& w = t.main();
    w.show();
    defineMacro(t, 0, name, {});
    w.macroPickers.Combo5.setListIndex(0);
    return w;
}

QStringList cellsOf(Program& p) {
    QStringList cells;
    const platform::Grid& g = p.doc.grid();
    for (int r = 0; r < g.rows(); ++r)
        for (int c = 0; c < g.cols(); ++c)
            cells << g.textMatrix(r, c);
    return cells;
}

void clickCellAt(platform::Grid& g, int row, int col) {
    g.setCurrentCell(row, col);
    g.onClick();
}

TEST(MacroReplay, EnterInAFieldRecordsItsTextAndDoesNotRunGo) {
    TestProgram t;
    frmMain& w = readyToRecord(t, "Fields");
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

// The session a user records: open a file, shift it by 1.5 s towards the
// end, save it over itself. After a restart the macro's load is pointed at
// another file and Go does the same work on it.
TEST(MacroReplay, ALoadShiftSaveReplaysByteIdenticalOnAnotherFileAfterARestart) {
    if (qEnvironmentVariableIsSet("MIREL_REPLAY_CHILD")) {
        const QString second = qEnvironmentVariable("MIREL_REPLAY_FILE");
        ProgramOn p(qEnvironmentVariable("MIREL_REPLAY_CHILD"));
        p.main().load();
        MacroTab tab(p);
        tab.pickMacro(0);
        tab.pickLine(0); // only the load: the save goes over the file then loaded
        tab.ed().rtfItemDescr.setText(second);
        click(tab.ed().Command53);
        click(p.main().executeList.Command31);
        EXPECT_EQ(p->files.CurFileName, second);
        return;
    }
    ProgramFolder folder;
    const QString first = folder.write("Data/Files/first.srt", subRipLines(4));
    const QString second =
        folder.write("Data/Files/second.srt", subRipLines(4).replace("Line", "Row"));
    {
        ProgramOn p(folder.path());
        frmMain& w = p.main();
        w.load();
        MacroTab tab(p);
        click(tab.ed().Command34);
        click(tab.ed().Command32[MacroEditor::Record]);
        p.answer<frmFile>([&w, first](frmFile& f) {
            f.onActivate(); // as the window system activates it
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
            f.onActivate();
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
        const QStringList recorded = {"Menu.File.Load:=first.srt",
                                      "Editor.Shift.Set.Direction.End",
                                      "Editor.Shift.Duration:=00:00:01,500",
                                      "Editor.Shift.Start:=1",
                                      "Editor.Shift.End:=sysVar[111]",
                                      "Editor.Shift.Go",
                                      "File.Handling.Set.Settings.Type:=9",
                                      "View.Messagebox:=Answer: Yes,File exists,sysVar[56]",
                                      "Menu.Save.SubFile:=sysVar[56]"};
        EXPECT_EQ(tab.storedLines(0), recorded);
        EXPECT_EQ(itemsOf(tab.ed().List7), recorded) << "what the user sees";
        w.hide();
        w.mnuExit.click();
    }
    const QByteArray recorded = readBytes(first);
    ASSERT_TRUE(recorded.contains("1\r\n00:00:02,500 --> 00:00:03,000")) << recorded.data();

    QProcess child;
    child.setEnvironment(QProcess::systemEnvironment()
                         << "MIREL_REPLAY_CHILD=" + folder.path() << "MIREL_REPLAY_FILE=" + second);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=MacroReplay.ALoadShiftSaveReplays*")});
    ASSERT_TRUE(child.waitForFinished(60000));
    EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardOutput().toStdString();
    EXPECT_EQ(readBytes(second), QByteArray(recorded).replace("Line", "Row"));
    EXPECT_EQ(readBytes(first), recorded) << "the recorded file is not written again";
}

// The grids, the classic results and the files written, byte for byte.
QStringList toolCells(Program& p) {
    QStringList cells = cellsOf(p);
    for (const platform::Grid* g : {&p.main().calculator.Calc, &p.main().partition.grid})
        for (int r = 1; r < g->rows(); ++r)
            for (int c = 0; c < g->cols(); ++c)
                cells << g->textMatrix(r, c);
    for (int i = 0; i < 5; ++i)
        cells << p.main().calculator.lblCalcResult[i].caption();
    const QDir files(p.folder.path(runtime::Place::FilesFolder));
    for (const QString& name : files.entryList(QDir::Files, QDir::Name))
        cells << name + ": " + QString::fromLatin1(readBytes(files.filePath(name)).toHex());
    return cells + itemsOf(p.main().partition.List2);
}

void fill(frmMain& w, platform::Control& field, const char* text, bool enter = false) {
    field.setVisible(true);
    enter ? typeAndEnter(field, text) : window_steps::type(field, text);
    tick(w);
}
void fillGo(frmMain& w, platform::Control& a, const char* x, platform::Control& b, const char* y,
            platform::Control& go) {
    fill(w, a, x), fill(w, b, y), go.onClick();
}

// Recorded: a Basic change of row 1, then File > Open of other.srt (No to unsaved) or Save
// (Yes; to "changed on disk" when another program saved the file just before).
QStringList recordedFileSession(bool load, bool changedBeforeSave = false) {
    TestProgram t;
    const QString other = load ? t.writeDataFile("other.srt", subRipLines(2)) : QString();
    frmMain& w = readyToRecord(t, "Files");
    w.macroEditor.Command32[MacroEditor::Record].onClick();
    clickCellAt(w.editor.grdSubEdit, 1, 3);
    fill(w, w.editor.basic.rtfSubEditBasic, "Changed");
    w.editor.basic.Command14.onClick();
    tick(w);
    t.answer<frmFile>([&w, other](frmFile& f) {
        tick(w);
        if (!other.isEmpty()) f.txtFilename.setText(QFileInfo(other).fileName());
        f.cmdActionClick(frmFile::Ok);
    });
    t.reply(other.isEmpty() ? AnswerYes : AnswerNo);
    if (changedBeforeSave) writeFileAt(t->files.CurFileName, subRipLines(4));
    (other.isEmpty() ? w.mnuSavesubfile : w.mnuLoadFile).click();
    tick(w);
    w.macroEditor.Command32[MacroEditor::Record].onClick();
    w.hide();
    return storedLines(t->macroLibrary, 0);
}

// A recorded answer answers only its question: one met in another state is shown on replay.
TEST(MacroReplay, ARecordedAnswerAnswersOnlyItsOwnQuestion) {
    const struct { // opened (else saved), old answer line, user's edits, changed on disk, asked,
                   // and the document holds only the first lines of its file
        bool load, oldAnswer, editedBefore, changedOnDisk;
        const char* asked;
        bool readInPart = false, changedWhileRecording = false;
    } cases[] = {
        {false, false, false, true, "File changed on disk", false, true},
        {false, false, false, false, ""},
        {false, false, false, true, "File changed on disk"},
        {false, true, false, true, "File changed on disk"},
        {true, false, false, false, ""},
        {true, false, true, false, "Warning: File not saved"},
        {true, true, true, false, "Warning: File not saved"},
        {false, true, false, false, "File read in part", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        QStringList lines = recordedFileSession(c.load, c.changedWhileRecording);
        if (c.oldAnswer) lines.replaceInStrings(QRegularExpression("(Answer: \\w+),.*"), "\\1");
        TestProgram fresh;
        loadFixture(fresh);
        const QString other = fresh.writeDataFile("other.srt", subRipLines(2));
        lines.replaceInStrings(QRegularExpression("Load:=.*"), "Load:=" + other);
        const QString fixture = fresh->files.CurFileName;
        if (c.editedBefore) fresh->doc.FileChanged = true; // the user's own edit
        if (c.readInPart) fresh->doc.PartialReadFile = fixture, fresh->doc.PartialReadLines = 3;
        const QByteArray theirs = subRipLines(5);
        if (c.changedOnDisk) writeFileAt(fixture, theirs); // another program saves over it
        defineMacro(fresh, 0, "Files", lines);
        Message asked;
        if (*c.asked) fresh.reply(AnswerCancel, &asked);
        pressGo(fresh, 0);
        EXPECT_EQ(asked.title, c.asked) << lines.join(" | ").toStdString();
        EXPECT_TRUE(!c.changedOnDisk || readBytes(fixture) == theirs) << "their edit kept";
        EXPECT_TRUE(!c.load || (fresh->files.CurFileName == other) == !*c.asked);
    }
}

// A file named without a folder in a hand-written macro is in Data/Files; with no
// type line it is written in the document's type.
TEST(MacroReplay, ASaveByNameAloneWritesInDataFiles) {
    for (const bool typeLine : {true, false}) {
        TestProgram t;
        loadFixture(t);
        t->fileChooser().List3.setListIndex(0); // all files: no type to write in
        defineMacro(t, 0, "Bare",
                    {typeLine ? "File.Handling.Set.Settings.Type:=9" : "System.Comment:=none",
                     "Menu.Save.SubFile:=bare.srt"});
        pressGo(t, 0);
        EXPECT_EQ(readBytes(t.dataFilesPath("bare.srt")), subRipLines(3)) << typeLine;
        EXPECT_EQ(t->files.CurFileName, t.dataFilesPath("bare.srt"));
    }
}

// A document from File > New has no file yet: its save over "the file it came from" is a
// save as by hand, however a recording answered an overwrite question before it.
TEST(MacroReplay, ASaveOverItsOwnFileOfANewDocumentOpensTheChooser) {
    TestProgram t;
    loadFixture(t);
    const QString noname = t.writeDataFile("Noname.srt", "earlier work");
    defineMacro(t, 0, "New",
                {"Menu.File.New", "View.Messagebox:=Answer: Yes,File exists,sysVar[56]",
                 "Menu.Save.SubFile:=sysVar[56]", "Editor.Basic.Insert"});
    bool chooser = false;
    t.answer<frmFile>([&chooser](frmFile& f) {
        chooser = true;
        f.cmdActionClick(frmFile::Cancel);
    });
    Message ended;
    t.reply(AnswerOk, &ended);
    pressGo(t, 0);
    EXPECT_TRUE(chooser);
    EXPECT_EQ(readBytes(noname), "earlier work");
    EXPECT_TRUE(ended.text.contains("terminated")) << "the lines after it do not run";
}

// The answers recorded for the questions of one action (a save of a file Diagnose found
// errors in asks about them, then about overwriting) answer them on replay: nothing is
// asked, and the file is written as by hand.
TEST(MacroReplay, TheAnswersRecordedForAnActionAnswerItsQuestions) {
    const QByteArray overlapping = "1\r\n00:00:01,000 --> 00:00:05,000\r\nOne\r\n\r\n"
                                   "2\r\n00:00:02,000 --> 00:00:06,000\r\nTwo\r\n\r\n";
    QStringList lines;
    QByteArray byHand;
    {
        TestProgram t;
        t.main().load();
        t.main().diagnose.Check3[1].setValue(platform::CheckBox::Checked); // overlaps
        mustLoad(t.program(), t.writeDataFile("errors.srt", overlapping));
        t->diag.GoDiagnose();
        ASSERT_GT(t->diag.DiagErrorCount, 0);
        frmMain& w = t.main();
        defineMacro(t, 0, "Save", {});
        w.macroPickers.Combo5.setListIndex(0);
        w.macroEditor.Command32[MacroEditor::Record].onClick();
        Message errors, exists;
        t.reply(AnswerYes, &errors);
        t.answer<frmFile>([&w](frmFile& f) {
            tick(w);
            f.cmdActionClick(frmFile::Ok);
        });
        t.reply(AnswerYes, &exists);
        w.mnuSavesubfile.click();
        tick(w);
        w.macroEditor.Command32[MacroEditor::Record].onClick();
        EXPECT_EQ(errors.title, "File Error");
        EXPECT_EQ(exists.title, "File exists");
        lines = storedLines(t->macroLibrary, 0);
        byHand = readBytes(t.dataFilesPath("errors.srt"));
    }
    TestProgram fresh; // every question shown unanswered fails the test
    fresh.main().load();
    fresh.main().diagnose.Check3[1].setValue(platform::CheckBox::Checked);
    const QString file = fresh.writeDataFile("errors.srt", overlapping);
    mustLoad(fresh.program(), file);
    fresh->diag.GoDiagnose();
    defineMacro(fresh, 0, "Save", lines);
    pressGo(fresh, 0);
    EXPECT_EQ(readBytes(file), byHand) << lines.join(" | ").toStdString();
}

// A range the user did not set ends at the last line through every change of the line
// count (a History Restore too); one the user typed keeps its line.
TEST(MacroReplay, ARangeTheUserDidNotSetFollowsTheLineCount) {
    TestProgram t;
    t.main().load();
    mustLoad(t.program(), t.writeDataFile("ten.srt", subRipLines(10)));
    frmMain& w = t.main();
    w.show();
    window_steps::type(w.editor.Text1[3], "4"); // Stretch ends at line 4
    clickCellAt(w.editor.grdSubEdit, 10, 3);
    window_steps::click(w.editor.basic.Command11);
    EXPECT_EQ(w.editor.Text1[1].text(), "9");
    frmHistory& history = t->historyWindow();
    history.List1.setListIndex(0);
    history.HistoryListClick();
    history.HistoryButtonClick(frmHistory::Restore);
    ASSERT_EQ(t->doc.lineCount(), 10);
    typeAndEnter(w.shift.rtfShiftDuration, "00:00:01,000");
    EXPECT_EQ(t->doc.grid().textMatrix(10, 1), "00:00:09,000") << "line 10 shifted";
    EXPECT_EQ(w.editor.Text1[3].text(), "4");
    w.hide();
}

// A notice that work goes on without the change history (no room for a snapshot under
// a file-size limit) does not end a run: the save after the Shift is made.
TEST(MacroReplay, ANoticeThatWorkGoesOnDoesNotEndARun) {
    TestProgram t;
    t.main().load();
    QByteArray lines; // 300 lines, two seconds apart
    for (int i = 1; i <= 300; ++i)
        lines += QString("%1\r\n00:%2:%3,000 --> 00:%2:%3,500\r\nLine %1\r\n\r\n")
                     .arg(i)
                     .arg(2 * i / 60, 2, 10, QChar('0'))
                     .arg(2 * i % 60, 2, 10, QChar('0'))
                     .toUtf8();
    mustLoad(t.program(), t.writeDataFile("long.srt", lines));
    defineMacro(t, 0, "ShiftSave",
                {"Editor.Shift.Duration:=00:00:01,000", "Editor.Shift.Go",
                 "File.Handling.Set.Settings.Type:=3", "Menu.Save.SubFile:=out.sub"});
    Message notice;
    t.reply(AnswerOk, &notice);
    {
        FileSizeLimit limit(8000); // a snapshot of 300 lines takes more, the MicroDVD file less
        ASSERT_TRUE(limit.active());
        pressGo(t, 0);
    }
    EXPECT_EQ(notice.title, "File too large");
    EXPECT_TRUE(notice.text.contains("File too large")) << notice.text.toStdString();
    EXPECT_TRUE(readBytes(t.dataFilesPath("out.sub")).startsWith("{")) << "saved";
}

// Every note of what a recording could not hold is listed where it can be read.
TEST(MacroReplay, EveryNoteOfARunIsListedInTheSystemWindow) {
    TestProgram t;
    loadFixture(t);
    defineMacro(t, 0, "Notes",
                {"System.Comment:=Not recorded: font \"Serif\"", "Editor.Basic.Insert",
                 "System.Comment:=Not recorded: characters a line \"3\""});
    pressGo(t, 0);
    EXPECT_EQ(
        itemsOf(t->system().lstNotes),
        QStringList({"Not recorded: font \"Serif\"", "Not recorded: characters a line \"3\""}));
    EXPECT_TRUE(t->system().lstNotes.visible());
    EXPECT_TRUE(t.main().StatusBar1.panelText(3).startsWith("2 steps were not recorded"));
}

// A tool's fields filled while recording, then Go: the lines recorded and their replay.
Program* recording = nullptr; // the program a use is recorded in

const struct ToolUse {
    void (*use)(frmMain&);
    const char* recorded;
    const char* refusal = nullptr;      // a Go refused so: its replay shows the same message
    const char* notRecorded = nullptr;  // an input no line sets: a comment names it; results differ
    void (*before)(frmMain&) = nullptr; // the state both programs start from
} toolUses[] = {
    {[](frmMain& w) {
         fill(w, w.shift.rtfShiftDuration, "00:00:15,000"); // below zero
         w.shift.Command13.onClick();
     },
     "Editor.Shift.Start:=1 | Editor.Shift.End:=sysVar[111] | Editor.Shift.Set.Direction.Beginning "
     "| "
     "Editor.Shift.Duration:=00:00:15,000 | Editor.Shift.Go",
     "Shift"},
    {[](frmMain& w) {
         fillGo(w, w.editor.rtfStretchFirst, "00:00:02,000", w.editor.rtfStretchLast,
                "00:00:07,000", w.stretch.Command12);
     },
     "Editor.Stretch.Start:=1 | Editor.Stretch.End:=sysVar[111] | "
     "Editor.Stretch.First:=00:00:02,000 | "
     "Editor.Stretch.Last:=00:00:07,000 | Editor.Stretch.Go"},
    {[](frmMain& w) {
         fillGo(w, w.timeTab.rtfTimeStart, "00:00:07,000", w.timeTab.rtfTimeEnd, "00:00:08,000",
                w.timeTab.Command19);
     },
     "Editor.Cel.Select:=3,1 | Editor.Time.Start:=00:00:07,000 | Editor.Time.End:=00:00:08,000 | "
     "Editor.Time.Go"},
    {[](frmMain& w) {
         w.frameRate.Combo14[0].setListIndex(2);
         w.frameRate.Combo14[1].setListIndex(0);
         tick(w);
         w.frameRate.Command52.onClick();
     },
     "Editor.FR.Set.To.23.970 | Editor.FR.Set.From.25.000 | Editor.FR.Go"},
    {[](frmMain& w) {
         fillGo(w, w.search.rtfSearch, "Line", w.search.rtfReplace, "Row", w.search.cmdSearch);
     },
     "Editor.SR.Set.Replace | Editor.Cel.Select:=3,0 | Editor.SR.Set.Replace | "
     "Editor.SR.Search.Text:=Line | Editor.SR.Replace.Text:=Row | Editor.SR.Go"},
    {[](frmMain& w) { // the Enter key enters the formula as the button does
         w.tabMain.setTab(frmMain::TabCalculator);
         w.calculator.Calc.setCurrentCell(2, 3);
         w.calculator.Label16.onClick(); // the kind picker
         w.calculator.cmbCalcAdvFuncSelect.setListIndex(CalculatorTab::KindValue);
         tick(w);
         fill(w, w.calculator.rtfCalcAdvDataInput, "42", true);
     },
     "Calculator.Advanced.Set.Value | Calculator.Advanced.Cel.Select:=C,2 | "
     "Calculator.Advanced.Set.Value | Calculator.Advanced.Cel.Value:=42 | "
     "Calculator.Advanced.Enter"},
    {[](frmMain& w) {
         w.tabMain.setTab(frmMain::TabPartition);
         w.partition.grid.setCurrentCell(1, 1);
         tick(w);
         for (const char* entered : {"part1", "00:00:02,000", "part2"})
             fill(w, w.partition.rtfSplitEdit, entered, true);
         fill(w, w.partition.rtfSplitEdit, "00:00:20,000"); // the last length without Enter
         w.partition.Label31.onClick();                     // the output format
         w.partition.combo3.setListIndex(11);
         w.partition.command5.onClick();
     },
     "View.Partition | Partition.Cel.Value:=part1 | Partition.Cel.Value:=00:00:02,000 | "
     "Partition.Cel.Value:=part2 | Partition.Cel.Value:=00:00:20,000 | "
     "Partition.Set.SubViewer 2.0 | Partition.Go"},
    {[](frmMain& w) { // lines 2 to 3 only
         fill(w, w.editor.Text1[0], "2"), fill(w, w.editor.Text1[1], "3");
         fill(w, w.shift.rtfShiftDuration, "00:00:00,250");
         w.shift.Command13.onClick();
     },
     "Editor.Shift.Start:=2 | Editor.Shift.End:=3 | Editor.Shift.Set.Direction.Beginning | "
     "Editor.Shift.Duration:=00:00:00,250 | Editor.Shift.Go"},
    {[](frmMain& w) { // from row 2 on
         clickCellAt(w.editor.grdSubEdit, 2, 3);
         w.search.Option1[1].setValue(true);
         fillGo(w, w.search.rtfSearch, "Line", w.search.rtfReplace, "Row", w.search.cmdSearch);
     },
     "Editor.SR.Set.Replace | Editor.Cel.Select:=3,2 | Editor.SR.Set.Replace | "
     "Editor.SR.Search.Text:=Line | Editor.SR.Replace.Text:=Row | Editor.SR.Go"},
    {[](frmMain& w) {
         clickCellAt(w.editor.grdSubEdit, 3, 3);
         fill(w, w.editor.basic.rtfSubEditBasic, "Changed");
         w.editor.basic.Command14.onClick();
     },
     "Editor.Cel.Select:=3,3 | Editor.Basic.Text:=Changed | Editor.Basic.Change"},
    {[](frmMain& w) { // a Function into the cell chosen before, which holds a Text
         w.calculator.Label16.onClick();
         w.calculator.cmbCalcAdvFuncSelect.setListIndex(CalculatorTab::KindFunction);
         tick(w);
         fill(w, w.calculator.rtfCalcAdvDataInput, "1+2", true);
         clickCellAt(w.calculator.Calc, 3, 2); // the same formula in a second cell
         fill(w, w.calculator.rtfCalcAdvDataInput, "1+2", true);
     },
     "Calculator.Advanced.Set.Function | Calculator.Advanced.Cel.Select:=B,2 | Calculator."
     "Advanced.Set.Function | Calculator.Advanced.Cel.Value:=1+2 | Calculator.Advanced.Enter | "
     "Calculator.Advanced.Cel.Select:=B,3 | Calculator.Advanced.Set.Timecode | "
     "Calculator.Advanced.Cel.Value:=1+2 | Calculator.Advanced.Enter",
     nullptr, nullptr,
     [](frmMain& w) {
         w.tabMain.setTab(frmMain::TabCalculator);
         w.calculator.Calc.setCurrentCell(2, 2);
         w.calculator.cmbCalcAdvFuncSelect.setListIndex(CalculatorTab::KindText);
         w.calculator.rtfCalcAdvDataInput.setText("text");
         w.calculator.cmdExecCalcData.onClick();
     }},
    {[](frmMain& w) {
         w.tabMain.setTab(frmMain::TabCalculator);
         fill(w, w.calculator.rtfCalcClassicA[0], "00:00:04,000");
         fill(w, w.calculator.rtfCalcClassicB[0], "00:00:01,500");
         w.calculator.Command1[0].onClick();
     },
     nullptr},
    {[](frmMain& w) {
         w.filter.Check4[1].setValue(platform::CheckBox::Checked);
         fill(w, w.filter.txtMaxCount, "3");
         w.filter.Command30.onClick();
     },
     "Editor.Filter.Set.CLL.On | Editor.Filter.Set.RH.Off | "
     "System.Comment:=Not recorded: characters a line \"3\" | Editor.Filter.Go",
     nullptr, "characters a line"},
    {[](frmMain& w) {
         clickCellAt(w.editor.grdSubEdit, 1, 3);
         w.editor.font.Combo9[0].setListIndex(1);
         w.editor.font.Combo9[1].setListIndex(1);
         w.editor.font.Command42.onClick();
     },
     nullptr, nullptr, "font"},
    {[](frmMain& w) { // each step button steps once on replay, from the times it read
         clickCellAt(w.editor.grdSubEdit, 2, 1);
         fill(w, w.timeTab.rtfDurShift, "00:00,200");
         for (platform::Label* step :
              {&w.timeTab.Command15, &w.timeTab.Command16, &w.timeTab.Command15,
               &w.timeTab.Command17, &w.timeTab.Command18, &w.timeTab.Command17})
             window_steps::click(*step), tick(w);
         w.timeTab.Command19.onClick();
     },
     nullptr},
    {[](frmMain& w) { // Home moves into the row-number column, which no line selects
         w.tabMain.setTab(frmMain::TabCalculator);
         fill(w, w.calculator.rtfCalcClassicA[0], "00:00:04,000");
         w.calculator.Command1[0].onClick();
         tick(w);
         clickCellAt(w.calculator.Calc, 2, 3);
         tick(w);
         QTest::keyClick(w.calculator.Calc.widget(), Qt::Key_Home);
         fill(w, w.calculator.rtfCalcAdvDataInput, "7", true);
     },
     nullptr, nullptr, "Calculator.Advanced.Enter on the tablet cell @,"},
    {[](frmMain& w) { // a cell of a list filled before the recording
         w.partition.grid.setCurrentCell(1, 2);
         fill(w, w.partition.rtfSplitEdit, "00:00:03,000", true);
     },
     nullptr, nullptr, "a span-list cell chosen by hand",
     [](frmMain& w) {
         w.tabMain.setTab(frmMain::TabPartition);
         w.partition.grid.setCurrentCell(1, 1);
         for (const char* entered : {"part1", "00:00:02,000"})
             fill(w, w.partition.rtfSplitEdit, entered, true);
     }},
    {[](frmMain& w) {
         fill(w, w.shift.rtfShiftDuration, "00:00:00,500");
         w.shift.Command13.onClick();
         tick(w);
         frmHistory& history = recording->historyWindow();
         history.List1.setListIndex(0);
         history.HistoryListClick();
         history.HistoryButtonClick(frmHistory::Restore);
     },
     nullptr, nullptr, "History Restore"},
};

QStringList* shownMessages = nullptr; // every message shown, when the uses are not one by one

// The uses recorded one after the other on the fixture, then replayed by a fresh program.
struct RoundTrip {
    QStringList lines, byHand, again;
    QString status, replayStatus;
    Message refused, replayRefused;
};
RoundTrip roundTrip(const std::vector<const ToolUse*>& uses) {
    RoundTrip r;
    const ToolUse& first = *uses.front();
    {
        TestProgram t;
        if (shownMessages) answerModalsWithCancel(t->host.modal, shownMessages);
        recording = &t.program();
        frmMain& w = readyToRecord(t, "Tool");
        if (first.before) first.before(w);
        if (first.refusal) t.reply(AnswerOk, &r.refused);
        w.macroEditor.Command32[MacroEditor::Record].onClick();
        for (const ToolUse* use : uses)
            use->use(w), tick(w);
        r.status = w.StatusBar1.panelText(3);
        w.macroEditor.Command32[MacroEditor::Record].onClick();
        r.lines = storedLines(t->macroLibrary, 0);
        r.byHand = toolCells(t.program());
        w.hide();
    }
    TestProgram fresh;
    if (shownMessages) answerModalsWithCancel(fresh->host.modal, shownMessages);
    loadFixture(fresh);
    if (first.before) first.before(fresh.main());
    defineMacro(fresh, 0, "Tool", r.lines);
    if (first.refusal) fresh.reply(AnswerOk, &r.replayRefused);
    pressGo(fresh, 0);
    r.replayStatus = fresh.main().StatusBar1.panelText(3);
    r.again = toolCells(fresh.program());
    return r;
}

TEST(MacroRecorder, GoRecordsTheFieldsItReadsAndReplaysOnAFreshDocument) {
    for (const auto& use : toolUses) {
        SCOPED_TRACE(use.recorded ? use.recorded : use.notRecorded ? use.notRecorded : "");
        const RoundTrip r = roundTrip({&use});
        EXPECT_EQ(r.refused.title, use.refusal ? use.refusal : "");
        if (use.recorded) {
            EXPECT_EQ(r.lines.join(" | ").toStdString(), use.recorded);
        }
        EXPECT_EQ(r.replayRefused.text, r.refused.text);
        if (!use.notRecorded) {
            EXPECT_EQ(r.again.join(" | "), r.byHand.join(" | "));
            continue;
        }
        const QString note = "Not recorded: " + QString::fromLatin1(use.notRecorded);
        const QStringList comments = r.lines.filter("System.Comment:=" + note);
        ASSERT_EQ(comments.size(), 1) << r.lines.join(" | ").toStdString();
        EXPECT_TRUE(r.status.contains(note)) << r.status.toStdString();
        EXPECT_EQ(r.replayStatus, comments[0].mid(16));
    }
}

// A seeded sequence of 30 uses replays as done; one partition (a second asks to overwrite).
TEST(MacroRecorder, ARandomSequenceOfUsesReplaysAsRecorded) {
    std::vector<const ToolUse*> uses;
    std::mt19937 pick(47);
    bool partitioned = false;
    while (uses.size() < 30) {
        const ToolUse& use = toolUses[pick() % std::size(toolUses)];
        const bool partition = QString(use.recorded).contains("Partition.Go");
        if (use.refusal || use.notRecorded || use.before || (partition && partitioned)) continue;
        partitioned = partitioned || partition;
        uses.push_back(&use);
    }
    QStringList shown; // refusals and the questions the user answers by hand
    shownMessages = &shown;
    const RoundTrip r = roundTrip(uses);
    EXPECT_EQ(r.again.join(" | ").toStdString(), r.byHand.join(" | ").toStdString())
        << r.lines.join(" | ").toStdString();
    shownMessages = nullptr;
}

TEST(MacroRecorder, OnlyTheLastActionBeforeATickIsRecordedWithItsText) {
    TestProgram t;
    frmMain& w = t.main();
    defineMacro(t, 0, "M", {"System.Comment:=kept"});
    w.macroPickers.Combo5.setListIndex(0);
    w.macroEditor.Command32[MacroEditor::Record].onClick();
    t->macro.SetMacroAction("3,7", 549);
    t->macro.SetMacroAction("00:00:05,000", 517); // replaces the first
    tick(t);
    tick(t);                           // each action once
    t->macro.SetMacroAction("", 9999); // no command reports it: dropped
    tick(t);
    t->macro.SetMacroAction("", 28); // two commands share it: the first
    tick(t);
    EXPECT_EQ(storedLines(t->macroLibrary, 0),
              QStringList({"System.Comment:=kept", "Editor.Shift.Duration:=00:00:05,000",
                           "View.Settings.System"}));
    EXPECT_EQ(t->macro.MacroAction.code, -1);
}

} // namespace
