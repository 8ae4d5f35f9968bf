// The Partition tab as a user drives it: parts typed into the span list
// through its edit field, the format picked, Go and Preview pressed; the part
// files read back as subtitle files; lists that cannot be written refused
// before anything is written.

#include "calculator/Calculator.h"
#include "calculator/CalculatorTab.h"
#include "document/TimeCode.h"
#include "document/frmMessageBox.h"
#include "platform/Keys.h"
#include "support/ListItems.h"
#include "timing_fixture.h"
#include "tools/PartitionTab.h"

#include <QDir>
#include <QFile>

namespace {

constexpr int SubRip = 8; // list index of the format in combo3

class PartitionTest : public TimingTest {
protected:
    PartitionTab& tab() { return m().partition; }
    platform::Grid& list() { return tab().grid; }
    // Chooses a cell, types into the edit field and presses Enter.
    void typeCell(int row, int col, const QString& text) {
        list().setCurrentCell(row, col);
        tab().rtfSplitEdit.setText(text);
        int key = platform::KeyReturn;
        tab().rtfSplitEdit.onKeyPress(key);
    }
    // A part typed into the spare row.
    void addPart(const QString& name, const QString& length) {
        const int spare = list().rows() - 1;
        typeCell(spare, 1, name);
        typeCell(spare, 2, length);
    }
    void pickFormat(int index) {
        if (tab().Label31.caption() == ">>") tab().Label31.onClick();
        tab().combo3.setListIndex(index);
    }
    QStringList items() {
        QStringList out;
        for (int r = 1; r <= list().rows() - 2; ++r)
            out << list().textMatrix(r, 0) + " " + list().textMatrix(r, 1) + " " +
                       list().textMatrix(r, 2);
        return out;
    }
    QString scratch(const QString& name) {
        return t->folder.path(runtime::Place::ScratchFolder, name);
    }
    QStringList partFiles() {
        return QDir(t.folder() + "/Data/Files").entryList({"cd*", "part*"}, QDir::Files);
    }
    // Three lines of 2 s, at 10, 20 and 30 s.
    void loadThree() {
        loadLines(3);
        settle();
    }
};

struct Row {
    QString start, end, text;
};

std::vector<Row> rowsOf(Program& p) {
    std::vector<Row> out;
    platform::Grid& g = p.doc.grid();
    for (int r = 1; r <= p.doc.lineCount(); ++r)
        out.push_back({g.textMatrix(r, 1), g.textMatrix(r, 2), g.textMatrix(r, 3)});
    return out;
}

QString msTime(qint64 ms) {
    return QString::asprintf("%02lld:%02lld:%02lld,%03lld", ms / 3600000, ms / 60000 % 60,
                             ms / 1000 % 60, ms % 1000);
}
QString lessMinutes(const QString& time, int minutes) {
    return msTime(static_cast<qint64>(TimeToMs(time)) - minutes * 60000LL);
}

// 595 lines over 95 minutes, split at 30 and 65 minutes: each part file is
// read back and holds its lines with times from the start of its part.
TEST_F(PartitionTest, SplitsARealFileIntoThreePartsThatReadBack) {
    const QString film =
        t.loadDataFile("film.srt", readBytes(QStringLiteral(MIREL_SAMPLES_DIR) +
                                             "/subrip/se_auto_detect_windows-1251.srt"));
    const std::vector<Row> whole = rowsOf(t.program());
    ASSERT_EQ(whole.size(), 595u);
    t->doc.FileChanged = true;

    addPart("cd1.avi", "00:30:00.000");
    addPart("cd2.avi", "00:35:00,000");
    addPart("cd3.avi", "00:45:00.000");
    EXPECT_EQ(items(), QStringList({"1 cd1.avi 00:30:00.000", "2 cd2.avi 00:35:00,000",
                                    "3 cd3.avi 00:45:00.000"}));
    pickFormat(SubRip);
    tab().command5.onClick();
    EXPECT_EQ(reported(), 404);
    EXPECT_EQ(itemsOf(tab().List2), QStringList({"cd1.srt", "cd2.srt", "cd3.srt"}));
    EXPECT_EQ(t->files.CurFileName, film) << "the current file is still the whole document";
    EXPECT_TRUE(t->doc.FileChanged);

    const struct {
        const char* file;
        std::size_t first, count;
        int minutes; // the part's start
    } parts[] = {{"cd1.srt", 0, 168, 0}, {"cd2.srt", 168, 272, 30}, {"cd3.srt", 440, 155, 65}};
    t->doc.FileChanged = false; // the next loads ask nothing
    for (const auto& part : parts) {
        mustLoad(t.program(), t.dataFilesPath(part.file));
        const std::vector<Row> read = rowsOf(t.program());
        ASSERT_EQ(read.size(), part.count) << part.file;
        for (std::size_t i = 0; i < read.size(); ++i) {
            const Row& was = whole[part.first + i];
            ASSERT_EQ(read[i].start, lessMinutes(was.start, part.minutes)) << part.file << i;
            ASSERT_EQ(read[i].end, lessMinutes(was.end, part.minutes)) << part.file << i;
            ASSERT_EQ(read[i].text, was.text) << part.file << i;
        }
    }
}

TEST_F(PartitionTest, PreviewStepsThroughThePartsAndExitRemovesThem) {
    loadThree();
    const QString current = t->files.CurFileName;
    addPart("one.avi", "00:00:15,000");
    addPart("two", "00:00:10,000");
    addPart("three.x.y", "00:01:00,000");
    pickFormat(SubRip);
    tab().command28.onClick();
    EXPECT_EQ(reported(), 401);
    EXPECT_TRUE(tab().previewMode());
    EXPECT_EQ(tab().command28.caption(), "Preview.Exit");
    EXPECT_EQ(tab().command28.width(), 1995);
    EXPECT_EQ(tab().Label6.caption(), "Preview");
    EXPECT_FALSE(tab().command5.visible());
    EXPECT_FALSE(tab().rtfSplitEdit.visible());
    EXPECT_TRUE(tab().txtPreview.visible());
    for (const char* f : {"Splitprv.001", "Splitprv.002", "Splitprv.003"})
        EXPECT_TRUE(QFile::exists(scratch(f))) << f;

    const struct {
        int step; // -1: the part Preview shows first
        const char* caption;
        const char* times;
        const char* text;
    } steps[] = {
        {-1, "# 1 = one [SubRip]", "00:00:10,000 --> 00:00:12,000", "Line 1"},
        {1, "# 2 = two [SubRip]", "00:00:05,000 --> 00:00:07,000", "Line 2"},
        {1, "# 3 = three [SubRip]", "00:00:05,000 --> 00:00:07,000", "Line 3"},
        {1, "# 3 = three [SubRip]", "00:00:05,000 --> 00:00:07,000", "Line 3"},
        {0, "# 2 = two [SubRip]", "00:00:05,000 --> 00:00:07,000", "Line 2"},
        {0, "# 1 = one [SubRip]", "00:00:10,000 --> 00:00:12,000", "Line 1"},
        {0, "# 1 = one [SubRip]", "00:00:10,000 --> 00:00:12,000", "Line 1"},
    };
    for (const auto& s : steps) {
        if (s.step >= 0) tab().command29[s.step].onClick();
        EXPECT_EQ(tab().Label7.caption(), s.caption);
        const QStringList shown = tab().txtPreview.text().split("\r\n");
        ASSERT_GE(shown.size(), 3) << s.caption;
        EXPECT_EQ(shown[0], "1");
        EXPECT_EQ(shown[1], s.times) << s.caption;
        EXPECT_EQ(shown[2].trimmed(), s.text) << s.caption;
    }
    EXPECT_EQ(t->files.CurFileName, current);

    tab().command28.onClick();
    EXPECT_EQ(reported(), 423);
    EXPECT_FALSE(tab().previewMode());
    EXPECT_EQ(tab().command28.caption(), "Preview");
    EXPECT_EQ(tab().command28.width(), 972);
    EXPECT_EQ(tab().Label6.caption(), "Partition list");
    EXPECT_TRUE(tab().command5.visible());
    EXPECT_FALSE(tab().txtPreview.visible());
    EXPECT_EQ(tab().txtPreview.text(), "");
    EXPECT_TRUE(
        QDir(t->folder.path(runtime::Place::ScratchFolder)).entryList({"Splitprv.*"}).isEmpty());
    EXPECT_EQ(t->files.CurFileName, current);
    EXPECT_TRUE(partFiles().isEmpty()) << "a preview writes no part file";
}

// A part that gets no line shows an empty preview, never the part before it;
// so does a part whose preview file went missing.
TEST_F(PartitionTest, APartWithNoLinesPreviewsAsAnEmptyText) {
    loadThree();
    addPart("first", "00:00:15,000");
    addPart("empty", "00:00:01,000");
    addPart("last", "00:01:00,000");
    pickFormat(SubRip);
    tab().command28.onClick();
    EXPECT_FALSE(tab().txtPreview.text().isEmpty());
    tab().command29[1].onClick();
    EXPECT_EQ(tab().Label7.caption(), "# 2 = empty [SubRip]");
    EXPECT_EQ(tab().txtPreview.text(), "");
    tab().command29[1].onClick();
    EXPECT_TRUE(tab().txtPreview.text().contains("Line 2"));
    ASSERT_TRUE(QFile::remove(scratch("Splitprv.001")));
    tab().command29[0].onClick();
    tab().command29[0].onClick();
    EXPECT_EQ(tab().Label7.caption(), "# 1 = first [SubRip]");
    EXPECT_EQ(tab().txtPreview.text(), "");
    tab().command28.onClick();
}

TEST_F(PartitionTest, ListsThatCannotBeWrittenAreRefusedBeforeWriting) {
    loadThree();
    pickFormat(SubRip);
    const struct {
        QStringList names, lengths;
        const char* says;
    } cases[] = {
        {{"part1", "../up"},
         {"00:00:15,000", "00:01:00,000"},
         "Part 2 (\"../up\") has no name before its first \".\"."},
        {{"sub/dir"}, {"00:01:00,000"}, "Part 1 (\"sub/dir\") holds a folder separator"},
        {{"a\\b"}, {"00:01:00,000"}, "Part 1 (\"a\\b\") holds a folder separator"},
        {{"C:film"}, {"00:01:00,000"}, "Part 1 (\"C:film\") holds a drive colon"},
        {{".srt"}, {"00:01:00,000"}, "Part 1 (\".srt\") has no name before its first \".\"."},
        {{"cd1.avi", "part2", "CD1.mpg"},
         {"00:00:15,000", "00:00:15,000", "00:01:00,000"},
         "Parts 1 and 3 would both write \"cd1.srt\"."},
        {{"part1"}, {"1:00:00"}, "Part 1: its length \"1:00:00\" is no time code"},
        {{"part1"}, {"00:61:00,000"}, "Part 1: its length \"00:61:00,000\" is no time code"},
    };
    for (const auto& c : cases) {
        tab().Label66.onClick();
        for (int i = 0; i < c.names.size(); ++i)
            addPart(c.names[i], c.lengths[i]);
        Message seen;
        t.reply(AnswerOk, &seen);
        tab().command5.onClick();
        EXPECT_TRUE(seen.text.startsWith(c.says)) << seen.text.toStdString();
        EXPECT_TRUE(seen.text.endsWith("Nothing was written.")) << c.says;
        EXPECT_EQ(seen.title, "Partition");
        EXPECT_TRUE(partFiles().isEmpty()) << c.says;
        EXPECT_EQ(tab().List2.listCount(), 0);
    }
    EXPECT_FALSE(QFile::exists(t.folder() + "/Data/up.srt"));

    // A preview names no files, so only the lengths count there.
    tab().Label66.onClick();
    addPart("a/b", "00:01:00,000");
    tab().command28.onClick();
    EXPECT_TRUE(tab().previewMode());
    EXPECT_EQ(tab().Label7.caption(), "# 1 = a/b [SubRip]");
    tab().command28.onClick();
}

TEST_F(PartitionTest, GoWithoutACurrentFileIsRefused) {
    loadThree();
    t->files.CurFileName.clear(); // as after New
    addPart("part1", "00:01:00,000");
    pickFormat(SubRip);
    Message seen;
    t.reply(AnswerOk, &seen);
    tab().command5.onClick();
    EXPECT_TRUE(seen.text.startsWith("There is no current file")) << seen.text.toStdString();
    EXPECT_FALSE(QFile::exists("part1.srt"));
    EXPECT_TRUE(partFiles().isEmpty());
}

TEST_F(PartitionTest, DeleteKeepsTheHeadingAndNumbersTheRest) {
    addPart("a", "00:00:01,000");
    addPart("b", "00:00:02,000");
    addPart("c", "00:00:03,000");
    EXPECT_TRUE(tab().command6.enabled());
    EXPECT_TRUE(tab().Label66.enabled());

    list().setCurrentCell(0, 1); // the heading: nothing is removed
    tab().command6.onClick();
    EXPECT_EQ(reported(), 402);
    EXPECT_EQ(list().textMatrix(0, 1), "Filename");
    EXPECT_EQ(list().textMatrix(0, 2), "File Time");
    EXPECT_EQ(items().size(), 3);
    EXPECT_EQ(list().row(), 3) << "the last item is chosen";

    list().setCurrentCell(2, 1);
    tab().command6.onClick();
    EXPECT_EQ(items(), QStringList({"1 a 00:00:01,000", "2 c 00:00:03,000"}));
    EXPECT_EQ(list().row(), 2);

    list().setCurrentCell(3, 1); // the spare row
    tab().command6.onClick();
    EXPECT_EQ(items().size(), 2);
    tab().command6.onClick();
    tab().command6.onClick();
    EXPECT_TRUE(items().isEmpty());
    EXPECT_FALSE(tab().command6.enabled());
    EXPECT_FALSE(tab().Label66.enabled());
    EXPECT_EQ(list().row(), 1) << "the spare row";
    EXPECT_EQ(list().textMatrix(0, 0), "#");
}

TEST_F(PartitionTest, ClearEmptiesTheList) {
    for (const char* name : {"a", "b", "c", "d"})
        addPart(name, "00:00:01,000");
    list().setCurrentCell(1, 1);
    tab().Label66.onClick();
    EXPECT_TRUE(items().isEmpty());
    EXPECT_EQ(reported(), 403);
    tab().Label66.onClick(); // an empty list: only the report
    EXPECT_EQ(reported(), 403);
}

TEST_F(PartitionTest, TheEditFieldStoresIntoItsCell) {
    list().setCurrentCell(1, 1);
    EXPECT_TRUE(tab().rtfSplitEdit.visible());
    EXPECT_EQ(tab().rtfSplitEdit.left(), list().left() + list().cellLeft());
    EXPECT_FALSE(tab().cmdInvSplitCalc.visible()) << "only beside a length";
    addPart("cd1.avi", "01:00:00.000");
    EXPECT_EQ(reported(), 421);
    EXPECT_EQ(t->macro.MacroAction.text, "01:00:00.000");
    EXPECT_EQ(list().rows(), 3) << "the typed part and a new spare row";
    list().setCurrentCell(1, 2);
    EXPECT_TRUE(tab().cmdInvSplitCalc.visible());
    EXPECT_EQ(tab().rtfSplitEdit.text(), "01:00:00.000");
    typeCell(1, 2, "00:50:00,000"); // an item's cell is changed in place
    EXPECT_EQ(items(), QStringList({"1 cd1.avi 00:50:00,000"}));
    typeCell(2, 1, ""); // nothing typed on the spare row adds nothing
    EXPECT_EQ(list().rows(), 3);

    list().setRow(0); // the heading takes no text
    EXPECT_FALSE(tab().rtfSplitEdit.visible());
    tab().rtfSplitEdit.setText("x");
    int key = platform::KeyReturn;
    tab().rtfSplitEdit.onKeyPress(key);
    EXPECT_EQ(list().textMatrix(0, 2), "File Time");
    list().onScroll();
    EXPECT_FALSE(tab().rtfSplitEdit.visible());
}

// A part's length worked out with the calculator: "=" (or Tab in the field)
// takes the length as A; the sum comes back into the field, which Enter stores.
TEST_F(PartitionTest, TheCalculatorWorksOutAPartsLength) {
    addPart("cd1.avi", "00:40:00,000");
    list().setCurrentCell(1, 2);
    tab().cmdInvSplitCalc.onClick();
    CalculatorTab& calc = m().calculator;
    EXPECT_EQ(m().tabMain.tab(), frmMain::TabCalculator);
    EXPECT_EQ(calc.rtfCalcClassicA[1].text(), "40");
    calc.rtfCalcClassicB[1].setText("5");
    calc.Command1[CalculatorTab::AplusB].onClick();
    EXPECT_EQ(m().tabMain.tab(), frmMain::TabPartition);
    EXPECT_EQ(tab().rtfSplitEdit.text(), "00:45:00,000");
    int key = platform::KeyReturn;
    tab().rtfSplitEdit.onKeyPress(key);
    EXPECT_EQ(items(), QStringList({"1 cd1.avi 00:45:00,000"}));

    list().setCurrentCell(1, 1); // Tab beside a name does nothing
    key = platform::KeyTab;
    tab().rtfSplitEdit.onKeyPress(key);
    EXPECT_EQ(t->calc.CalcInvokeTarget, Calculator::NoTarget);
    list().setCurrentCell(1, 2);
    tab().rtfSplitEdit.onKeyPress(key);
    EXPECT_EQ(t->calc.CalcInvokeTarget, Calculator::PartitionCell);
}

TEST_F(PartitionTest, TheFormatPickerShowsAndReportsTheChoice) {
    if (tab().Label31.caption() == "<<") tab().Label31.onClick();
    EXPECT_FALSE(tab().combo3.visible());
    tab().Label31.onClick();
    EXPECT_EQ(tab().Label31.caption(), "<<");
    EXPECT_TRUE(tab().combo3.visible());
    EXPECT_EQ(reported(), 422);
    tab().combo3.setListIndex(SubRip);
    EXPECT_EQ(reported(), 413);
    EXPECT_EQ(tab().Label36.caption(), "SubRip");
    EXPECT_EQ(tab().Label31.caption(), ">>");
    EXPECT_FALSE(tab().combo3.visible());
    EXPECT_EQ(tab().format(), 9);

    // A load sets the format of the file it read: shown, not reported, even
    // with the list open.
    tab().Label31.onClick();
    t->macro.SetMacroAction(QString(), 0);
    t.loadDataFile("micro.sub", "{10}{20}Hello\r\n");
    EXPECT_EQ(tab().Label36.caption(), "MicroDVD");
    EXPECT_EQ(tab().Label31.caption(), "<<");
    EXPECT_NE(reported(), 405 + 2);
    EXPECT_NE(reported(), 422);
}

TEST_F(PartitionTest, ALongNameIsShortenedInTheCaption) {
    loadThree();
    const QString name = QString(40, 'a') + QString(40, 'b') + ".avi";
    addPart(name, "00:01:00,000");
    pickFormat(SubRip);
    tab().command28.onClick();
    EXPECT_EQ(tab().Label7.caption(),
              "# 1 = " + QString(33, 'a') + " .. " + QString(24, 'b') + " [SubRip]");
    tab().command28.onClick();
}

TEST_F(PartitionTest, AnEmptyListWritesNothing) {
    loadThree();
    pickFormat(SubRip);
    tab().command5.onClick();
    tab().command28.onClick();
    EXPECT_TRUE(tab().previewMode());
    EXPECT_EQ(tab().Label7.caption(), "");
    EXPECT_EQ(tab().txtPreview.text(), "");
    tab().command29[1].onClick();
    EXPECT_EQ(tab().Label7.caption(), "");
    tab().command28.onClick();
    EXPECT_TRUE(partFiles().isEmpty());
    EXPECT_TRUE(
        QDir(t->folder.path(runtime::Place::ScratchFolder)).entryList({"Splitprv.*"}).isEmpty());
}

TEST_F(PartitionTest, MacroCommandsRunTheTab) {
    loadThree();
    ASSERT_TRUE(t->commands.run("Partition.Set.SubRip"));
    EXPECT_EQ(tab().format(), 9);
    EXPECT_EQ(reported(), 413);
    list().setCurrentCell(1, 1);
    ASSERT_TRUE(t->commands.run("Partition.Cel.Value", "part1"));
    list().setCurrentCell(1, 2);
    ASSERT_TRUE(t->commands.run("Partition.Cel.Value", "00:01:00,000"));
    EXPECT_EQ(items(), QStringList({"1 part1 00:01:00,000"}));
    ASSERT_TRUE(t->commands.run("Partition.Preview"));
    EXPECT_TRUE(tab().previewMode());
    ASSERT_TRUE(t->commands.run("Partition.Preview.Exit"));
    EXPECT_FALSE(tab().previewMode());
    ASSERT_TRUE(t->commands.run("Partition.Preview.Exit")); // not in preview: nothing
    EXPECT_FALSE(tab().previewMode());
    ASSERT_TRUE(t->commands.run("Partition.Go"));
    EXPECT_TRUE(QFile::exists(t.dataFilesPath("part1.srt")));
    ASSERT_TRUE(t->commands.run("Partition.Set.Zero G"));
    EXPECT_EQ(tab().format(), 16);
    ASSERT_TRUE(t->commands.run("Partition.Delete"));
    EXPECT_TRUE(items().isEmpty());
}

} // namespace
