// The change history: each change saves the whole document to a numbered
// snapshot file first; the history window lists the snapshots and restores
// the one picked; a snapshot that is missing or damaged, or one the history
// cannot number or write, changes nothing and says why.

#include "document/BasicTab.h"
#include "document/EditorTab.h"
#include "platform/Keys.h"
#include "runtime/TextFile.h"
#include "shell/Startup.h"
#include "shell/frmSettings.h"
#include "support/GridSetup.h"
#include "timing_fixture.h"
#include "tools/ShiftTab.h"
#include "tools/StretchTab.h"
#include "tools/frmHistory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPixmap>
#include <QTest>

namespace {

class HistoryTest : public TimingTest {
protected:
    // Shift lines first to last later by one second (in the main window of
    // another program when one is given).
    void shiftLater(const char* first, const char* last, frmMain* other = nullptr) {
        frmMain& w = other ? *other : m();
        w.editor.Text1[0].setText(QString::fromLatin1(first));
        w.editor.Text1[1].setText(QString::fromLatin1(last));
        w.shift.rtfShiftDuration.setText("00:00:01,000");
        w.shift.Combo2.setListIndex(1);
        w.shift.Command13.onClick();
    }
    // Every cell of the grid but the line numbers, row by row.
    QStringList cells() {
        QStringList out;
        for (int r = 1; r < grid().rows(); ++r)
            for (int c = 1; c < 6; ++c)
                out << grid().textMatrix(r, c);
        return out;
    }
    QStringList numbers() {
        QStringList out;
        for (int r = 1; r < grid().rows(); ++r)
            out << grid().textMatrix(r, 0);
        return out;
    }
    QString file(int n) { return t->history.SnapshotFile(n); }
    QStringList fileLines(int n) { return runtime::ReadTextFile(file(n)).lines; }
    // Opens the history window from its command; `use` is what the user does
    // in it. With `notice`, a message shown meanwhile is answered Ok and kept there.
    void openHistory(std::function<void(frmHistory&)> use, Message* notice = nullptr) {
        t.answer<frmHistory>(std::move(use));
        if (notice) t.reply(AnswerOk, notice);
        ASSERT_TRUE(t->commands.run("Menu.History.Show"));
    }
    // Picks entry i in the window and presses Restore.
    static void restore(frmHistory& h, int i) {
        h.List1.setListIndex(i);
        h.Command1[frmHistory::Restore].onClick();
    }
};

TEST_F(HistoryTest, ASnapshotFileHoldsTheWholeDocumentBeforeTheChange) {
    load({{"00:00:10,000", "00:00:12,000", "One"}, {"00:00:20,000", "00:00:22,000", "Two"}});
    writeParts(t->doc.FileNodes, {{1, 1, "Part_1"}, {2, 2, "Part_2"}});
    t->doc.FileNodes.setInIndex(2, true);
    shiftLater("1", "2");
    ASSERT_EQ(snapshots().size(), 1u);
    EXPECT_TRUE(snapshots()[0].entry.startsWith("0000 ["));
    EXPECT_TRUE(snapshots()[0].entry.endsWith("] Script Shifted"));
    EXPECT_EQ(file(0), t->folder.path(runtime::Place::ScratchFolder) + "/0000.shd");
    // The row and part counts, the parts (name, first and last line, in the
    // index), then the cells row by row, the spare row's too.
    const QStringList expected =
        QStringList{"4.00:=3", " 2", " 1", t->doc.FileNodes.Name(0)} +
        QString(" 1| 2|0|Part_1| 1| 1|0|Part_2| 2| 2|1|00:00:10,000|00:00:12,000| One|||"
                "00:00:20,000|00:00:22,000| Two|||||||")
            .split('|');
    EXPECT_EQ(fileLines(0), expected);
    EXPECT_TRUE(readBytes(file(0)).contains("4.00:=3\r\n")) << "lines end in CR LF";
}

TEST_F(HistoryTest, TheWindowRestoresAnOlderStateAndKeepsTheLaterOnes) {
    loadLines(3);
    writeParts(t->doc.FileNodes, {{1, 2, "Part_1"}, {3, 3, "Part_2"}});
    t->doc.MarkNodes(1);
    const QStringList original = cells(), marks = numbers();
    shiftLater("1", "3"); // 0000
    const QStringList shifted = cells();
    m().editor.Text1[2].setText("1");
    m().editor.Text1[3].setText("3");
    m().editor.rtfStretchFirst.setText("00:00:00,000");
    m().editor.rtfStretchLast.setText("00:00:04,000");
    m().stretch.Command12.onClick(); // 0001
    grid().setCurrentCell(2, 1);
    m().editor.basic.Command11.onClick(); // 0002: line 2 deleted
    ASSERT_EQ(t->doc.lineCount(), 2);
    ASSERT_EQ(snapshots().size(), 3u);
    settle();

    openHistory([&](frmHistory& h) {
        EXPECT_EQ(h.List1.listCount(), 3);
        EXPECT_FALSE(h.Command1[frmHistory::Restore].enabled()) << "nothing picked yet";
        h.List1.setListIndex(0);
        EXPECT_EQ(h.lblHistComment.caption(), snapshots()[0].details);
        EXPECT_TRUE(h.Command1[frmHistory::Restore].enabled());
        h.Command1[frmHistory::Restore].onClick();
        EXPECT_FALSE(h.visible());
    });
    EXPECT_EQ(cells(), original);
    EXPECT_EQ(numbers(), marks) << "numbers and part marks drawn again";
    EXPECT_EQ(numbers().back(), "") << "the spare row has no number";
    EXPECT_EQ(partsOf(t->doc.FileNodes), std::vector<Part>({{1, 2, "Part_1"}, {3, 3, "Part_2"}}));
    EXPECT_EQ(t->doc.FileNodes.Current(), 1);
    EXPECT_EQ(t->doc.lstFont.size(), 4) << "one font entry a line, after entry 0";
    EXPECT_TRUE(t->doc.FileChanged) << "the document differs from its file";
    EXPECT_FALSE(t->doc.LineListValid);
    EXPECT_EQ(snapshots().size(), 3u) << "a restore adds and removes nothing";
    const int row = grid().row();
    EXPECT_EQ(m().timeTab.rtfTimeStart.text(), start(row)) << "the current line is shown afresh";

    // The later state, before the delete, is still there.
    openHistory([](frmHistory& h) {
        EXPECT_TRUE(h.Command1[frmHistory::Restore].enabled()) << "it stays enabled";
        restore(h, 2);
    });
    EXPECT_EQ(t->doc.lineCount(), 3);
    EXPECT_EQ(grid().textMatrix(3, 1), "00:00:04,000") << "the stretched times";
    openHistory([](frmHistory& h) { restore(h, 1); });
    EXPECT_EQ(cells(), shifted);
}

TEST_F(HistoryTest, ALongDocumentComesBackWhole) {
    // Far more text than the writer holds at once, letters beyond ASCII and
    // one line longer than all the rest together.
    std::vector<SrtLine> lines;
    for (int r = 1; r <= 3000; ++r)
        lines.push_back(
            {at(10 * r), at(10 * r + 2), QStringLiteral("Zeile %1: Grüße, 字幕 ✓").arg(r)});
    lines[1500].text = QString(40000, QChar(0x00E9));
    load(lines);
    const QStringList original = cells();
    ASSERT_TRUE(original.join("").contains(lines[1500].text)) << "the long line was loaded whole";
    shiftLater("1", "3000");
    ASSERT_EQ(snapshots().size(), 1u);
    const QStringList file = fileLines(0);
    EXPECT_TRUE(file.mid(file.size() - original.size()) == original) << "the cells, row by row";
    openHistory([](frmHistory& h) { restore(h, 0); });
    EXPECT_TRUE(cells() == original);
}

TEST_F(HistoryTest, AMissingOrDamagedSnapshotLeavesTheDocumentAsItWas) {
    // The snapshot's lines with line i (from 0) replaced.
    const auto with = [](int i, const char* text) {
        return std::function<QStringList(QStringList)>([=](QStringList l) {
            l[i] = QString::fromLatin1(text);
            return l;
        });
    };
    const struct Case {
        const char* name;
        std::function<QStringList(QStringList)> damage; // empty: the file is deleted
        const char* says;
    } cases[] = {
        {"missing", nullptr, "cannot be restored: Cannot open"},
        {"cut short", [](QStringList l) { return l.mid(0, l.size() - 1); },
         "it is cut short: 25 lines of the 26 its row count calls for."},
        {"longer", [](QStringList l) { return l << "extra"; },
         "it holds 27 lines, more than the 26 its row count calls for."},
        {"no row count", with(0, "4.00"), "line 1 should hold the version"},
        {"too many rows", with(0, "4.00:=10000"), "a row count from 1 to 9999"},
        {"part count", with(1, " 100"), "line 2 should hold a part count from 0 to 99."},
        {"part row", with(4, " 1.5"), "part 0 (lines 4 to 7) should hold a name"},
    };
    loadLines(2);
    shiftLater("1", "2");
    const QStringList good = fileLines(0);
    settle();
    const QStringList before = cells();
    for (const Case& c : cases) {
        QFile::remove(file(0));
        if (c.damage) {
            ASSERT_TRUE(runtime::WriteTextFile(file(0), c.damage(good)));
        }
        Message seen;
        openHistory([](frmHistory& h) { restore(h, 0); }, &seen);
        EXPECT_EQ(cells(), before) << c.name;
        EXPECT_FALSE(t->doc.FileChanged) << c.name;
        EXPECT_EQ(seen.title, "History") << c.name;
        EXPECT_TRUE(seen.text.startsWith("History snapshot 0000 cannot be restored")) << c.name;
        EXPECT_TRUE(seen.text.contains(QString::fromLatin1(c.says)))
            << c.name << ": " << seen.text.toStdString();
        EXPECT_TRUE(seen.text.endsWith("The document was left as it was.")) << c.name;
    }
}

// After a load the old document's snapshots are no longer restorable, even
// by their numbers: only the entries of this document's history are.
TEST_F(HistoryTest, AnEntryThatNamesNoSnapshotIsRefused) {
    loadLines(3);
    shiftLater("1", "1");
    shiftLater("2", "2"); // 0001, of the three-line document
    loadLines(1);
    shiftLater("1", "1"); // 0000, of the one-line document
    settle();
    const QStringList before = cells();
    t.writeFile("Data/x.shd", "4.00:=2\r\n");
    for (const char* entry : {"../x", "12a4 [x] y", "", "0001 [old] Script Shifted"}) {
        Message seen;
        t.reply(AnswerOk, &seen);
        EXPECT_FALSE(t->history.RestoreSnapshot(QString::fromLatin1(entry)));
        EXPECT_TRUE(seen.text.endsWith("names no history snapshot.")) << entry;
        EXPECT_EQ(cells(), before) << entry;
        EXPECT_FALSE(t->doc.FileChanged) << entry;
    }
}

TEST_F(HistoryTest, AFullHistoryRefusesTheNextChange) {
    loadLines(1);
    for (int i = 0; i < History::MaxSnapshots; ++i)
        ASSERT_TRUE(t->history.SaveSnapshot("Step", QString::number(i)));
    EXPECT_TRUE(snapshots().back().entry.startsWith("9999 ["));
    settle();
    Message seen;
    t.reply(AnswerOk, &seen);
    shiftLater("1", "1");
    EXPECT_TRUE(seen.text.startsWith("The change history is full")) << seen.text.toStdString();
    EXPECT_EQ(start(1), "00:00:10,000") << "the change was not made";
    EXPECT_FALSE(t->doc.FileChanged);
    EXPECT_EQ(snapshots().size(), std::size_t(History::MaxSnapshots));
    EXPECT_FALSE(QFile::exists(t->folder.path(runtime::Place::ScratchFolder, "10000.shd")));
}

TEST_F(HistoryTest, ASnapshotThatCannotBeWrittenStopsTheChange) {
    loadLines(3);
    settle();
    const QString scratch = t.folder() + "/Data/Temporarily";
    ASSERT_TRUE(QDir(scratch).removeRecursively());
    t.writeFile("Data/Temporarily", "a file where the folder should be");
    Message seen;
    t.reply(AnswerOk, &seen);
    shiftLater("1", "3");
    EXPECT_TRUE(seen.text.startsWith("History snapshot 0000 could not be written, so the change "
                                     "was not made"))
        << seen.text.toStdString();
    EXPECT_EQ(start(1), "00:00:10,000");
    t.reply(AnswerOk);
    grid().setCurrentCell(2, 1);
    m().editor.basic.Command11.onClick();
    EXPECT_EQ(t->doc.lineCount(), 3) << "Delete makes no change without its snapshot";
    EXPECT_TRUE(snapshots().empty());
    EXPECT_FALSE(t->doc.FileChanged);

    // With its folder back the next change gets snapshot 0000.
    QFile::remove(scratch);
    shiftLater("1", "1");
    EXPECT_TRUE(QFile::exists(file(0)));
}

TEST_F(HistoryTest, ALoadEmptiesTheHistoryAndNumberingStartsAgain) {
    loadLines(2);
    shiftLater("1", "1");
    shiftLater("2", "2");
    openHistory([](frmHistory& h) {
        h.List1.setListIndex(1);
        h.Command1[frmHistory::Close].onClick();
    });
    frmHistory& h = t->historyWindow();
    EXPECT_FALSE(h.lblHistComment.caption().isEmpty());
    loadLines(4);
    EXPECT_TRUE(snapshots().empty());
    EXPECT_EQ(h.List1.listCount(), 0);
    EXPECT_EQ(h.List2.listCount(), 0);
    EXPECT_EQ(h.lblHistComment.caption(), "");
    EXPECT_FALSE(h.Command1[frmHistory::Restore].enabled());
    shiftLater("4", "4");
    ASSERT_EQ(snapshots().size(), 1u);
    EXPECT_TRUE(snapshots()[0].entry.startsWith("0000 "));
    EXPECT_EQ(fileLines(0)[0], "4.00:=5") << "the new document's snapshot replaced the old file";
    EXPECT_EQ(h.List1.list(0), snapshots()[0].entry);
}

// A second Mirel started on the same program folder keeps its snapshots
// apart, each run in a scratch folder of its own below Data/Temporarily,
// and removes none of the first one's: each restores its own document.
TEST_F(HistoryTest, TwoRunsOnOneProgramFolderRestoreTheirOwnDocuments) {
    loadLines(2);
    const QStringList mine = cells();
    shiftLater("1", "2");
    {
        const QString theirs = t.writeDataFile(
            "theirs.srt", crlf({"1", "00:00:05,000 --> 00:00:06,000", "Their line", ""}));
        Program second(t.folder());
        answerModalsInTest(second.host.modal);
        second.shell.CommandLine = theirs;
        Main(second); // its start, with a file on the command line
        ASSERT_EQ(second.files.CurFileName, theirs);
        shiftLater("1", "1", &second.main());
        ASSERT_EQ(second.history.snapshots().size(), 1u);
        EXPECT_NE(second.history.SnapshotFile(0), file(0));
        for (const QString& snapshot : {file(0), second.history.SnapshotFile(0)}) // each run's own
            EXPECT_TRUE(QFileInfo(snapshot).path().startsWith(t.folder() + "/Data/Temporarily/"))
                << snapshot.toStdString();
        EXPECT_TRUE(QFile::exists(file(0))) << "the second start left the first's snapshot";
        second.main().hide();
    }
    openHistory([](frmHistory& h) { restore(h, 0); });
    EXPECT_EQ(cells(), mine);
}

TEST_F(HistoryTest, TheWindowOpensOverTheMainWindowAndEscapeClosesIt) {
    loadLines(2);
    shiftLater("1", "2");
    frmMain& main = m();
    main.move(1500, 900, frmMain::MinWidth, frmMain::MinHeight);
    main.show();
    settle();
    const QStringList before = cells();
    t->settings().Check7[6].setValue(1); // instant help follows the windows
    openHistory([&](frmHistory& h) {
        EXPECT_EQ(h.left() + h.width() / 2, main.left() + main.width() / 2);
        EXPECT_EQ(h.top() + h.height() / 2, main.top() + main.height() / 2);
        h.List1.setListIndex(0);
        const QPixmap shot = h.window()->grab();
        EXPECT_TRUE(shot.save("history_window.png"));
        QTest::keyClick(h.List1.widget(), Qt::Key_Escape);
        EXPECT_FALSE(h.visible());
    });
    EXPECT_EQ(main.SSTab1.tab(), 1) << "instant help shows the history's page";
    EXPECT_EQ(cells(), before) << "Escape restores nothing";
    openHistory([](frmHistory& h) { h.requestClose(); });
    EXPECT_FALSE(t->historyWindow().visible());
    EXPECT_EQ(cells(), before);
    main.hide();
}

} // namespace
