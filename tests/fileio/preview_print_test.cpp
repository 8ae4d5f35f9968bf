// Preview and Print: the preview window, over the main window, shows the file
// the current format writes (header included) with its name, format and line
// count; Print puts one line per subtitle into a PDF file, a long one wrapped
// inside the page's margins; failures of either are reported. Saves
// frmPreview.png in the build folder.

#include "document/frmMessageBox.h"
#include "fileio/frmPreview.h"
#include "platform/Grid.h"
#include "support/FileBytes.h"
#include "support/ListItems.h"
#include "support/Printing.h"
#include "support/TestProgram.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPixmap>
#include <QRegularExpression>
#include <QWidget>

namespace {

// SubRip entries a second apart, every second one with a second text line.
QByteArray EveryOtherWithASecondLine(int entries) {
    QByteArray out;
    for (int i = 0; i < entries; ++i)
        out += QByteArray::number(i + 1) + "\r\n" +
               QString::asprintf("00:00:%02d,000 --> 00:00:%02d,500\r\n", i, i).toLatin1() +
               "Line " + QByteArray::number(i + 1) + "\r\n" + (i % 2 ? "  second  \r\n" : "") +
               "\r\n";
    return out;
}

struct PreviewPrint : ::testing::Test {
    TestProgram t;
    void load(int entries) { t.loadDataFile("show.srt", EveryOtherWithASecondLine(entries)); }
    Message said;
    void expectMessage() { t.reply(frmMessageBox::Ok, &said); }
};

TEST_F(PreviewPrint, PreviewShowsTheWrittenFileLineByLine) {
    load(3);
    platform::StatusBar& bar = t.main().StatusBar1;
    bar.setPanelText(3, "Idle");
    QStringList shown;
    t.answer<frmPreview>([&](frmPreview& w) {
        shown = itemsOf(w.List1);
        EXPECT_EQ(w.lblData[0].caption(), t->files.CurFileName);
        EXPECT_EQ(w.lblData[1].caption(), "SubRip");
        EXPECT_EQ(w.lblData[2].caption(), QString::number(shown.size()));
        EXPECT_EQ(bar.panelText(3), "Idle") << "the wait text goes once the file is written";
        w.Command1Click();
    });
    t.main().mnuPreview.click();
    EXPECT_EQ(shown.mid(0, 4), QStringList({"1", "00:00:00,000 --> 00:00:00,500", "Line 1", ""}));
    EXPECT_TRUE(shown.contains("Line 3"));
    EXPECT_FALSE(t->preview().visible());
    EXPECT_EQ(t->preview().List1.listCount(), shown.size()) << "hidden, it keeps its lines";

    t->files.CurFileIndex = 7; // SAMI writes a header
    QStringList sami;
    t.answer<frmPreview>([&](frmPreview& w) {
        sami = itemsOf(w.List1);
        EXPECT_EQ(w.lblData[2].caption(), QString::number(sami.size()));
        if (!sami.isEmpty()) {
            EXPECT_EQ(sami.first().trimmed().toLower(), "<sami>");
        }
        w.Command1Click();
    });
    t->fileCommands.MenuPreview();
    EXPECT_GT(sami.size(), 3);
}

TEST_F(PreviewPrint, APreviewThatCannotBeWrittenIsReportedAndNotShown) {
    load(2);
    // Something that is no preview file stands where the preview goes.
    writeFileAt(t->folder.path(runtime::Place::ScratchFolder) + "/Splitprv.001/old",
                "an old preview");
    expectMessage(); // no preview window is expected: showing one fails the test
    t->fileCommands.MenuPreview();
    EXPECT_TRUE(said.text.contains("Splitprv.001")) << said.text.toStdString();

    QDir(t.folder() + "/Data/Temporarily").removeRecursively();
    t.writeFile("Data/Temporarily", "a file where the scratch folder should be");
    expectMessage();
    t->fileCommands.MenuPreview();
    EXPECT_TRUE(said.text.contains("Splitprv.001")) << said.text.toStdString();
}

TEST_F(PreviewPrint, Screenshot) {
    load(6);
    t.answer<frmPreview>([](frmPreview& w) {
        QCoreApplication::processEvents();
        const QPixmap shot = w.window()->grab();
        EXPECT_FALSE(shot.isNull());
        EXPECT_TRUE(shot.save(QCoreApplication::applicationDirPath() + "/frmPreview.png"));
        w.Command1Click();
    });
    t->fileCommands.MenuPreview();
}

TEST_F(PreviewPrint, PrintsOneLinePerSubtitleToThePdf) {
    load(12);
    EXPECT_EQ(t->fileCommands.PrintLine(7), "00007 00:00:06,000 00:00:06,500 Line 7  ");
    EXPECT_EQ(t->fileCommands.PrintLine(8), "00008 00:00:07,000 00:00:07,500 Line 8 second ");
    EXPECT_TRUE(t->fileCommands.PrintLine(1).startsWith("00001 ")) << "part marks are not printed";
    const QString pdf = t.folder() + "/printed.pdf";
    t->fileCommands.printer.setOutputFileForTests(pdf);
    t.main().mnuPrint.click();
    EXPECT_EQ(t->macro.MacroAction.code, 106);
    EXPECT_EQ(t->fileCommands.printer.linesPrinted(), 12);
    ASSERT_GT(QFileInfo(pdf).size(), 0);

    const QString text = pdfText(pdf);
    if (text.isNull()) GTEST_SKIP() << "pdftotext is not installed: the text was not checked";
    static const QRegularExpression line(R"(^\s*(\d{5}) \d\d:\d\d:\d\d,\d{3} )",
                                         QRegularExpression::MultilineOption);
    QStringList numbers;
    for (auto it = line.globalMatch(text); it.hasNext();)
        numbers << it.next().captured(1);
    EXPECT_EQ(numbers.size(), 12) << text.toStdString();
    EXPECT_EQ(numbers.value(6), "00007");
    EXPECT_TRUE(text.contains("Line 8 second"));
}

TEST_F(PreviewPrint, APrinterFailureIsReported) {
    load(2);
    t->macro.SetMacroAction(QString(), 0);
    expectMessage(); // test mode without an output file: no printer
    t->fileCommands.MenuPrint();
    EXPECT_TRUE(said.text.contains("No printer")) << said.text.toStdString();
    EXPECT_NE(t->macro.MacroAction.code, 106);
}

// Words of a PDF with their boxes, and the page width, from pdftotext.
struct PdfWords {
    double pageWidth = 0;
    struct Word {
        QString text;
        double xMin, xMax;
    };
    std::vector<Word> words;
};

PdfWords pdfWords(const QString& pdf) {
    PdfWords out;
    const QString html = pdfText(pdf, "-bbox");
    static const QRegularExpression page(R"re(<page width="([\d.]+)")re");
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="[\d.]+" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)</word>)re");
    const auto p = page.match(html);
    if (p.hasMatch()) out.pageWidth = p.captured(1).toDouble();
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto w = it.next();
        out.words.push_back({w.captured(3), w.captured(1).toDouble(), w.captured(2).toDouble()});
    }
    return out;
}

