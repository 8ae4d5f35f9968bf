// The layers hold: only the control layer (src/platform/) and main()
// (src/app/) use Qt's Widgets and Gui modules; everything else works through
// platform:: controls, Qt Core and the standard library.

#include "support/FileBytes.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>

namespace {

// Every header name of the modules that draw on the screen.
QSet<QString> guiHeaderNames() {
    const QString root = QLibraryInfo::path(QLibraryInfo::HeadersPath);
    QSet<QString> core;
    for (const QString& n : QDir(root + "/QtCore").entryList(QDir::Files))
        core.insert(n);
    QSet<QString> names;
    for (const char* module :
         {"QtGui", "QtWidgets", "QtPrintSupport", "QtOpenGL", "QtOpenGLWidgets"}) {
        names.insert(QString::fromLatin1(module));
        for (const QString& n : QDir(root + "/" + module).entryList(QDir::Files))
            if (!core.contains(n)) names.insert(n);
    }
    return names;
}

// "file:line: include" for each include of such a header below srcRoot,
// outside platform/ and app/.
QStringList violations(const QString& srcRoot, const QSet<QString>& forbidden) {
    static const QRegularExpression include(R"(^\s*#\s*include\s*[<"]([^>"]+)[>"])");
    QStringList out;
    QDirIterator it(srcRoot, {"*.h", "*.cpp", "*.hpp", "*.cc"}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString rel = QDir(srcRoot).relativeFilePath(path);
        if (rel.startsWith("platform/") || rel.startsWith("app/")) continue;
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) continue;
        QTextStream in(&f);
        for (int line = 1; !in.atEnd(); ++line) {
            const auto m = include.match(in.readLine());
            if (!m.hasMatch()) continue;
            const QString header = m.captured(1);
            const QString module = header.section('/', 0, 0);
            const QString name = header.section('/', -1);
            const bool qualified = header.contains('/');
            if ((qualified && forbidden.contains(module)) ||
                (!qualified && forbidden.contains(name)))
                out << QString("%1:%2: %3").arg(rel).arg(line).arg(header);
        }
    }
    return out;
}

TEST(Layers, OnlyPlatformAndAppIncludeWidgetsOrGuiHeaders) {
    const QSet<QString> forbidden = guiHeaderNames();
    ASSERT_TRUE(forbidden.contains("QWidget")) << "Qt's headers were not found";
    ASSERT_TRUE(forbidden.contains("QColor"));
    ASSERT_FALSE(forbidden.contains("QString"));
    const QStringList found = violations(QStringLiteral(MIREL_SOURCE_DIR "/src"), forbidden);
    EXPECT_TRUE(found.isEmpty()) << found.join('\n').toStdString();
}

TEST(Layers, TheCheckFindsAnOffendingInclude) {
    QTemporaryDir dir;
    writeFileAt(dir.filePath("document/bad.cpp"),
                "#include <QString>\n#include <QtWidgets/QLabel>\n#include <QFont>\n");
    writeFileAt(dir.filePath("platform/fine.cpp"), "#include <QLabel>\n");
    const QStringList found = violations(dir.path(), guiHeaderNames());
    EXPECT_EQ(found,
              QStringList({"document/bad.cpp:2: QtWidgets/QLabel", "document/bad.cpp:3: QFont"}));
}

} // namespace
