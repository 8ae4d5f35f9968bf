// Every format Mirel writes loads again: a document of the most lines a
// document holds, saved through File > Save in each of the sixteen formats and
// opened again through File > Open, comes back with every row.

#include "document/Formats.h"
#include "document/TimeCode.h"
#include "document/readers/Readers.h"
#include "fileio/Files.h"
#include "platform/Grid.h"
#include "support/ChooserAnswers.h"
#include "support/GridSetup.h"
#include "support/Printing.h"

#include <QFile>
#include <QTime>
#include <cmath>

namespace {

class FullDocumentRoundTrip : public ::testing::TestWithParam<int> {
protected:
    TestProgram t;
    QString cell(int r, int c) { return t->doc.grid().textMatrix(r, c); }
};

// Row r starts at 2r seconds, lasts a second and says "Line r".
std::vector<Line> FullDocument() {
    std::vector<Line> lines;
    lines.reserve(Document::MaxLines);
    for (int r = 1; r <= Document::MaxLines; ++r) {
        const QTime at = QTime(0, 0).addSecs(2 * r);
        const QString start = at.toString("hh:mm:ss") + ",000";
        const QString end = at.addSecs(1).toString("hh:mm:ss") + ",000";
        lines.push_back({start, end, " Line " + QString::number(r)});
    }
    return lines;
}

TEST_P(FullDocumentRoundTrip, SavedAndOpenedAgainWithEveryRow) {
    const int format = GetParam();
    setLines(t.program(), FullDocument());
    const QString path =
        t.dataFilesPath("full" + QString::number(format) + Files::SetSubFileExt(format));
    typeInChooser(t, path, format);
    ASSERT_TRUE(t->fileCommands.MenuSaveSubFile());
    ASSERT_TRUE(QFile::exists(path));

    setLines(t.program(), {{"00:00:01,000", "00:00:02,000", " Other"}});
    openThroughMenu(t, path, format);
    EXPECT_TRUE(t->loader.LoadOk);
    EXPECT_EQ(t->files.CurFileIndex, format);
    ASSERT_EQ(t->doc.lineCount(), Document::MaxLines);
    for (int r : {1, 2, 4999, 9997, 9998}) {
        SCOPED_TRACE(r);
        EXPECT_EQ(cell(r, 3).trimmed(), "Line " + QString::number(r));
        // Frame-numbered formats keep a time to within a frame.
        EXPECT_LT(std::fabs(TimeToMs(cell(r, 1)) - 2000.0 * r), 50.0) << cell(r, 1).toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(EveryFormat, FullDocumentRoundTrip,
                         ::testing::Range(1, formats::FormatCount + 1));

} // namespace
