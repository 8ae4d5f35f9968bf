#pragma once
// The collection window as a user meets it: subtitle files loaded and added
// through the file chooser, the window opened from its menu command, its
// label buttons pressed with the mouse, its lists picked and its text boxes
// typed into.

#include "fileio/frmFile.h"
#include "online/frmDbase.h"
#include "platform/Grid.h"
#include "platform/Palette.h"
#include "runtime/TextFile.h"
#include "support/ChooserAnswers.h"
#include "support/FileBytes.h"
#include "support/ListItems.h"
#include "support/Printing.h"
#include "support/TestProgram.h"
#include <QApplication>

#include <QDir>
#include <QFile>
#include <QTest>
#include <QWidget>

namespace collectiontest {

struct Cue {
    const char* start;
    const char* end;
    const char* text; // lines separated by "\n"
};

inline QByteArray SubRip(std::initializer_list<Cue> cues) {
    QByteArray out;
    int n = 0;
    for (const Cue& c : cues)
        out += QByteArray::number(++n) + "\r\n" + c.start + " --> " + c.end + "\r\n" +
               QByteArray(c.text).replace("\n", "\r\n") + "\r\n\r\n";
    return out;
}

// Three small files: three, two and four lines.
inline QByteArray FileA() {
    return SubRip({{"00:00:01,000", "00:00:02,000", "A one"},
                   {"00:00:03,000", "00:00:04,000", "A two"},
                   {"00:00:05,000", "00:00:06,500", "A three\nsecond row"}});
}
inline QByteArray FileB() {
    return SubRip(
        {{"00:00:00,500", "00:00:01,500", "B one"}, {"00:00:02,000", "00:00:03,000", "B two"}});
}
inline QByteArray FileC() {
    return SubRip({{"00:00:01,000", "00:00:02,000", "C one"},
                   {"00:00:02,500", "00:00:03,000", "C two"},
                   {"00:00:04,000", "00:00:05,000", "C three\nmore\nand more"},
                   {"00:00:06,000", "00:00:07,250", "C four"}});
}

// The document's lines as "start|end|text1|text2|text3", cells trimmed.
inline QStringList DocumentLines(Program& p) {
    QStringList out;
    const platform::Grid& g = p.doc.grid();
    for (int r = 1; r <= p.doc.lineCount(); ++r) {
        QStringList cells;
        for (int c = 1; c <= 5; ++c)
            cells << g.textMatrix(r, c).trimmed();
        out << cells.join(QLatin1Char('|'));
    }
    return out;
}

// A file's lines as read back ("" lines for a missing file).
inline QStringList FileLines(const QString& path) {
    return runtime::ReadTextFile(path).lines;
}

class Collections : public ::testing::Test {
protected:
    TestProgram t;
    frmMain& main() { return t.main(); }
    QString files() { return QDir::cleanPath(t.folder() + "/Data/Files"); }
    QString path(const QString& name) { return files() + "/" + name; }

    void SetUp() override {
        main(); // the main window registers the commands
        t.writeDataFile("a.srt", FileA());
        t.writeDataFile("b.srt", FileB());
        t.writeDataFile("c.srt", FileC());
    }

    // The chooser answered as a user: the file picked in Data/Files, then Ok.
    void pick(const QString& name) { pickInChooser(t, files() + "/" + name); }
    void loadFile(const QString& name) {
        pick(name);
        t->fileCommands.MenuLoadFile();
    }
    void addFile(const QString& name) {
        pick(name);
        t->fileCommands.MenuAddFile();
    }
    // a.srt with b.srt and c.srt added: a document of three parts.
    void loadThreeParts() {
        loadFile("a.srt");
        addFile("b.srt");
        addFile("c.srt");
        ASSERT_EQ(t->doc.FileNodes.Count(), 3);
        ASSERT_EQ(t->doc.lineCount(), 9);
    }

    // Opens the collection window from its menu command; `use` works it as
    // the user would, and the window is closed with its Close button when
    // `use` leaves it open.
    void withWindow(const std::function<void(frmDbase&)>& use) {
        bool shown = false;
        t.answer<frmDbase>([&](frmDbase& w) {
            shown = true;
            use(w);
            if (w.visible()) click(w.cmdOk);
        });
        ASSERT_TRUE(t->commands.run("Menu.Collection.Manage"));
        ASSERT_TRUE(shown);
    }

    // A mouse click on a label button (a disabled one takes none).
    static void click(platform::Control& button) {
        QTest::mouseClick(button.widget(), Qt::LeftButton);
    }
    // Types into a text box and presses Enter.
    static void typeAndEnter(platform::TextBox& box, const QString& text) {
        // The user clicks into the box first: its window becomes the active one.
        QApplication::setActiveWindow(box.widget()->window());
        box.setFocus();
        box.setText(text);
        QTest::keyClick(box.widget(), Qt::Key_Return);
    }
    static void pickEntry(platform::ListBox& list, const QString& text) {
        for (int i = 0; i < list.listCount(); ++i)
            if (list.list(i) == text) {
                list.setListIndex(i);
                return;
            }
        ADD_FAILURE() << text.toStdString() << " is not listed";
    }
    // A question answered Yes (or another button), keeping what it showed.
    void answer(int button, Message* seen = nullptr) { t.reply(button, seen); }

    // Creates the collection of the three-part document in the window.
    void createCollection(frmDbase& w) {
        ASSERT_TRUE(w.Label5.enabled());
        click(w.Label5);
    }
};

} // namespace collectiontest
