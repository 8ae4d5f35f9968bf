// Screenshots of the main window with a subtitle file open: at its smallest
// size (as a first start opens it), at 1280 x 800 and at 1920 x 1080, each
// with the side area shown; saved as layout_*.png in the build folder. Every
// control of the window's panes lies inside the window at each size.

#include "support/FileBytes.h"
#include "support/TestProgram.h"

#include <QApplication>
#include <QPixmap>
#include <QWidget>

namespace {

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
    m.hide();
}

TEST(LayoutShots, SmallestAndTwoLargerSizes) {
    Shoot(953, 613, "layout_min.png");
    Shoot(1280, 800, "layout_1280x800.png");
    Shoot(1920, 1080, "layout_1920x1080.png");
}

} // namespace
