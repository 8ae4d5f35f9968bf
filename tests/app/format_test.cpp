// Every C++ file follows the repository's .clang-format.

#include <QDirIterator>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

TEST(Format, EverySourceFileIsClangFormatted) {
    const QString tool = QStandardPaths::findExecutable("clang-format");
    if (tool.isEmpty()) GTEST_SKIP() << "clang-format is not installed";
    QStringList files;
    for (const char* folder : {"/src", "/tests", "/bench"}) {
        QDirIterator it(QStringLiteral(MIREL_SOURCE_DIR) + folder, {"*.h", "*.cpp"}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next();
    }
    ASSERT_FALSE(files.isEmpty());
    QProcess p;
    p.setWorkingDirectory(QStringLiteral(MIREL_SOURCE_DIR));
    p.start(tool, QStringList{"--dry-run", "-Werror", "--style=file"} + files);
    ASSERT_TRUE(p.waitForFinished(90000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().left(4000).toStdString();
}
