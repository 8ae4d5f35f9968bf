#pragma once
// The fixture of the timing-tool and history tests: a program whose main
// window went through its load (so the direction and rate lists are filled
// as at start), with a SubRip file of the test's own lines loaded into it the
// way the Open command loads one.

#include "platform/Grid.h"
#include "support/FileBytes.h"
#include "support/TestProgram.h"
#include "tools/History.h"

#include <QApplication>
#include <QStringList>
#include <vector>

struct SrtLine {
    QString start, end, text;
};

class TimingTest : public ::testing::Test {
protected:
    TimingTest() { t.main().load(); }

    // Writes the lines as a SubRip file and loads it.
    void load(const std::vector<SrtLine>& lines, const QString& name = QStringLiteral("t.srt")) {
        QStringList out;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            QString start = lines[i].start, end = lines[i].end;
            out << QString::number(i + 1) << start + QStringLiteral(" --> ") + end << lines[i].text
                << QString();
        }
        t->doc.FileChanged = false; // as if saved: the load asks nothing
        t.loadDataFile(name, crlf(out));
    }
    // n lines: line r from r × 10 s to r × 10 s + 2 s, saying "Line r".
    void loadLines(int n) {
        std::vector<SrtLine> lines;
        for (int r = 1; r <= n; ++r)
            lines.push_back({at(10 * r), at(10 * r + 2), QStringLiteral("Line %1").arg(r)});
        load(lines);
    }
    // Lines whose text cells hold the given texts (one text line each, or
    // more where a text holds line breaks), the document settled.
    void loadTexts(const QStringList& texts) {
        std::vector<SrtLine> lines;
        for (int i = 0; i < texts.size(); ++i)
            lines.push_back({at(10 * (i + 1)), at(10 * (i + 1) + 2), texts[i]});
        load(lines);
        settle();
    }
    static QString at(int seconds, int ms = 0) {
        return QString::asprintf("%02d:%02d:%02d,%03d", seconds / 3600, seconds / 60 % 60,
                                 seconds % 60, ms);
    }

    frmMain& m() { return t.main(); }
    platform::Grid& grid() { return t.main().editor.grdSubEdit; }
    QString start(int row) { return grid().textMatrix(row, 1); }
    QString end(int row) { return grid().textMatrix(row, 2); }
    // Start and end of every line, "start-end" each.
    QStringList times() {
        QStringList out;
        for (int r = 1; r <= t->doc.lineCount(); ++r)
            out << start(r) + QLatin1Char('-') + end(r);
        return out;
    }
    const std::vector<History::Snapshot>& snapshots() { return t->history.snapshots(); }
    int reported() { return t->macro.MacroAction.code; }
    // Marks the document saved and its line list built, as after a save.
    void settle() {
        t->doc.FileChanged = false;
        t->doc.LineListValid = true;
    }

    TestProgram t;
};

// The main window shown on one of its tabs, as a user works in it; hidden
// after the test.
class ShownWindowTest : public TimingTest {
protected:
    void show(int tab) {
        m().tabMain.setTab(tab);
        m().show();
        QApplication::processEvents();
    }
    void TearDown() override { m().hide(); }
};
