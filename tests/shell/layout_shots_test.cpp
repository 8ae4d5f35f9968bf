// Screenshots of the main window at its minimum size and at two larger ones,
// with a subtitle file loaded, saved in the build folder for a look.

#include "support/TestProgram.h"

#include <QApplication>
#include <QPixmap>
#include <QWidget>

namespace {

void Shoot(int pxWidth, int pxHeight, const QString& file) {
    TestProgram t;
    frmMain& m = t.main();
    m.load();
    mustLoad(t.program(),
             QStringLiteral(MIREL_SAMPLES_DIR "/subrip/") +
                 QDir(QStringLiteral(MIREL_SAMPLES_DIR "/subrip")).entryList({"*.srt"}).value(0));
    m.tabMain.setTab(frmMain::TabEditor);
    m.show();
    m.move(0, 0, pxWidth * 15, pxHeight * 15);
    QApplication::processEvents();
    QApplication::processEvents();
    const QPixmap shot = m.window()->grab();
    ASSERT_FALSE(shot.isNull());
    EXPECT_TRUE(shot.save(file));
    m.hide();
}

TEST(LayoutShots, MinimumAndLarger) {
    Shoot(953, 613, "layout_min.png");
    Shoot(1280, 800, "layout_1280x800.png");
    Shoot(1920, 1080, "layout_1920x1080.png");
}

} // namespace
