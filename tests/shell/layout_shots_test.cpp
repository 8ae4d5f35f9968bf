// Screenshots of the main window with a subtitle file open: at its smallest
// size (as a first start opens it), at 1280 x 800 and at 1920 x 1080, each
// with the side area shown; saved as layout_*.png in the build folder. Every
// control of the window's panes lies inside the window at each size, and on
// every tab page each control a user clicks can be reached (nothing drawn
// above it covers it) and every caption fits its control.

#include "fileio/frmFile.h"
#include "fileio/frmPreview.h"
#include "macro/frmSystem.h"
#include "macro/frmWizard.h"
#include "online/frmDbase.h"
#include "shell/frmControl.h"
#include "shell/frmSettings.h"
#include "support/FileBytes.h"
#include "support/TestProgram.h"
#include "support/WindowLook.h"
#include "tools/frmHistory.h"

#include <QApplication>
#include <QPixmap>
#include <QRect>
#include <QTest>
#include <QWidget>
#include <set>

namespace {

// On every page of the window's tab strips, as the picture would show it.
// `knownCut` names captions known to be cut that this check leaves to their
// window's owner.
void CheckWhatAUserMeets(QWidget* window, const QString& where, const QStringList& knownCut = {}) {
    window_look::ForEachPage(window, [&](const QString& page) {
        const QStringList covered = window_look::CoveredControls(window);
        EXPECT_TRUE(covered.isEmpty())
            << where.toStdString() << ", " << page.toStdString() << ": covered:\n"
            << covered.join('\n').toStdString();
        QStringList cut = window_look::CutCaptions(window);
        cut.removeIf([&](const QString& c) { return knownCut.contains(c.section(':', 0, 0)); });
        EXPECT_TRUE(cut.isEmpty())
            << where.toStdString() << ", " << page.toStdString() << ": cut captions:\n"
            << cut.join('\n').toStdString();
    });
}

void Shoot(int pxWidth, int pxHeight, const QString& file) {
    TestProgram t;
    frmMain& m = t.main();
    m.load();
    t.loadDataFile("film.srt",
                   SubRip(40, "A line of the film that is long enough to fill a column"));
    m.tabMain.setTab(frmMain::TabEditor);
    m.show();
    m.move(0, 0, pxWidth * platform::TwipsPerPixel, pxHeight * platform::TwipsPerPixel);
    m.editor.grdSubEdit.setCurrentCell(4, 1);
    QApplication::processEvents();
    QApplication::processEvents();
    for (const platform::Control* c : std::initializer_list<const platform::Control*>{
             &m.SSTab1, &m.tabMain, &m.tabClipboard, &m.Label33, &m.Label34}) {
        EXPECT_LE(c->left() + c->width(), m.width()) << c->name().toStdString() << " " << pxWidth;
        EXPECT_LE(platform::toPixels(c->top() + c->height()),
                  m.window()->height() - m.StatusBar1.widget()->height())
            << c->name().toStdString() << " " << pxHeight;
    }
    const QPixmap shot = m.window()->grab();
    ASSERT_FALSE(shot.isNull());
    EXPECT_EQ(shot.width(), pxWidth);
    EXPECT_TRUE(shot.save(file));
    CheckWhatAUserMeets(m.window(), file);
    m.hide();
}

TEST(LayoutShots, SmallestAndTwoLargerSizes) {
    Shoot(953, 613, "layout_min.png");
    Shoot(1280, 800, "layout_1280x800.png");
    Shoot(1920, 1080, "layout_1920x1080.png");
}

// The other windows as they open over the main window at its smallest size,
// away from the screen's middle: every control can be reached, the System
// and Wizard windows open over the main window, and Escape closes each
// window with a Cancel or Close, as that button does.
TEST(LayoutShots, EveryControlOfTheOtherWindowsCanBeReachedAndEscapeClosesThem) {
    TestProgram t;
    answerModalsWithCancel(t->host.modal);
    frmMain& m = t.main();
    m.load();
    m.show();
    m.move(600, 450, frmMain::MinWidth, frmMain::MinHeight);
    const QPoint middle(m.left() + m.width() / 2, m.top() + m.height() / 2);
    const std::set<platform::Form*> escapes = {&t->fileChooser(), &t->control(), &t->preview(),
                                               &t->system(), &t->wizard()};
    for (platform::Form* w : std::initializer_list<platform::Form*>{
             &t->settings(), &t->dbase(), &t->fileChooser(), &t->control(), &t->preview(),
             &t->system(), &t->wizard(), &t->historyWindow()}) {
        const std::string name = w->name().toStdString();
        w->show();
        QApplication::processEvents();
        // Left to its window: the chooser's type caption shows the whole
        // filter text.
        const QStringList known = w == &t->fileChooser() ? QStringList{"Label5"} : QStringList{};
        CheckWhatAUserMeets(w->window(), w->name(), known);
        if (w == &t->system() || w == &t->wizard()) {
            EXPECT_TRUE(QRect(w->left(), w->top(), w->width(), w->height()).contains(middle))
                << name << " at " << w->left() << ", " << w->top();
        }
        if (!escapes.count(w)) {
            w->hide();
            continue;
        }
        QTest::keyClick(w->window(), Qt::Key_Escape);
        QApplication::processEvents();
        EXPECT_FALSE(w->visible()) << name << " after Escape";
    }
    m.hide();
}

} // namespace