// A text line longer than the page is wide goes on in the next printed line,
// inside the margins, every word of it kept.
TEST_F(PreviewPrint, LongLinesWrapInsideThePage) {
    QStringList words;
    for (int i = 1; i <= 60; ++i)
        words << QString("word%1").arg(i);
    QByteArray file = "1\r\n00:00:01,000 --> 00:00:02,000\r\n" + words.join(' ').toUtf8() +
                      "\r\n\r\n2\r\n00:00:03,000 --> 00:00:04,000\r\nshort\r\n\r\n";
    file += "3\r\n00:00:05,000 --> 00:00:06,000\r\n" + QByteArray(300, 'x') + "\r\n\r\n";
    t.loadDataFile("long.srt", file);
    const QString pdf = t.folder() + "/long.pdf";
    t->fileCommands.printer.setOutputFileForTests(pdf);
    t.main().mnuPrint.click();
    ASSERT_GT(QFileInfo(pdf).size(), 0);
    const PdfWords printed = pdfWords(pdf);
    if (printed.pageWidth == 0) GTEST_SKIP() << "pdftotext is not installed: nothing was checked";
    QStringList seen;
    int xs = 0;
    double margin = printed.pageWidth;
    for (const PdfWords::Word& w : printed.words)
        margin = std::min(margin, w.xMin);
    EXPECT_GT(margin, 0.0) << "the lines start at the left margin";
    for (const PdfWords::Word& w : printed.words) {
        EXPECT_LE(w.xMax, printed.pageWidth - margin + 1)
            << w.text.toStdString() << " passes the right margin";
        seen << w.text;
        xs += int(w.text.count('x'));
    }
    for (const QString& w : words)
        EXPECT_TRUE(seen.contains(w)) << w.toStdString() << " was cut off";
    EXPECT_TRUE(seen.contains("short"));
    EXPECT_EQ(xs, 300) << "a line without blanks is broken, not cut";
    EXPECT_GT(t->fileCommands.printer.linesPrinted(), 3) << "the long lines took more than one";
}

} // namespace
