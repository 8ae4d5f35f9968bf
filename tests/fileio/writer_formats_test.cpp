// The subtitle writer, one file per format: a two-line document written in
// each of the sixteen formats to the file chooser's target and compared byte
// for byte (headers, line layouts, time pieces, text joining, bold and
// italic); the text rules for empty and blank cells; what each format keeps of
// a time (frames, hundredths, tenths, whole seconds, whole hours); the
// target's name and extension; the forms other programs' readers need, saved
// and opened again through the file menu.

#include "fileio/FileCommands.h"
#include "fileio/frmFile.h"
#include "platform/Grid.h"
#include "support/ChooserAnswers.h"
#include "support/FileBytes.h"
#include "support/GridSetup.h"
#include "support/Printing.h"
#include "support/TestProgram.h"

#include <QDir>
#include <QFile>
#include <vector>

namespace {

// Saves the whole document in a format to <program folder>/Data/Files/<name>.
bool saveAs(TestProgram& t, const QString& name, int format) {
    return saveDocument(t.program(), t.dataFilesPath(name), format);
}

// Line 1 is italic, line 2 bold with a third text line after an empty second
// one and an hour past 9.
const std::vector<Line> TwoLines = {
    {"00:00:11,000", "00:00:12,500", " Hello", " world", "", "Arial;Western;Italic;16"},
    {"12:34:56,789", "12:34:58,010", " Second", "", " third", "Arial;Western;Bold;16"},
};

struct Expected {
    int format;
    const char* ext;
    QStringList lines;
};

QStringList jacoHeader() {
    QStringList h = {"#T100", "", "# Directive entries", "#D"};
    for (int i = 1; i <= 29; ++i)
        h << "#" + QString::number(i);
    return h;
}

const QStringList RealTimeHeader = {"<Window",
                                    "  With     = \"640\"",
                                    "  Heigth   = \"480\"",
                                    "  WordWrap = \"true\"",
                                    "  Loop     = \"true\"",
                                    "  bgcolor  = \"black\"",
                                    ">",
                                    "<Font",
                                    "  Color = \"white\"",
                                    "  Face  = \"Arial\"",
                                    "  Size  = \"+2\"",
                                    ">",
                                    "<center>",
                                    "<b>",
                                    ""};

const QStringList SamiHeader = {"<SAMI>",
                                "<HEAD>",
                                "   <STYLE TYPE=\"Text/css\">",
                                "   <!--",
                                "      P {margin-left: 29pt; margin-right: 29pt; font-size: 29pt;",
                                "      text-align: center; font-family: tahoma, arial, sans-serif;",
                                "      font-weight: bold; color: white; background-color: black;}",
                                "      .SUBTTL {Name: 'Subtitles'; Lang: en-US; SAMIType: CC;}",
                                "   -->",
                                "   </STYLE>",
                                "</HEAD>",
                                "<BODY>"};

const QStringList SsaHeader = {
    "[Script Info]",
    "ScriptType: v4.00",
    "Synch Point: Side 1 0m00s",
    "Collisions: Normal",
    "Timer: 100.0000",
    "",
    "[V4 Styles]",
    "Format: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, TertiaryColour, "
    "BackColour, Bold, Italic, BorderStyle, Outline, Shadow, Alignment, MarginL, MarginR, "
    "MarginV, AlphaLevel, Encoding",
    "Style: Default,Arial,26,253436,0,16777215,0,-1,0,1,2,2,2,20,20,10,0,0",
    "",
    "[Events]",
    "Format: Marked, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text"};

const QStringList SubViewer1Header = {
    "[TITLE]",    "",  "[AUTHOR]", "",
    "[SOURCE]",   "",  "[PRG]",    "",
    "[FILEPATH]", "",  "[DELAY]",  "0",
    "[CDTRACK]",  "0", "[BEGIN]",  "******** START SCRIPT ********"};

std::vector<Expected> expectedFiles() {
    return {
        {1, ".sub",
         QStringList{"{HEAD", "DISCID=", "DVDTITLE=", "CODEPAGE=1250", "FORMAT=ASCII", "LANG=EN",
                     "TITLE=1", "ORIGINAL=ORIGINAL", "AUTHOR=", "WEB=https://mirel.example",
                     "INFO=", "LICENSE=NONE", "}"}
             << QStringList{"{T 00:00:11:00", "Hello", "world", "}", "{T 00:00:12:50", "", "}",
                            "{T 12:34:56:78", "Second", "third", "}", "{T 12:34:58:01", "", "}"}},
        {2, ".jss",
         jacoHeader() << "0:00:11.00 0:00:12.50 {NTP} \\IHello\\nworld\\i"
                      << "12:34:56.78 12:34:58.01 {NTP} \\BSecond\\nthird\\b"},
        {3, ".sub", {"{275}{312}Hello|world", "{1132419}{1132450}Second|third"}},
        {4, ".pjs", {"    275,    312, \"Hello|world\"", "1132419,1132450, \"Second|third\""}},
        {5, ".psb", {"{00:00:11}{00:00:12}Hello|world", "{12:34:56}{12:34:58}Second|third"}},
        {6, ".rt",
         QStringList(RealTimeHeader)
             << "<Time begin=\"0:00:11.00\" end=\"0:00:12.50\" /><clear/> Hello<br>world"
             << "<Time begin=\"12:34:56.78\" end=\"12:34:58.01\" /><clear/> Second<br>third"
             << "</b>"
             << "</center>"},
        {7, ".smi",
         QStringList(SamiHeader) << "   <SYNC START=11000>"
                                 << "      <P>Hello<br>world"
                                 << "   <SYNC START=12500>"
                                 << "      <P>&nbsp;"
                                 << "   <SYNC START=45296789>"
                                 << "      <P>Second<br>third"
                                 << "   <SYNC START=45298010>"
                                 << "      <P>&nbsp;"
                                 << "</BODY>"
                                 << "</SAMI>"},
        {8,
         ".sub",
         {"0001  00:00:11:00  00:00:12:12  Hello", "world", "",
          "0002  12:34:56:19  12:34:58:00  Second", "third", ""}},
        {9,
         ".srt",
         {"1", "00:00:11,000 --> 00:00:12,500", "<i>Hello</i>", "<i>world</i>", "", "2",
          "12:34:56,789 --> 12:34:58,010", "<b>Second</b>", "<b>third</b>", ""}},
        {10, ".ssa",
         QStringList(SsaHeader)
             << "Dialogue: Marked=0,0:00:11.00,0:00:12.50,Default,,0000,0000,0000,!Effect,"
                "Hello\\Nworld"
             << "Dialogue: Marked=0,12:34:56.78,12:34:58.01,Default,,0000,0000,0000,!Effect,"
                "Second\\Nthird"},
        {11, ".sub",
         QStringList(SubViewer1Header) << "[00:00:11]"
                                       << "Hello|world"
                                       << "[00:00:12]"
                                       << ""
                                       << "[12:34:56]"
                                       << "Second|third"
                                       << "[12:34:58]"
                                       << ""
                                       << "[END]"
                                       << "******** END SCRIPT ********"},
        {12,
         ".sub",
         {"[INFORMATION]", "[AUTHOR]", "[SOURCE]", "[PRG]", "[FILEPATH]", "[DELAY]0", "[CD TRACK]0",
          "[COMMENT]", "[END INFORMATION]", "[SUBTITLE]",
          "[COLF]&HFFFFFF,[STYLE]no,[SIZE]29, [Font]Tahoma", "00:00:11.00,00:00:12.50",
          "Hello[br]world", "", "12:34:56.78,12:34:58.01", "Second[br]third", ""}},
        {13,
         ".txt",
         {"00:00:11,0=Hello|world", "00:00:12,5=", "12:34:56,7=Second|third", "12:34:58,0="}},
        {14,
         ".tts",
         {"0:00:11.00,0:00:12.50,NTP Hello|world", "12:34:56.78,12:34:58.01,NTP Second|third"}},
        {15,
         ".vsf",
         {"{* VIPLAY SUBTITLE FILE *}", "00:00:11,000-00:00:12,500=Hello|world",
          "12:34:56,789-12:34:58,010=Second|third"}},
        {16,
         ".zeg",
         {"% Zero G 1.0", "", "E 1 0:00:11.00 0:00:12.50 Default NTP Hello\\nworld",
          "E 1 12:34:56.78 12:34:58.01 Default NTP Second\\nthird"}},
    };
}

TEST(WriterFormats, WritesEachFormatsHeaderLinesAndFooter) {
    TestProgram t;
    setLines(t.program(), TwoLines);
    t->shell.FrameRateText = "25.000";
    platform::ComboBox& fonts = t.main().editor.font.Combo9[0];
    fonts.addItem("Arial");
    fonts.addItem("Tahoma");
    fonts.setListIndex(1);
    const std::vector<Expected> all = expectedFiles();
    ASSERT_EQ(all.size(), 16u);
    for (const Expected& e : all) {
        SCOPED_TRACE(e.format);
        EXPECT_TRUE(saveAs(t, "movie.en.txt", e.format));
        const QString target = t.dataFilesPath(QString("movie.en") + e.ext);
        EXPECT_EQ(readBytes(target), crlf(e.lines));
        EXPECT_EQ(t->files.CurFileName, target);
        EXPECT_EQ(Files::SetSubFileExt(e.format), e.ext);
        QFile::remove(target); // formats share ".sub": no overwrite question
    }
    EXPECT_EQ(Files::SetSubFileExt(0), "");
    EXPECT_EQ(Files::SetSubFileExt(17), "");
}

// A line saved through File > Save: the file holds `written` (lines in a
// row) and File > Open reads the line back as it was.
struct ReadElsewhere {
    const char* what;
    int format;
    Line line;
    QStringList written;
};

const Line Early = {"00:00:01,000", "00:00:02,500", " x"};
const Line Late = {"10:20:30,400", "12:00:00,000", " x"};

const std::vector<ReadElsewhere> ReadElsewhereRows = {
    {"script sections, 18 style values, hard breaks",
     10,
     {"00:00:01,000", "00:00:02,500", " one", " two", " three"},
     QStringList(SsaHeader) << "Dialogue: Marked=0,0:00:01.00,0:00:02.50,Default,,0000,0000,0000,"
                               "!Effect,one\\Ntwo\\Nthree"},
    {"braces stay text",
     2,
     {"00:00:01,000", "00:00:02,500", " it's {fine", " {a} b}"},
     {"0:00:01.00 0:00:02.50 {NTP} it's \\{fine\\n\\{a\\} b\\}"}},
    {"hours past 9", 2, Late, {"10:20:30.40 12:00:00.00 {NTP} x"}},
    {"hours past 9", 6, Late, {"<Time begin=\"10:20:30.40\" end=\"12:00:00.00\" /><clear/> x"}},
    {"hours past 9",
     10,
     Late,
     {"Dialogue: Marked=0,10:20:30.40,12:00:00.00,Default,,0000,0000,0000,!Effect,x"}},
    {"hours past 9", 14, Late, {"10:20:30.40,12:00:00.00,NTP x"}},
    {"hours past 9", 16, Late, {"E 1 10:20:30.40 12:00:00.00 Default NTP x"}},
    {"a closed style block", 7, Early, {"   -->", "   </STYLE>", "</HEAD>"}},
};

TEST(WriterFormats, WritesWhatOtherReadersTakeAndReadsItBack) {
    TestProgram t;
    for (const ReadElsewhere& r : ReadElsewhereRows) {
        SCOPED_TRACE(QString("%1: %2").arg(r.format).arg(r.what).toStdString());
        setLines(t.program(), {r.line});
        const QString path = t.dataFilesPath(QString("elsewhere%1%2")
                                                 .arg(&r - ReadElsewhereRows.data())
                                                 .arg(Files::SetSubFileExt(r.format)));
        typeInChooser(t, path, r.format);
        ASSERT_TRUE(t->fileCommands.MenuSaveSubFile());
        EXPECT_TRUE(readBytes(path).contains(crlf(r.written))) << readBytes(path).toStdString();

        setLines(t.program(), {{"00:00:05,000", "00:00:06,000", " Other"}});
        openThroughMenu(t, path, r.format);
        ASSERT_EQ(t->doc.lineCount(), 1);
        const platform::Grid& g = t->doc.grid();
        EXPECT_EQ(QStringList({g.textMatrix(1, 1), g.textMatrix(1, 2), g.textMatrix(1, 3),
                               g.textMatrix(1, 4), g.textMatrix(1, 5)}),
                  QStringList({r.line.start, r.line.end, r.line.t1, r.line.t2, r.line.t3}));
    }
}

TEST(WriterFormats, AnEmptyDocumentGetsHeaderAndFooterOnly) {
    TestProgram t;
    setLines(t.program(), {});
    EXPECT_TRUE(saveAs(t, "empty", 7));
    EXPECT_EQ(readBytes(t.dataFilesPath("empty.smi")), crlf(QStringList(SamiHeader) << "</BODY>"
                                                                                    << "</SAMI>"));
    EXPECT_TRUE(saveAs(t, "empty", 9));
    EXPECT_EQ(readBytes(t.dataFilesPath("empty.srt")), QByteArray());
}

TEST(WriterFormats, EmptyAndBlankCellsLoseNoText) {
    TestProgram t;
    setLines(t.program(), {
                              {"00:00:01,000", "00:00:02,500", "", "", ""},
                              {"00:00:03,000", "00:00:04,000", "", " second", ""},
                              {"00:00:05,000", "00:00:06,000", "  ", "x", ""},
                              {"00:00:07,000", "00:00:08,000", "a", "", "c"},
                          });
    EXPECT_TRUE(saveAs(t, "cells", 3));
    EXPECT_EQ(readBytes(t.dataFilesPath("cells.sub")),
              crlf({"{25}{62}", "{75}{100}|second", "{125}{150}|x", "{175}{200}a|c"}));
    EXPECT_TRUE(saveAs(t, "cells", 13));
    EXPECT_EQ(readBytes(t.dataFilesPath("cells.txt")),
              crlf({"00:00:01,0=", "00:00:02,5=", "00:00:03,0=|second", "00:00:04,0=",
                    "00:00:05,0=|x", "00:00:06,0=", "00:00:07,0=a|c", "00:00:08,0="}));
    EXPECT_TRUE(saveAs(t, "cells", 9));
    EXPECT_EQ(readBytes(t.dataFilesPath("cells.srt")),
              crlf({"1", "00:00:01,000 --> 00:00:02,500", "", "2", "00:00:03,000 --> 00:00:04,000",
                    "second", "", "3", "00:00:05,000 --> 00:00:06,000", "", "x", "", "4",
                    "00:00:07,000 --> 00:00:08,000", "a", "c", ""}));
    QFile::remove(t.dataFilesPath("cells.sub"));
    EXPECT_TRUE(saveAs(t, "cells", 8));
    EXPECT_EQ(readBytes(t.dataFilesPath("cells.sub")),
              crlf({"0001  00:00:01:00  00:00:02:12  ", "", "0002  00:00:03:00  00:00:04:00  ",
                    "second", "", "0003  00:00:05:00  00:00:06:00  ", "x", "",
                    "0004  00:00:07:00  00:00:08:00  a", "c", ""}));
}

// What each format keeps of 01:02:03,456 and 00:00:01,999, and how frames and
// hundredths round: down, never up into the next second or frame.
TEST(WriterFormats, EachFormatKeepsItsOwnPrecision) {
    TestProgram t;
    setLines(t.program(), {{"00:00:01,999", "00:00:04,100", "x", "", ""}});
    t->shell.FrameRateText = "30.000";
    EXPECT_TRUE(saveAs(t, "p", 3));
    EXPECT_EQ(readBytes(t.dataFilesPath("p.sub")), crlf({"{59}{123}x"}));
    t->shell.FrameRateText = "23.970";
    QFile::remove(t.dataFilesPath("p.sub"));
    EXPECT_TRUE(saveAs(t, "p", 3));
    EXPECT_EQ(readBytes(t.dataFilesPath("p.sub")), crlf({"{47}{98}x"}));
    QFile::remove(t.dataFilesPath("p.sub"));
    EXPECT_TRUE(saveAs(t, "p", 8)); // 999 and 100 ms as frames at 23.970, rounded down
    EXPECT_EQ(readBytes(t.dataFilesPath("p.sub")), crlf({"0001  00:00:01:23  00:00:04:02  x", ""}));
    EXPECT_TRUE(saveAs(t, "p", 5));
    EXPECT_EQ(readBytes(t.dataFilesPath("p.psb")), crlf({"{00:00:01}{00:00:04}x"}));
    EXPECT_TRUE(saveAs(t, "p", 13));
    EXPECT_EQ(readBytes(t.dataFilesPath("p.txt")), crlf({"00:00:01,9=x", "00:00:04,1="}));
    EXPECT_TRUE(saveAs(t, "p", 10));
    EXPECT_EQ(readBytes(t.dataFilesPath("p.ssa")).split('\n').at(SsaHeader.size()),
              "Dialogue: Marked=0,0:00:01.99,0:00:04.10,Default,,0000,0000,0000,!Effect,x\r");

    // The whole hour count, one digit below 10 hours.
    setLines(t.program(), {{"09:00:00,000", "13:00:00,000", "x", "", ""}});
    EXPECT_TRUE(saveAs(t, "p", 14));
    EXPECT_EQ(readBytes(t.dataFilesPath("p.tts")), crlf({"9:00:00.00,13:00:00.00,NTP x"}));
}

// A write that is not a partition write has one part for every row: a row at
// the last possible time does not end it.
TEST(WriterFormats, TheLastPossibleTimeIsWrittenLikeAnyOther) {
    TestProgram t;
    setLines(t.program(), {{"00:00:01,000", "00:00:02,000", "kept", "", ""},
                           {"99:59:59,999", "99:59:59,999", "late", "", ""},
                           {"00:00:03,000", "00:00:04,000", "after", "", ""}});
    EXPECT_TRUE(saveAs(t, "end", 15));
    EXPECT_EQ(readBytes(t.dataFilesPath("end.vsf")),
              crlf({"{* VIPLAY SUBTITLE FILE *}", "00:00:01,000-00:00:02,000=kept",
                    "99:59:59,999-99:59:59,999=late", "00:00:03,000-00:00:04,000=after"}));
}

TEST(WriterFormats, SubViewer2WithoutAChosenFontLeavesTheFontEmpty) {
    TestProgram t;
    setLines(t.program(), {});
    EXPECT_TRUE(saveAs(t, "nofont", 12));
    EXPECT_TRUE(readBytes(t.dataFilesPath("nofont.sub")).endsWith("[SIZE]29, [Font]\r\n"));
}

TEST(WriterFormats, ReplacesTheExtensionOfTheFileNameOnly) {
    TestProgram t;
    setLines(t.program(), {{"00:00:01,000", "00:00:02,000", "x", "", ""}});
    QDir().mkpath(t.dataFilesPath("Sub.s"));
    EXPECT_TRUE(saveAs(t, "Sub.s/movie", 1));
    EXPECT_TRUE(QFile::exists(t.dataFilesPath("Sub.s/movie.sub")));
    EXPECT_FALSE(QFile::exists(t.dataFilesPath("Sub.sub")));
    EXPECT_TRUE(saveAs(t, "plain", 6));
    EXPECT_TRUE(QFile::exists(t.dataFilesPath("plain.rt")));
    EXPECT_TRUE(saveAs(t, "back\\slash.x.srt", 16)); // "\" is part of a Linux file name
    EXPECT_TRUE(QFile::exists(t.dataFilesPath("back\\slash.x.zeg")));

    // No format: the name loses its extension and the file stays empty.
    EXPECT_TRUE(saveAs(t, "none.srt", 0));
    EXPECT_EQ(readBytes(t.dataFilesPath("none")), QByteArray());
}

} // namespace
