// The reader frame on its own, with small readers written in the test: the
// read failure that keeps the rows read, progress that never leaves 0..100,
// and the count pass.

#include "document/ReaderFrame.h"
#include "document/frmMessageBox.h"
#include "platform/Grid.h"
#include "shell/frmControl.h"
#include "support/TestProgram.h"

namespace {

bool EveryLine(const QString&) {
    return true;
}
bool NoLine(const QString&) {
    return false;
}

// One row per line; the line "stop" is a read failure.
ReadOutcome RowsUntilStop(ReaderFrame& f) {
    while (!f.atEnd()) {
        const QString line = f.nextLine();
        if (line == QLatin1String("stop")) return f.fail();
        f.addRow();
        f.progress();
        f.addText(line);
    }
    return ReadOutcome::Finished;
}

class Frame : public ::testing::Test {
protected:
    ReadOutcome read(const QStringList& lines, bool (*counts)(const QString&), bool interactive) {
        source = LineSource(lines);
        ReaderFrame frame(t.program(), source, {"f.txt", 9, 1, true, interactive});
        const SubtitleReader reader{{}, counts, &RowsUntilStop};
        frame.CountPass(reader);
        counted = frame.RowCounter() - 1;
        const ReadOutcome outcome = frame.Read(reader);
        startRow = frame.StartRow();
        return outcome;
    }
    TestProgram t;
    LineSource source;
    int counted = 0, startRow = 0;
};

TEST_F(Frame, AReadFailureStopsAndKeepsTheRowsRead) {
    Message seen;
    t.reply(frmMessageBox::Ok, &seen);
    EXPECT_EQ(read({"a", "b", "stop", "c"}, &EveryLine, true), ReadOutcome::Failed);
    EXPECT_EQ(seen.title, "Reading succesfull but with errors.");
    EXPECT_EQ(counted, 4);
    EXPECT_EQ(startRow, 3);
    EXPECT_EQ(t->doc.grid().textMatrix(2, 3), " b");
    EXPECT_EQ(t->control().lblEnd.caption(), "Reading failure.");
    EXPECT_FALSE(t->control().Text1.text().contains("Please wait"))
        << "a failed read does not log its closing line";

    EXPECT_EQ(read({"stop"}, &EveryLine, false), ReadOutcome::Failed) << "quietly";
}

TEST_F(Frame, ProgressStaysWithinItsBarWhateverTheCount) {
    // Nothing counted, rows read all the same: no division by zero.
    EXPECT_EQ(read({"a", "b", "c"}, &NoLine, false), ReadOutcome::Finished);
    EXPECT_EQ(counted, 0);
    EXPECT_DOUBLE_EQ(t->control().ProgressBar1.value(), 100);
    EXPECT_EQ(t->doc.grid().textMatrix(3, 3), " c");
    EXPECT_TRUE(t->control().Text1.text().endsWith("Please wait. Analising and configuring read "
                                                   "data ..."));
}

} // namespace
