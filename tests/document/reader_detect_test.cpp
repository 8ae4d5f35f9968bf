// Recognising a subtitle format from a file's lines, and the decoded lines
// every load walks.

#include "document/FormatDetection.h"
#include "document/LineSource.h"
#include "document/readers/Readers.h"
#include "support/FileBytes.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Case {
    const char* line;
    int format;
};

TEST(DetectFormat, EachTestInItsOrder) {
    const Case cases[] = {
        {"{HEAD", Format::DvdSubtitle},
        {"  {head  ", Format::DvdSubtitle},
        {"{head}", Format::None},
        {"#S 00:00", Format::JacoSub},
        {"#{1}{25}, \"text\"", Format::JacoSub}, // "#" wins over every later test
        {"{00:00:01}{00:00:02}Hi", Format::PowerDivX},
        {"{0:00:01}{0:00:03}Text", Format::PowerDivX}, // one hour digit
        {"{0:00:1}{0:00:03}x", Format::MicroDvd},
        {"{1}{25}Hello", Format::MicroDvd},  // "}{" at 3, not at 10
        {"{00:00:0}{1}x", Format::MicroDvd}, // "}{" at 9
        // "}{" at 10 with frames and a style code: no clock, no PowerDivX
        {"{431}{492}{C:$00ff00}Hi", Format::MicroDvd},
        {"{100}{200}{y:i}Hi", Format::MicroDvd},
        {"{00:00:01}{00000002}Hi", Format::MicroDvd},
        {"10, 20, \"text\"", Format::Phoenix},
        {"<WINDOW", Format::RealTime},
        {"<SAMI>", Format::Sami},
        {"0001 00:00:01:00", Format::SonicDvd},
        {" 1 ", Format::SubRip},
        {"1 2", Format::None},
        {"10", Format::None},
        {"Dialogue: Marked=0", Format::SubStationAlpha},
        {"[TITLE]", Format::SubViewer1},
        {"[INFORMATION]x", Format::SubViewer2},
        {"00:00:01,1=Hello", Format::TmPlayer},
        {"00:00:01,12=x", Format::None},
        {"00:00:01,000,NTP text", Format::TurboTitler},
        {"{* ViPlay Subtitle File *}", Format::ViPlay},
        {"% Zero G 1.0", Format::ZeroG},
        {"", Format::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DetectFormat(QString::fromUtf8(c.line)), c.format) << c.line;
}

TEST(DetectFormat, WhichRequestsDetectAndHowFar) {
    const QStringList emptyFirst = {"", "{head", "1"};
    EXPECT_EQ(DetectFileFormat(emptyFirst, Format::None), Format::DvdSubtitle);
    EXPECT_EQ(DetectFileFormat(emptyFirst, Format::DvdSubtitle), Format::DvdSubtitle)
        << "a .sub-family request looks at the first line only";
    EXPECT_EQ(DetectFileFormat({"1", "00:00"}, Format::MicroDvd), Format::SubRip);
    EXPECT_EQ(DetectFileFormat({"{head"}, Format::SubRip), Format::SubRip)
        << "a SubRip request is not detected";
    EXPECT_EQ(DetectFileFormat({"plain", "text"}, Format::None), Format::None);
    EXPECT_EQ(DetectFileFormat({"", "{T 00:00:01:00", "Hi", "}"}, Format::None),
              Format::DvdSubtitle)
        << "DVD Subtitle blocks without their header";
    EXPECT_EQ(DetectFileFormat({"{The end}"}, Format::None), Format::None);
    EXPECT_EQ(DetectFileFormat({}, Format::SonicDvd), Format::SonicDvd);
    for (int f = 0; f < Format::Count; ++f)
        EXPECT_EQ(IsDetectedRequest(f), f == 0 || f == 1 || f == 3 || f == 8 || f == 11 || f == 12)
            << f;
}

TEST(ReaderTable, EveryFormatHasAReaderAndNothingElseHasOne) {
    EXPECT_EQ(ReaderFor(Format::SubRip), &readers::SubRip);
    EXPECT_EQ(ReaderFor(Format::None), nullptr);
    EXPECT_EQ(ReaderFor(-1), nullptr);
    EXPECT_EQ(ReaderFor(Format::Count), nullptr);
    // Each also reads back what the writer wrote: load_roundtrip_test.cpp.
    for (int f = 1; f < Format::Count; ++f) {
        const SubtitleReader* r = ReaderFor(f);
        ASSERT_NE(r, nullptr) << f;
        EXPECT_TRUE(r->countsLine || r->countEntries) << f;
        EXPECT_NE(r->parse, nullptr) << f;
    }
}

TEST(LineSource, DecodesOnceDropsTheMarkAndWalks) {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.srt");
    writeFileAt(path, "\xEF\xBB\xBF"
                      "1\r\nA\rB\nC");
    LineSource s = LineSource::FromFile(path);
    ASSERT_TRUE(s.ok());
    EXPECT_EQ(s.lines(), QStringList({"1", "A", "B", "C"}));
    EXPECT_EQ(s.nextLine(), "1");
    EXPECT_EQ(s.peekLine(), "A");
    while (!s.atEnd())
        s.nextLine();
    EXPECT_EQ(s.nextLine(), "") << "reading past the end gives empty lines";
    s.rewind();
    EXPECT_EQ(s.nextLine(), "1");

    EXPECT_EQ(LineSource(QStringList{QString(QChar(0xFEFF)) + "x"}).lines().first(), "x");
    const LineSource missing = LineSource::FromFile(dir.filePath("none.srt"));
    EXPECT_FALSE(missing.ok());
    EXPECT_TRUE(missing.error().contains("none.srt"));
}

} // namespace
