// Round trips through the readers: a document written by the writer, read back
// with LoadSubFile and written again gives the same bytes.

#include "document/Loader.h"
#include "support/FileBytes.h"
#include "support/GridSetup.h"
#include "support/TestProgram.h"

namespace {

TEST(WriterRoundTrip, SubRipReadBackIsWrittenTheSame) {
    TestProgram t;
    setLines(
        t.program(),
        {
            {"00:00:01,000", "00:00:02,500", " Hello", " world", "", "Arial;Western;Italic;16"},
            {"00:00:03,000", "00:00:04,000", " Loud", "", " third", "Arial;Western;Bold;16"},
            {"00:00:05,120", "00:01:00,007", " Both", "", "", "Arial;Western;Bold Italic;16"},
            {"01:00:00,000", "12:34:56,789", " Plain", " two", " three",
             "Arial;Western;Regular;16"},
        });
    const QString first = t.dataFilesPath("first.srt");
    EXPECT_TRUE(saveDocument(t.program(), first, 9));

    loadSubFile(t.program(), first, 9);
    ASSERT_TRUE(t->loader.LoadOk);
    ASSERT_EQ(t->doc.lineCount(), 4);

    const QString second = t.dataFilesPath("second.srt");
    EXPECT_TRUE(saveDocument(t.program(), second, 9));
    EXPECT_EQ(readBytes(second), readBytes(first));
    EXPECT_TRUE(
        readBytes(first).contains("3\r\n00:00:05,120 --> 00:01:00,007\r\n<i><b>Both</b></i>"));
}

} // namespace
