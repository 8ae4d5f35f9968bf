// The progress window: one window for the run that hides when closed and keeps
// its log, bar and close-box; borderless, dragged by its strip.

#include "shell/frmControl.h"
#include "support/TestProgram.h"

#include <QWidget>

namespace {

TEST(ProgressWindow, ClosingHidesItAndKeepsItsState) {
    TestProgram t;
    frmControl& c = t->control();
    EXPECT_EQ(&c, &t->control());
    c.show();
    c.Text1.setText(c.Text1.text() + "File opened: a.srt\r\n");
    c.Text1.refresh();
    c.ProgressBar1.setValue(42.5);
    c.lblEnd.setCaption(t->texts.TextTable(9, 17));
    c.chkClose.setValue(1);

    c.requestClose();
    EXPECT_FALSE(c.visible());
    EXPECT_TRUE(c.isLoaded());
    c.show();
    EXPECT_FALSE(c.window()->close()) << "the window system's close is refused as well";
    EXPECT_FALSE(c.visible());

    EXPECT_EQ(c.Text1.text(), "File opened: a.srt\r\n");
    EXPECT_DOUBLE_EQ(c.ProgressBar1.value(), 42.5);
    EXPECT_EQ(c.lblEnd.caption(), "Succesfull reading");
    EXPECT_EQ(c.chkClose.value(), 1);
}

TEST(ProgressWindow, IsABorderlessWindowDraggedByItsStrip) {
    TestProgram t;
    frmControl& c = t->control();
    EXPECT_EQ(c.style(), platform::Form::Style::Borderless);
    EXPECT_TRUE(c.Text1.multiLine());
    EXPECT_TRUE(c.Text1.locked()) << "the log is read, not typed into";
    c.move(3000, 2000, c.width(), c.height());
    c.pMove.onMouseDown(1, 0, 450, 45);
    c.pMove.onMouseMove(1, 0, 150, 90);
    c.pMove.onMouseUp(1, 0, 150, 90);
    EXPECT_EQ(c.left(), 2700);
    EXPECT_EQ(c.top(), 2045);
    // Every control lies inside the window.
    for (const platform::Control* ctl : std::initializer_list<const platform::Control*>{
             &c.pMove, &c.Text1, &c.ProgressBar1, &c.lblEnd, &c.chkClose}) {
        EXPECT_LE(ctl->left() + ctl->width(), c.width()) << ctl->name().toStdString();
        EXPECT_LE(ctl->top() + ctl->height(), c.height()) << ctl->name().toStdString();
    }
}

} // namespace
