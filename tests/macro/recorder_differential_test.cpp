// The recorder's differential test. From a seed, keys and clicks on the real
// widgets are done on file X while a macro is recorded. Then two fresh
// processes, each on a fresh program folder holding file Y (other times and
// texts, three times the lines), start from Y: one replays the macro, the
// other does the same keys and clicks by hand. The grid, every file written,
// the tablet and the classic results are equal byte for byte, and so are the
// questions shown (by kind), apart from those the recording holds answers
// for. Rows: another program saves over Y during the run; File > New while
// an earlier Noname.srt exists.

#include "MacroRun.h"
#include "MacroTabFixture.h"
#include "document/frmMessageBox.h"
#include "fileio/frmFile.h"
#include "support/FileBytes.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QTest>
#include <random>
#include <utility>

namespace {

struct Row {
    unsigned seed;
    int lines, steps;
    bool outsideChange = false, fromNew = false;
    bool overlapping = false; // each line ends after the next starts: Diagnose finds errors
};

QByteArray subtitles(int lines, int first, int every, const char* text, bool overlapping) {
    QByteArray out;
    const int length = overlapping ? every * 150 : 1500;
    for (int i = 1; i <= lines; ++i) {
        const int ms = (first + every * i) * 100;
        const auto time = [](int t) {
            return QString("00:%1:%2,%3")
                .arg(t / 60000, 2, 10, QChar('0'))
                .arg(t / 1000 % 60, 2, 10, QChar('0'))
                .arg(t % 1000, 3, 10, QChar('0'));
        };
        out += QString("%1\r\n%2 --> %3\r\n%4 %1\r\n\r\n")
                   .arg(i)
                   .arg(time(ms), time(ms + length), text)
                   .toUtf8();
    }
    return out;
}

// What a step works with: the window, the seed's numbers and X's line count
// as the steps changed it (the same in every program, whatever its file).
struct Steps {
    frmMain& w;
    std::mt19937 rng;
    int lines;
    std::function<void()> beforeSave; // another program's change, once
    int pick(int n) { return int(rng() % unsigned(n)); }
};

// The window whose timers run between one event and the next, as they do
// between a user's keys and clicks.
frmMain* between = nullptr;
void settle() {
    QApplication::processEvents();
    if (between) tick(*between);
}

void key(platform::Control& c, Qt::Key k) {
    settle();
    QTest::keyClick(c.widget(), k);
    settle();
}
void type(platform::Control& c, const QString& text) {
    c.setFocus();
    QTest::keyClick(c.widget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(c.widget(), text);
}
void click(platform::Control& c) {
    QTest::mouseClick(c.widget(), Qt::LeftButton);
    settle();
}
QString timeText(int tenths) {
    return QString("00:00:%1,%2")
        .arg(tenths / 10, 2, 10, QChar('0'))
        .arg(tenths % 10 * 100, 3, 10, QChar('0'));
}

// The grid's arrows, kept on X's lines and the text and time columns.
void gridKeys(Steps& s) {
    platform::Grid& g = s.w.editor.grdSubEdit;
    s.w.tabMain.setTab(frmMain::TabEditor);
    for (int n = 1 + s.pick(3); n > 0; --n) {
        const int k = s.pick(4), row = g.row(), col = g.col();
        if (k == 0 && row < s.lines) key(g, Qt::Key_Down);
        if (k == 1 && row > 1) key(g, Qt::Key_Up);
        if (k == 2 && col < 5) key(g, Qt::Key_Right);
        if (k == 3 && col > 1) key(g, Qt::Key_Left);
    }
}

void basicStep(Steps& s) {
    BasicTab& basic = s.w.editor.basic;
    s.w.editor.SSTab2.setTab(0);
    const int what = s.pick(4), col = s.w.editor.grdSubEdit.col();
    if (what == 3 && col >= 3) { // typed in the cell itself, Enter to open and to close
        key(s.w.editor.grdSubEdit, Qt::Key_Return);
        type(s.w.editor.rtfEdit, "In cell " + timeText(s.pick(9)));
        key(s.w.editor.rtfEdit, Qt::Key_Return);
    } else if (what == 0) {
        type(basic.rtfSubEditBasic,
             col <= 2 ? timeText(20 + s.pick(50)) : "Typed " + timeText(s.pick(9)));
        click(basic.Command14);
    } else if (what == 1) {
        click(basic.Command10);
        ++s.lines;
    } else if (s.lines > 2) {
        click(basic.Command11);
        --s.lines;
        if (s.w.editor.grdSubEdit.row() > s.lines) key(s.w.editor.grdSubEdit, Qt::Key_Up);
    }
}

void timingStep(Steps& s) {
    frmMain& w = s.w;
    const int tool = s.pick(4), a = s.pick(9), b = s.pick(5);
    w.tabMain.setTab(frmMain::TabEditor);
    w.editor.SSTab3.setTab(tool);
    if (tool == 0) { // Shift towards the end, the duration mended by keys
        type(w.shift.rtfShiftDuration, timeText(1 + a));
        key(w.shift.rtfShiftDuration, Qt::Key_End);
        key(w.shift.rtfShiftDuration, Qt::Key_Backspace);
        QTest::keyClicks(w.shift.rtfShiftDuration.widget(), QString::number(b));
        if (b % 2) click(w.shift.Label5); // the range toggle
        click(w.shift.Label37);
        w.shift.Combo2.setListIndex(1);
        click(w.shift.Command13);
    } else if (tool == 1) {
        type(w.editor.rtfStretchFirst, timeText(10 + a));
        key(w.editor.rtfStretchFirst, Qt::Key_Home);
        key(w.editor.rtfStretchFirst, Qt::Key_Tab);
        if (b % 2) type(w.editor.rtfStretchLast, timeText(200 + 10 * a));
        if (b > 2) click(w.stretch.Label63); // the range toggle
        click(w.stretch.Command12);
    } else if (tool == 2) { // the step buttons, then Go
        type(w.timeTab.rtfDurShift, QString("00:00,%1").arg(1 + a) + "00");
        platform::Label* steps[] = {&w.timeTab.Command15, &w.timeTab.Command16,
                                    &w.timeTab.Command17, &w.timeTab.Command18};
        for (int n = 0; n <= b % 3; ++n)
            click(*steps[(a + n) % 4]);
        click(w.timeTab.Command19);
    } else {
        w.frameRate.Combo14[0].setListIndex(b);
        w.frameRate.Combo14[1].setListIndex((b + 1 + a % 4) % 5);
        click(w.frameRate.Command52);
    }
}

void searchStep(Steps& s) {
    frmMain& w = s.w;
    w.tabMain.setTab(frmMain::TabEditor);
    w.editor.SSTab2.setTab(1);
    type(w.search.rtfSearch, "Line");
    type(w.search.rtfReplace, QString("Row%1").arg(s.pick(9)));
    w.search.Option1[1].setValue(true);
    click(w.search.cmdSearch);
}

void calculatorStep(Steps& s) {
    CalculatorTab& calc = s.w.calculator;
    s.w.tabMain.setTab(frmMain::TabCalculator);
    const int a = s.pick(9), b = s.pick(9), op = s.pick(3);
    if (s.pick(2) == 0) {
        calc.tabCalculator.setTab(1);
        type(calc.rtfCalcClassicA[0], timeText(10 * a + 10));
        type(calc.rtfCalcClassicB[0], timeText(b));
        click(calc.Command1[op]);
        return;
    }
    calc.tabCalculator.setTab(0);
    const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Right, Qt::Key_Home};
    key(calc.Calc, keys[op]);
    calc.cmbCalcAdvFuncSelect.setListIndex(CalculatorTab::KindValue);
    type(calc.rtfCalcAdvDataInput, QString::number(a * 10 + b));
    key(calc.rtfCalcAdvDataInput, Qt::Key_Return);
}

void diagnoseStep(Steps& s) {
    s.w.tabMain.setTab(frmMain::TabDiagnose);
    click(s.w.diagnose.Command27);
}

void saveStep(Steps& s) {
    if (s.beforeSave) std::exchange(s.beforeSave, nullptr)();
    s.w.mnuSavesubfile.click();
}

void (*const kinds[])(Steps&) = {gridKeys,   gridKeys,       basicStep,    timingStep, timingStep,
                                 searchStep, calculatorStep, diagnoseStep, saveStep};

// Answers every window as the user of this test does, and notes each
// question's title: Ok in the chooser; No where the answer would undo
// another program's work or throw edits away; else Yes (or Ok).
void answerAsTheUser(Program& p, QStringList& asked) {
    p.host.modal.onUnanswered = [&p, &asked](platform::Form& form) {
        if (auto* chooser = dynamic_cast<frmFile*>(&form)) {
            chooser->onActivate();
            tick(p.main());
            chooser->cmdActionClick(frmFile::Ok);
            return;
        }
        auto* box = dynamic_cast<frmMessageBox*>(&form);
        if (!box) return;
        const QString title = box->Label4.caption();
        asked << title;
        const bool no = title == "File changed on disk" || title == "Warning: File not saved";
        const int yes = box->cmdAction[AnswerYes].visible() ? AnswerYes : AnswerOk;
        box->cmdActionClick(no ? AnswerNo : yes);
    };
}

// The steps of a row, done where the window stands. By hand the user stops
// where a step is refused, as a replay does.
void doSteps(Program& p, const Row& row, bool stopAtRefusal,
             std::function<void()> beforeSave = {}) {
    frmMain& w = p.main();
    const int refusals = p.messages.RefusalsShown;
    Steps s{w, std::mt19937(row.seed), row.fromNew ? 1 : row.lines, std::move(beforeSave)};
    between = &w;
    if (row.fromNew) {
        w.mnuNewFile.click();
        tick(w);
    }
    for (int i = 0; i < row.steps; ++i) {
        kinds[s.pick(int(std::size(kinds)))](s);
        tick(w);
        if (stopAtRefusal && p.messages.RefusalsShown != refusals) break;
    }
    if (!stopAtRefusal || p.messages.RefusalsShown == refusals) saveStep(s);
    tick(w);
    between = nullptr;
}

// Another program saves over the file.
void rewriteByAnotherProgram(const QString& file) {
    QProcess::execute("sh", {"-c", "printf 'their work' > \"$0\"", file});
}

QStringList dump(Program& p, const QStringList& asked) {
    QStringList out;
    const platform::Grid& g = p.doc.grid();
    for (int r = 0; r < g.rows(); ++r)
        for (int c = 0; c < g.cols(); ++c)
            out << QString("grid %1,%2 %3").arg(r).arg(c).arg(g.textMatrix(r, c));
    const platform::Grid& tablet = p.main().calculator.Calc;
    for (int r = 1; r < tablet.rows(); ++r)
        for (int c = 1; c < tablet.cols(); ++c)
            if (!tablet.textMatrix(r, c).isEmpty())
                out << QString("tablet %1,%2 %3").arg(r).arg(c).arg(tablet.textMatrix(r, c));
    for (int i = 0; i < 5; ++i)
        out << "result " + p.main().calculator.lblCalcResult[i].caption();
    for (const auto place : {runtime::Place::FilesFolder, runtime::Place::CalculatorFolder}) {
        const QDir folder(p.folder.path(place));
        for (const QString& name : folder.entryList(QDir::Files, QDir::Name))
            out << "file " + name + " " + readBytes(folder.filePath(name)).toHex();
    }
    for (const QString& title : asked)
        out << "asked " + title;
    return out;
}

// A row passes to a child as "seed,lines,steps,outside,new,overlapping".
QString rowText(const Row& r) {
    return QString("%1,%2,%3,%4,%5,%6")
        .arg(r.seed)
        .arg(r.lines)
        .arg(r.steps)
        .arg(r.outsideChange)
        .arg(r.fromNew)
        .arg(r.overlapping);
}
Row rowOf(const QString& text) {
    const QStringList f = text.split(',');
    return {f[0].toUInt(), f[1].toInt(), f[2].toInt(), f[3] == "1", f[4] == "1", f[5] == "1"};
}

// Mirel started on a fresh program folder holding the row's file (and an
// earlier Noname.srt for a File > New row), shown, the file loaded.
struct Session {
    ProgramFolder folder;
    QString file;
    QStringList asked;
    ProgramOn p;
    Session(const Row& row, const char* name, const QByteArray& text)
        : file(folder.write(QString("Data/Files/") + name, text)), p(folder.path()) {
        if (row.fromNew) folder.write("Data/Files/Noname.srt", "earlier work");
        answerAsTheUser(*p, asked);
        frmMain& w = p.main();
        w.load();
        w.show();
        if (row.overlapping) click(w.diagnose.Check3[1]); // the overlap check
        mustLoad(*p, file);
        QApplication::processEvents();
    }
    ~Session() { p.main().hide(); }
};

// The macro's lines into slot 0, run with Go; another program saves over Y
// as the run reaches its first save.
void replayIn(ProgramOn& p, const QStringList& lines, std::function<void()> outside) {
    frmMain& w = p.main();
    ASSERT_EQ(w.macroEditor.AddMacroEntry("Diff"), 0);
    for (int l = 0; l < lines.size(); ++l)
        p->macroLibrary.MacroStore[0][static_cast<std::size_t>(l + 1)] = lines[l];
    int line = 0;
    w.executeList.onLine = [&p, &line, &outside] {
        const QString text = p->system().lstExec.list(line++).trimmed();
        if (outside && text.startsWith("Menu.Save.SubFile")) std::exchange(outside, nullptr)();
    };
    w.macroPickers.Combo5.setListIndex(0);
    click(w.executeList.Command31);
    w.executeList.onLine = {};
}

// A child on Y: the macro replayed or the steps done.
void runChild() {
    const Row row = rowOf(qEnvironmentVariable("MIREL_DIFF_ROW"));
    Session y(row, "y.srt", subtitles(3 * row.lines, 30, 70, "Line of Y", row.overlapping));
    std::function<void()> outside;
    if (row.outsideChange) outside = [&y] { rewriteByAnotherProgram(y.file); };
    if (qEnvironmentVariable("MIREL_DIFF_ROLE") == "replay")
        replayIn(y.p,
                 QString::fromUtf8(readBytes(qEnvironmentVariable("MIREL_DIFF_MACRO")))
                     .split('\n', Qt::SkipEmptyParts),
                 outside);
    else
        doSteps(*y.p, row, true, outside);
    writeFileAt(qEnvironmentVariable("MIREL_DIFF_OUT"), dump(*y.p, y.asked).join('\n').toUtf8());
}

// Records the row's steps on X; returns the macro's lines.
QStringList recordOnX(const Row& row) {
    Session x(row, "x.srt", subtitles(row.lines, 10, 100, "Line", row.overlapping));
    MacroTab tab(x.p);
    click(tab.ed().Command34); // New macro
    click(tab.ed().Command32[MacroEditor::Record]);
    doSteps(*x.p, row, false);
    click(tab.ed().Command32[MacroEditor::Record]);
    return tab.storedLines(0);
}

QStringList runChildOn(const Row& row, const QString& role, const QString& macro) {
    QTemporaryDir dir;
    const QString out = dir.filePath("dump.txt");
    QStringList env = QProcess::systemEnvironment();
    env << "MIREL_DIFF_ROLE=" + role << "MIREL_DIFF_MACRO=" + macro << "MIREL_DIFF_OUT=" + out
        << "MIREL_DIFF_ROW=" + rowText(row);
    QProcess child;
    child.setEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {"--gtest_filter=MacroDifferential.AReplayEqualsTheSameKeysAndClicksByHand"});
    EXPECT_TRUE(child.waitForFinished(60000));
    EXPECT_EQ(child.exitCode(), 0) << role.toStdString() << ": " << child.readAll().toStdString();
    return QString::fromUtf8(readBytes(out)).split('\n');
}

