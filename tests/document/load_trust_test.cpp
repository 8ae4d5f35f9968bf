// Loads a user can trust: files whose lines match no detection test but
// whose extension names their format open through File > Open; a file that
// yields no subtitle leaves the document as it was and says so; corrupt time
// lines are bad lines; a new load clears the old document's diagnose
// messages; commands that change the document wait while a load fills the
// grid; open failures name the file as it is.

#include "document/Formats.h"
#include "document/frmMessageBox.h"
#include "fileio/Files.h"
#include "fileio/frmFile.h"
#include "platform/Grid.h"
#include "shell/frmSettings.h"
#include "shell/frmSplash.h"
#include "shell/frmTip.h"
#include "support/ChooserAnswers.h"
#include "support/FileBytes.h"
#include "support/Printing.h"
#include "tools/TimeTab.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTimer>

namespace {

class Trust : public ::testing::Test {
protected:
    TestProgram t;
    QString cell(int r, int c) { return t->doc.grid().textMatrix(r, c); }
    int lines() { return t->doc.lineCount(); }
    QString file(const QString& name, const QByteArray& bytes) {
        return t.writeDataFile(name, bytes);
    }
    // The document as a user sees it: file, rows and the first row's text.
    QStringList state() {
        return {t->files.CurFileName, QString::number(lines()), cell(1, 1), cell(1, 3),
                t->doc.FileChanged ? "changed" : "saved"};
    }
};

// ---- Detection by extension ---------------------------------------------------------

struct Sample {
    const char* path; // below tests/data
    int format;
    int rows;
    const char* firstText;         // row 1, column 3, trimmed
    bool endMissing = false;       // the file ends before its last end time: the load says so
    const char* notKept = nullptr; // what the load says the file held that Mirel keeps nowhere
    friend void PrintTo(const Sample& s, std::ostream* out) { *out << s.path; }
};

class OpenSample : public ::testing::TestWithParam<Sample> {};

TEST_P(OpenSample, OpensAsTheFormatItsExtensionNames) {
    const Sample s = GetParam();
    TestProgram t;
    const QString path = t.writeDataFile(QFileInfo(s.path).fileName(),
                                         readBytes(QStringLiteral(MIREL_SAMPLES_DIR "/") + s.path));
    Message told;
    pickInChooser(t, path, frmFile::TypeSupported);
    Message held;
    if (s.endMissing) t.reply(frmMessageBox::Ok, &told);
    if (s.notKept) t.reply(frmMessageBox::Ok, &held);
    t->fileCommands.MenuLoadFile();
    if (s.notKept) {
        EXPECT_TRUE(held.text.contains(s.notKept)) << held.text.toStdString();
    }
    if (s.endMissing) {
        const QString last = QString::number(s.rows);
        EXPECT_TRUE(told.text.contains("no end time in the file") &&
                    (told.text.contains("(row " + last + ")") ||
                     told.text.contains("row " + last + " ends 2 s")))
            << told.text.toStdString();
    }
    EXPECT_TRUE(t->loader.LoadOk) << s.path;
    EXPECT_EQ(t->files.CurFileIndex, s.format) << s.path;
    EXPECT_EQ(t->doc.lineCount(), s.rows) << s.path;
    EXPECT_EQ(t->doc.grid().textMatrix(1, 3).trimmed(), s.firstText) << s.path;
    EXPECT_FALSE(t->doc.grid().textMatrix(1, 1).isEmpty()) << "the first row has its time";
}

INSTANTIATE_TEST_SUITE_P(
    RealFiles, OpenSample,
    ::testing::Values(Sample{"subrip/astisub_missing-sequence-in.srt", Format::SubRip, 6,
                             "(deep rumbling)", false, "the position of 1 row (row 2)"},
                      Sample{"jacosub/se_test_jacosub_basic.jss", Format::JacoSub, 2,
                             "[Billy] That might have been my fault."},
                      Sample{"realtime/se_comment_realtime_classic.rt", Format::RealTime, 1,
                             "Man stjæler ikke fra Chavo, nej."},
                      Sample{"dvdsubtitle/se_comment_dvdsubtitle.sub", Format::DvdSubtitle, 1,
                             "Some text", true},
                      Sample{"tmplayer/se_test_tmplayer_crcrlf.txt", Format::TmPlayer, 10,
                             "Line number 0", true}));

// Opened, saved and opened again: every row has its end, told once; a start before zero stays.
struct Timed {
    const char* name;
    QByteArray bytes;
    int format;
    QStringList times;        // "start end" per row, as the grid shows them
    const char* told;         // what the load tells of rows without an end time
    const char* asked = "";   // the save's question about a start before zero
    const char* written = ""; // how the saved file writes that start
    int saveAs = 0;           // the format saved as (0: the file's own)
    friend void PrintTo(const Timed& c, std::ostream* o) { *o << c.name << " as " << c.saveAs; }
};

class OpenTimed : public ::testing::TestWithParam<Timed> {};

TEST_P(OpenTimed, EveryRowHasItsEndAndReadsBackAsSaved) {
    const Timed c = GetParam();
    TestProgram t;
    const auto shownTimes = [&] { // as the grid view shows them
        QCoreApplication::processEvents();
        const QAbstractItemModel* m =
            qobject_cast<QAbstractItemView*>(t->doc.grid().widget())->model();
        QStringList times;
        for (int r = 0; r < t->doc.lineCount(); ++r)
            times << m->data(m->index(r, 1)).toString() + " " + m->data(m->index(r, 2)).toString();
        return times;
    };
    pickInChooser(t, t.writeDataFile(c.name, c.bytes), c.format);
    Message told;
    if (*c.told) t.reply(frmMessageBox::Ok, &told);
    t.main().mnuLoadFile.click();
    ASSERT_TRUE(t->loader.LoadOk);
    EXPECT_EQ(told.text, QString::fromUtf8(c.told));
    EXPECT_EQ(shownTimes(), c.times);

    // The first row's times in the edit area, the Stretch and the Time tool.
    t->doc.grid().setCurrentCell(1, 1);
    const QString start = c.times[0].section(' ', 0, 0), end = c.times[0].section(' ', 1);
    const BasicTab& basic = t.main().editor.basic;
    const TimeTab& time = t.main().timeTab;
    EXPECT_EQ(QStringList({basic.rtfLineStart.text(), basic.rtfSubEditBasic.text(),
                           t.main().editor.rtfStretchFirst.text(), time.rtfTimeStart.text(),
                           basic.rtfLineEnd.text(), time.rtfTimeEnd.text()}),
              QStringList({start, start, start, start, end, end}));

    const int format = c.saveAs ? c.saveAs : c.format;
    const QString saved = t.dataFilesPath("saved" + Files::SetSubFileExt(format));
    Message asked;
    if (*c.asked) t.reply(frmMessageBox::Yes); // the diagnose counts the time as an error
    typeInChooser(t, saved, format);
    if (*c.asked) t.reply(frmMessageBox::Yes, &asked);
    for (int r = 1; r < c.times.size(); ++r) // each further row before zero is asked about
        if (c.times[r].startsWith('-')) t.reply(frmMessageBox::Yes);
    t.main().mnuSavesubfile.click();
    EXPECT_TRUE(asked.text.contains(QString::fromUtf8(c.asked))) << asked.text.toStdString();
    ASSERT_EQ(t->files.CurFileName, saved) << "the save did not happen";
    EXPECT_TRUE(readBytes(saved).contains(c.written)) << readBytes(saved).toStdString();
    openThroughMenu(t, saved, format); // nothing is told: the saved file has every end
    EXPECT_EQ(shownTimes(), c.times);
}

const Timed Early{"early.srt",
                  "1\r\n-00:00:01,000 --> 00:00:02,000\r\nearly\r\n\r\n"
                  "2\r\n00:00:03,000 --> 00:00:04,000\r\nlate\r\n",
                  Format::SubRip,
                  {"-00:00:01,000 00:00:02,000", "00:00:03,000 00:00:04,000"},
                  "",
                  "Line 1 starts at -00:00:01,000, before 00:00:00,000.",
                  "\r\n-00:00:01,000 --> 00:00:02,000\r\n"};

INSTANTIATE_TEST_SUITE_P(
    Rows, OpenTimed,
    ::testing::Values(
        Timed{"open.rt",
              "<Time begin=\"0:00:01.00\" /><clear/> one\r\n<Time begin=\"0:00:04.00\" /> two\r\n",
              Format::RealTime,
              {"00:00:01,000 00:00:04,000", "00:00:04,000 00:00:06,000"},
              "2 rows had no end time in the file: row 1 now ends where the next row starts, "
              "row 2 ends 2 s after it starts."},
        Timed{"open.sub",
              "{HEAD\r\n}\r\n{T 00:00:01:00\r\none\r\n}\r\n{T 00:00:02:00\r\n\r\n}\r\n"
              "{T 00:00:03:00\r\ntwo\r\n}\r\n",
              Format::DvdSubtitle,
              {"00:00:01,000 00:00:02,000", "00:00:03,000 00:00:05,000"},
              "1 row had no end time in the file: it now ends 2 s after it starts (row 2)."},
        Timed{"early.txt",
              "-0:00:07:I always wanted\r\n-0:00:01:to come\r\n0:00:01:to France.\r\n",
              Format::TmPlayer,
              {"-00:00:07,000 -00:00:01,000", "-00:00:01,000 00:00:01,000",
               "00:00:01,000 00:00:03,000"},
              "3 rows had no end time in the file: rows 1 and 2 now end where the next row "
              "starts, row 3 ends 2 s after it starts.",
              "Line 1 starts at -00:00:07,000, before 00:00:00,000.",
              "-00:00:07,0=I always wanted"}));

// A start before zero saved in every format reads back as that time.
std::vector<Timed> EarlyInEveryFormat() {
    std::vector<Timed> rows(16, Early);
    for (int f = 1; f <= 16; ++f)
        rows[f - 1].saveAs = f, rows[f - 1].written = f == Format::SubRip ? Early.written : "";
    return rows;
}
INSTANTIATE_TEST_SUITE_P(Converted, OpenTimed, ::testing::ValuesIn(EarlyInEveryFormat()));

TEST_F(Trust, AFileThatIsNoneOfItsExtensionsFormatIsNotRecognised) {
    mustLoad(t.program(), file("kept.srt", SubRip(2)));
    const QStringList before = state();
    pickInChooser(t, file("notes.srt", "Shopping list\r\n\r\nbread\r\nmilk\r\n"),
                  frmFile::TypeSupported);
    Message seen;
    t.reply(frmMessageBox::Ok, &seen);
    t->fileCommands.MenuLoadFile();
    EXPECT_FALSE(t->loader.LoadOk);
    EXPECT_TRUE(seen.text.contains("notes.srt' was not recognised")) << seen.text.toStdString();
    EXPECT_EQ(state(), before);
}

// ---- A file without subtitles -------------------------------------------------------

TEST_F(Trust, AFileWithoutASubtitleKeepsThePreviousDocumentAndSaysSo) {
    mustLoad(t.program(), file("kept.srt", SubRip(2)));
    t->doc.FileChanged = true;
    const QStringList before = state();
    struct Case {
        const char* name;
        int type; // as chosen in the chooser
        QByteArray bytes;
    };
    const Case cases[] = {
        {"prose.srt", Format::SubRip, "Dear diary,\r\ntoday nothing happened.\r\n"},
        {"header.ssa", Format::SubStationAlpha, "[Script Info]\r\nTitle: none\r\n"},
        {"list.txt", Format::TmPlayer, "eggs\r\nflour\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        pickInChooser(t, file(c.name, c.bytes), c.type);
        Message seen;
        t.reply(frmMessageBox::Ok, &seen);
        t->fileCommands.MenuLoadFile();
        EXPECT_FALSE(t->loader.LoadOk);
        EXPECT_TRUE(seen.text.contains(c.name)) << seen.text.toStdString();
        EXPECT_TRUE(seen.text.contains("no subtitle")) << seen.text.toStdString();
        EXPECT_EQ(state(), before) << "the previous document stays";
    }
}

// ---- Corrupt time lines -------------------------------------------------------------

TEST_F(Trust, ACorruptTimeLineIsABadLineNotATime) {
    const QString path = file("corrupt.srt", crlf({"1", "00:00:01,000 --> 00:00:02,000", "One", "",
                                                   "2", "00:0x:03,000 --> garbage", "Two", "", "3",
                                                   "00:00:05,000 --> 00:00:06,000", "Three"}));
    Message seen;
    t.reply(frmMessageBox::Yes, &seen);
    loadSubFile(t.program(), path, 0, false, true);
    EXPECT_EQ(seen.title, "Error");
    EXPECT_TRUE(seen.text.contains("00:0x:03,000 --> garbage")) << seen.text.toStdString();
    EXPECT_TRUE(t->loader.LoadOk);
    ASSERT_EQ(lines(), 3);
    EXPECT_EQ(cell(2, 3), " Two") << "the entry's text stays";
    EXPECT_EQ(cell(2, 1), "") << "no time was read";
    EXPECT_EQ(cell(2, 2), "") << "and no end at zero";
    EXPECT_EQ(cell(3, 1), "00:00:05,000");

    loadSubFile(t.program(), path); // not interactive: the same rows, nothing asked
    EXPECT_EQ(cell(2, 2), "");
    EXPECT_EQ(cell(3, 3), " Three");
}

// ---- Text a row cannot hold -----------------------------------------------------------

// A row holds three text lines: a fourth is asked about in every format.
TEST_F(Trust, AFourthTextLineIsAskedAboutInEveryFormat) {
    const struct {
        const char* name;
        const char* bytes;
    } files[] = {
        {"d.sub",
         "{HEAD\r\n}\r\n{T 00:00:01:00\r\na\r\nb\r\nc\r\nd\r\n}\r\n{T 00:00:02:00\r\n\r\n}\r\n"},
        {"j.jss", "0:00:01.00 0:00:02.00 {NTP} a\\nb\\nc\\nd\r\n"},
        {"m.sub", "{25}{50}a|b|c|d\r\n"},
        {"p.pjs", "25, 50, \"a|b|c|d\"\r\n"},
        {"p.psb", "{00:00:01}{00:00:02}a|b|c|d\r\n"},
        {"r.rt", "<Time begin=\"0:00:01.00\" end=\"0:00:02.00\" /><clear/> a<br>b<br>c<br>d\r\n"},
        {"s.smi", "<SAMI>\r\n<BODY>\r\n<SYNC Start=1000><P>a<br>b<br>c<br>d\r\n"
                  "<SYNC Start=2000><P>&nbsp;\r\n</BODY>\r\n"},
        {"s.sub", "0001  00:00:01:00  00:00:02:00 a\r\nb\r\nc\r\nd\r\n\r\n"},
        {"s.srt", "1\r\n00:00:01,000 --> 00:00:02,000\r\na\r\nb\r\nc\r\nd\r\n"},
        {"s.ssa",
         "Dialogue: Marked=0,0:00:01.00,0:00:02.00,Default,,0000,0000,0000,,a\\Nb\\Nc\\Nd\r\n"},
        {"v1.sub", "[00:00:01]\r\na|b|c|d\r\n[00:00:02]\r\n\r\n"},
        {"v2.sub", "00:00:01.00,00:00:02.00\r\na[br]b[br]c[br]d\r\n\r\n"},
        {"t.txt", "00:00:01,0=a|b|c|d\r\n00:00:02,0=\r\n"},
        {"t.tts", "0:00:01.00,0:00:02.00,NTP a|b|c|d\r\n"},
        {"v.vsf", "{* VIPLAY SUBTITLE FILE *}\r\n00:00:01,000-00:00:02,000=a|b|c|d\r\n"},
        {"z.zeg", "% Zero G 1.0\r\n\r\nE 1 0:00:01.00 0:00:02.00 Default NTP a\\nb\\nc\\nd\r\n"},
    };
    for (int format = 1; format <= 16; ++format) {
        const auto& f = files[format - 1];
        SCOPED_TRACE(f.name);
        Message seen;
        t.reply(frmMessageBox::Yes, &seen);
        loadSubFile(t.program(), file(f.name, f.bytes), format, false, true);
        EXPECT_EQ(seen.title, "Error");
        EXPECT_TRUE(seen.text.contains(QRegularExpression("= '[^']*d[^']*'"))) << "names the line";
        ASSERT_EQ(lines(), 1);
        EXPECT_EQ(QStringList({cell(1, 3), cell(1, 4), cell(1, 5)}),
                  QStringList({" a", " b", " c"}));
    }
}

// ---- Diagnose messages ---------------------------------------------------------------

TEST_F(Trust, ANewLoadClearsTheOldDocumentsDiagnoseMessages) {
    mustLoad(t.program(), file("old.srt", SubRip(5)));
    for (int r = 1; r <= 5; ++r)
        t->diag.setDiagMsg(r, "overlap");
    loadSubFile(t.program(), file("add.srt", SubRip(2)), 0, true);
    EXPECT_EQ(t->diag.DiagMsg(3), "overlap") << "an add keeps the rows it does not read";
    EXPECT_EQ(t->diag.DiagMsg(6), "");
    t.reply(frmMessageBox::No); // the add changed the document: not saved
    mustLoad(t.program(), file("new.srt", SubRip(3)));
    for (int r = 0; r <= 7; ++r)
        EXPECT_EQ(t->diag.DiagMsg(r), "") << r;
}

// ---- Commands while a load fills the grid ----------------------------------------------

TEST_F(Trust, CommandsThatChangeTheDocumentWaitForTheLoad) {
    t.main().load();
    int ends = 0;
    t->shell.EndProgram = [&] { ++ends; };
    const QString other = file("other.srt", SubRip(4));
    // A bad line's question gives the user the chance to reach the commands.
    t.answer<frmMessageBox>([&](frmMessageBox& m) {
        ASSERT_TRUE(t->loader.Loading());
        t.main().mnuNewFile.click();
        t.main().mnuLoadFile.click();
        t.main().mnuAddFile.click();
        t.main().editor.basic.Command10.onClick(); // Insert
        t.main().editor.basic.Command11.onClick(); // Delete
        t.main().mnuExit.click();
        m.cmdActionClick(frmMessageBox::Yes);
    });
    loadSubFile(t.program(),
                file("long.srt", "1\r\n00:00:01,000 --> 00:00:02,000\r\na\r\nb\r\nc\r\nd\r\n\r\n"
                                 "2\r\n00:00:03,000 --> 00:00:04,000\r\ne\r\n"),
                0, false, true);
    EXPECT_TRUE(t->loader.LoadOk);
    EXPECT_EQ(ends, 0) << "the program did not end in the middle of the load";
    EXPECT_TRUE(t.main().isLoaded());
    ASSERT_EQ(lines(), 2);
    EXPECT_EQ(t->files.CurFileTitle, "long.srt");
    EXPECT_EQ(cell(1, 3), " a");
    EXPECT_EQ(cell(2, 3), " e");
    (void)other;
}

TEST_F(Trust, AKeyThatClosesTheSplashDuringTheStartUpLoadStopsItsCountdown) {
    // The file open at the last exit is loaded with the main window, inside
    // the splash's load.
    const QString last = file("last.srt", SubRip(3));
    writeFileAt(t->folder.path(runtime::Place::LastFile), (last + "\r\n\r\n").toUtf8());
    t->settings().Check7[1].setValue(platform::CheckBox::Checked); // load the last files
    frmSplash& splash = t->splash();
    // The user presses a key while that load lets window events run.
    QTimer key;
    key.setInterval(0);
    bool pressed = false;
    QObject::connect(&key, &QTimer::timeout, [&] {
        if (!t->loader.Loading()) return;
        key.stop();
        pressed = true;
        int code = 13;
        splash.picSurface.onKeyDown(code, 0);
    });
    key.start();
    t.answer<frmTip>([](frmTip& w) { w.cmdOk.onClick(); }); // the tips after the splash
    splash.load();
    key.stop();
    ASSERT_TRUE(pressed) << "the start-up load let the key through";
    EXPECT_EQ(t->files.CurFileName, last);
    EXPECT_FALSE(splash.isLoaded());
    EXPECT_FALSE(splash.Timer2.enabled()) << "no countdown on a closed splash";
    t.main().hide();
}

// ---- Open failures ----------------------------------------------------------------------

TEST_F(Trust, TheOpenFailureNamesThePathAsItIs) {
    const QString folder = t.folder() + "/Data/Files/nina";
    QDir().mkpath(folder + "/notes.srt"); // a folder by that name cannot be read as a file
    Message seen;
    t.reply(frmMessageBox::Ok, &seen);
    loadSubFile(t.program(), folder + "/notes.srt", 0, false, true);
    EXPECT_FALSE(t->loader.LoadOk);
    QString shown = seen.text;
    shown.remove(QChar(0x2060));
    EXPECT_TRUE(shown.contains(folder + "/notes.srt")) << seen.text.toStdString();
    EXPECT_FALSE(seen.text.contains("/n")) << "a \"/n\" in the path stays text";
}

} // namespace
