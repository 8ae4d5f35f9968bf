// The printer: lines to a PDF file (the print dialog is never shown in test
// mode), pages as the lines need them, and failures that say why.

#include "platform/Host.h"
#include "platform/Printer.h"
#include "support/FileBytes.h"
#include "support/ProcessMaps.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct PrinterTest : ::testing::Test {
    PrinterTest() { host.modal.setTestMode(true); }
    platform::Host host;
    platform::Printer printer{host};
    QTemporaryDir dir;
};

TEST_F(PrinterTest, LinesGoToThePdfFileOnAsManyPagesAsNeeded) {
    const QString pdf = dir.filePath("out.pdf");
    printer.setOutputFileForTests(pdf);
    const QStringList printing{QStringLiteral("libQt6PrintSupport"), QStringLiteral("mirel_print")};
    EXPECT_EQ(mappedLibraries(printing), QStringList()) << "the printing library waits for a job";
    ASSERT_EQ(printer.beginJob("Test"), platform::Printer::Start::Started)
        << printer.error().toStdString();
    for (int i = 1; i <= 150; ++i)
        ASSERT_TRUE(printer.printLine(QString("Line number %1 of the job").arg(i)));
    ASSERT_TRUE(printer.endJob()) << printer.error().toStdString();
    EXPECT_EQ(mappedLibraries(printing).size(), 2);
    EXPECT_EQ(printer.linesPrinted(), 150);
    EXPECT_GE(printer.pagesPrinted(), 2) << "150 lines do not fit one page";
    EXPECT_GT(QFileInfo(pdf).size(), 0);

    const QString text = pdfText(pdf);
    if (text.isNull()) GTEST_SKIP() << "pdftotext is not installed: the text was not checked";
    EXPECT_TRUE(text.contains("Line number 1 of the job"));
    EXPECT_TRUE(text.contains("Line number 150 of the job"));
    EXPECT_EQ(text.count("of the job"), 150);
}

TEST_F(PrinterTest, FailuresSayWhy) {
    EXPECT_EQ(printer.beginJob("Test"), platform::Printer::Start::Failed)
        << "in test mode without an output file there is no printer";
    EXPECT_FALSE(printer.error().isEmpty());
    EXPECT_FALSE(printer.printLine("x"));
    EXPECT_FALSE(printer.endJob());

    printer.setOutputFileForTests(dir.filePath("no/such/folder/out.pdf"));
    EXPECT_EQ(printer.beginJob("Test"), platform::Printer::Start::Failed);
    EXPECT_TRUE(printer.error().contains("out.pdf"));
    EXPECT_FALSE(printer.jobOpen());
}

} // namespace
