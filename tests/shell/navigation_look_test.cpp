// The tree and two menus as they are drawn, saved as PNG files in the build
// folder for a look: navTree.png, menuFile.png and menuHelp.png.

#include "support/TestProgram.h"
#include "support/WindowLook.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPixmap>
#include <QWidget>

namespace {

TEST(NavigationLook, TheTreeAndTheMenusAreDrawn) {
    TestProgram t;
    frmMain& m = t.main();
    const QString path = t.writeDataFile("A film with a long name (2026) CD1.srt",
                                         "1\r\n00:00:01,000 --> 00:00:02,000\r\nHi\r\n\r\n");
    m.Combo13.addItem(path);
    m.load();
    m.TV1.setExpanded("recent", true);
    m.TV1.setExpanded("file", true);
    m.show();
    window_look::SaveShot(m.TV1.widget(), "navTree.png");
    window_look::SaveShot(m.window(), "navWindow.png");
    for (platform::Menu* menu : {&m.mnuFile, &m.mnuHelp}) {
        QMenu* popup = menu->action()->menu();
        ASSERT_NE(popup, nullptr);
        popup->popup(m.window()->mapToGlobal(QPoint(0, 20)));
        QApplication::processEvents();
        EXPECT_TRUE(popup->grab().save(QString(menu->name()).replace("mnu", "menu") + ".png"));
        popup->hide();
    }
    m.hide();
}

} // namespace