// The questions the recording answered leave both lists: by hand they are
// asked, on replay the macro answers them.
QStringList withoutAnswered(QStringList dumped, const QStringList& macro) {
    dumped.removeAll("asked Macro Message"); // the run ends at a refusal, as the user stops
    for (const QString& line : macro)
        if (line.startsWith("View.Messagebox:=Answer: "))
            dumped.removeAll("asked " + line.section(',', 1, 1));
    return dumped;
}

// What only one side holds, each line cut to a readable length.
std::string differences(const QStringList& replayed, const QStringList& byHand) {
    QString out;
    for (const QString& line : replayed)
        if (!byHand.contains(line)) out += "replay only: " + line.left(160) + '\n';
    for (const QString& line : byHand)
        if (!replayed.contains(line)) out += "by hand only: " + line.left(160) + '\n';
    if (out.isEmpty()) out = "in another order or count\n";
    return out.toStdString();
}

} // namespace

// The rows reach every tool's step button and range toggle, keys in the
// grid, the fields and the tablet, both calculators, a save that asks about
// Diagnose's errors and one after File > New. MIREL_DIFF_TRY=seed,count,
// lines,steps[,overlapping] tries other seeds.
TEST(MacroDifferential, AReplayEqualsTheSameKeysAndClicksByHand) {
    if (qEnvironmentVariableIsSet("MIREL_DIFF_ROLE")) return runChild();
    std::vector<Row> rows = {
        {11, 4, 12},
        {23, 5, 12},
        {300, 4, 14},
        {311, 3, 16},
        {41, 4, 8, true},
        {53, 3, 0, false, true},
        {400, 3, 14, false, false, true},
        {407, 4, 14, false, false, true},
    };
    if (qEnvironmentVariableIsSet("MIREL_DIFF_TRY")) {
        const QStringList t = qEnvironmentVariable("MIREL_DIFF_TRY").split(',');
        rows.clear();
        for (unsigned i = 0; i < t[1].toUInt(); ++i)
            rows.push_back(
                {t[0].toUInt() + i, t[2].toInt(), t[3].toInt(), false, false, t.size() > 4});
    }
    bool errorsAsked = false;
    for (const Row& row : rows) {
        SCOPED_TRACE(rowText(row).toStdString());
        const QStringList macro = recordOnX(row);
        QTemporaryDir dir;
        const QString file = dir.filePath("macro.txt");
        writeFileAt(file, macro.join('\n').toUtf8());
        const QStringList replayed = runChildOn(row, "replay", file);
        const QStringList byHand = runChildOn(row, "hand", file);
        ASSERT_GT(replayed.size(), 10) << macro.join(" | ").toStdString();
        EXPECT_EQ(withoutAnswered(replayed, macro), withoutAnswered(byHand, macro))
            << differences(withoutAnswered(replayed, macro), withoutAnswered(byHand, macro))
            << "macro:\n"
            << macro.join('\n').toStdString();
        EXPECT_EQ(replayed.contains("asked File changed on disk"), row.outsideChange);
        EXPECT_FALSE(replayed.contains("asked File Error")) << "the recorded answer answers it";
        errorsAsked = errorsAsked || byHand.contains("asked File Error");
    }
    EXPECT_TRUE(errorsAsked || rows.size() != 8) << "a save asked about Diagnose's errors";
}
