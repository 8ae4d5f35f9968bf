// The Macros tab with a macro being edited, saved as macros_tab.png (and the
// wizard page as macros_wizard.png) in the build folder for a look; on each,
// every control a user clicks can be reached and every caption fits.

#include "MacroTabFixture.h"
#include "support/WindowLook.h"

#include <QApplication>
#include <QPixmap>
#include <QWidget>

namespace {

TEST(MacrosTab, Screenshot) {
    ProgramFolder folder;
    ProgramOn p(folder.path());
    frmMain& m = p.main();
    m.show();
    MacroTab tab(p);
    click(tab.ed().Command34);
    tab.ed().rtfMacroName.setText("Tidy and shift");
    click(tab.ed().Command36);
    tab.add("Diagnose", "Go");
    tab.add("Editor", "Shift.Duration");
    tab.ed().rtfItemDescr.setText("00:00:02,500");
    tab.ed().Text3.setText("two and a half seconds");
    click(tab.ed().Command53);
    tab.add("Editor", "Shift.Go");
    tab.pickLine(1);
    tab.ed().Check5.setValue(1);
    m.tabMain.setTab(frmMain::TabMacros);
    window_look::SaveShot(m.window(), "macros_tab.png");
    EXPECT_EQ(window_look::Faults(m.window()).join('\n').toStdString(), "") << "macros_tab.png";
    m.macros.SSTab4.setTab(1);
    tab.wizard().List12.setListIndex(0);
    tab.wizard().Text2.setText("Checks the file and\r\nshifts it by 2.5 seconds.");
    window_look::SaveShot(m.window(), "macros_wizard.png");
    EXPECT_EQ(window_look::Faults(m.window()).join('\n').toStdString(), "") << "macros_wizard.png";
    m.hide();
    m.mnuExit.click();
}

} // namespace
