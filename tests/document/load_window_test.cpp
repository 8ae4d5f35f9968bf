// A file loaded into the shown main window lands in the grid on the editor
// tab; the window is saved as load_window.png in the build folder for a look.
// Under xvfb-run with QT_QPA_PLATFORM=xcb it is drawn on a real X display.

#include "document/Loader.h"
#include "platform/Grid.h"
#include "support/TestProgram.h"
#include "support/WindowLook.h"

#include <QApplication>
#include <QPixmap>
#include <QWidget>

namespace {

TEST(LoadWindow, ALoadedFileShowsInTheGrid) {
    TestProgram t;
    const QString path = QStringLiteral(MIREL_SAMPLES_DIR) + "/subrip/subsrt_sample.srt";
    frmMain& m = t.main();
    m.tabMain.setTab(frmMain::TabEditor);
    m.show();
    QApplication::processEvents();

    QString name = path;
    int format = 0, row = 1;
    t->loader.LoadSubFile(name, format, row, false, false, true);
    ASSERT_TRUE(t->loader.LoadOk);
    platform::Grid& grid = m.editor.grdSubEdit;
    EXPECT_TRUE(grid.visible());
    EXPECT_TRUE(grid.enabled());
    EXPECT_EQ(grid.rows(), 7);
    EXPECT_TRUE(grid.widget()->isVisible()) << "the grid is on screen";
    EXPECT_EQ(m.StatusBar1.panelText(1), path);

    window_look::SaveShot(m.window(), "load_window.png");
    m.hide();
}

} // namespace
