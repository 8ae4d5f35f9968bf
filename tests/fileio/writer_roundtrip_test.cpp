// Round trips through the readers: a document written by the writer, read back
// with LoadSubFile and written again gives the same bytes.

#include "document/Loader.h"
#include "fileio/frmFile.h"
#include "platform/Grid.h"
#include "support/TestProgram.h"

#include <QDir>
#include <QFile>

namespace {

QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void saveTo(TestProgram& t, const QString& path, int format) {
    t->fileChooser().lblFullName.setCaption(path);
    EXPECT_TRUE(t->files.CreateSubFile(false, false, format, 1, t->doc.lineCount(), false));
}

TEST(WriterRoundTrip, SubRipReadBackIsWrittenTheSame) {
    TestProgram t;
    platform::Grid& g = t->doc.grid();
    const QStringList rows[] = {
        {"00:00:01,000", "00:00:02,500", " Hello", " world", "", "Arial;Western;Italic;16"},
        {"00:00:03,000", "00:00:04,000", " Loud", "", " third", "Arial;Western;Bold;16"},
        {"00:00:05,120", "00:01:00,007", " Both", "", "", "Arial;Western;Bold Italic;16"},
        {"01:00:00,000", "12:34:56,789", " Plain", " two", " three", "Arial;Western;Regular;16"},
    };
    g.setRows(6);
    t->doc.lstFont = QStringList{QString()};
    for (int r = 1; r <= 4; ++r) {
        const QStringList& cells = rows[r - 1];
        g.setTextMatrix(r, 0, QString::number(r));
        for (int c = 1; c <= 5; ++c)
            g.setTextMatrix(r, c, cells[c - 1]);
        t->doc.lstFont << cells[5];
    }
    QDir().mkpath(t.folder() + "/Data/Files");
    const QString first = t.folder() + "/Data/Files/first.srt";
    saveTo(t, first, 9);

    QString name = first;
    int format = 9, row = 1;
    t->loader.LoadSubFile(name, format, row, false, false, false);
    ASSERT_TRUE(t->loader.LoadOk);
    ASSERT_EQ(t->doc.lineCount(), 4);

    const QString second = t.folder() + "/Data/Files/second.srt";
    saveTo(t, second, 9);
    EXPECT_EQ(readBytes(second), readBytes(first));
    EXPECT_TRUE(
        readBytes(first).contains("3\r\n00:00:05,120 --> 00:01:00,007\r\n<i><b>Both</b></i>"));
}

} // namespace
