// The progress window: one window for the run that hides when closed, by its
// Ok button or when it loses the focus, and keeps its log, bar and close-box;
// borderless, dragged by its strip. File > Open shows it over the main window
// and ends with what the load did.

#include "document/frmMessageBox.h"
#include "fileio/frmFile.h"
#include "shell/frmControl.h"
#include "support/FileBytes.h"
#include "support/ListItems.h"
#include "support/Printing.h"
#include "support/TestProgram.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPixmap>
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
             &c.pMove, &c.Label3, &c.Label4, &c.Text1, &c.ProgressBar1, &c.lblEnd, &c.chkClose,
             &c.cmdOk}) {
        EXPECT_LE(ctl->left() + ctl->width(), c.width()) << ctl->name().toStdString();
        EXPECT_LE(ctl->top() + ctl->height(), c.height()) << ctl->name().toStdString();
    }
}

TEST(ProgressWindow, ItsOkButtonAndLosingTheFocusHideIt) {
    TestProgram t;
    frmControl& c = t->control();
    c.show();
    c.Text1.setText("File opened: a.srt");
    EXPECT_EQ(c.cmdOk.caption(), "Close");
    c.cmdOk.onClick();
    EXPECT_FALSE(c.visible());
    EXPECT_TRUE(c.isLoaded());
    EXPECT_EQ(c.Text1.text(), "File opened: a.srt");

    c.show();
    QEvent lost(QEvent::WindowDeactivate); // the user went to another window
    QApplication::sendEvent(c.window(), &lost);
    EXPECT_FALSE(c.visible());
    EXPECT_EQ(c.Text1.text(), "File opened: a.srt");
}

// Opens a file of Data/Files through File > Open, as the user picks it, and
// answers the message the load shows with `reply` where one is given.
void OpenThroughTheChooser(TestProgram& t, const QString& name, int reply = -1) {
    t.answer<frmFile>([name](frmFile& f) {
        const int index = int(itemsOf(f.File1).indexOf(name));
        ASSERT_GE(index, 0) << name.toStdString() << " is not listed";
        f.File1.setListIndex(index);
        f.cmdActionClick(frmFile::Ok);
    });
    if (reply >= 0) t.reply(reply);
    t.main().mnuLoadFile.click();
}

TEST(ProgressWindow, FileOpenShowsItOverTheMainWindowAndItSaysSuccessOnlyForAFileRead) {
    TestProgram t;
    t.writeDataFile("good.srt", SubRip(4));
    t.writeDataFile("other.srt", SubRip(2));
    t.writeDataFile("noise.srt", "this is no subtitle\r\nat all\r\n");
    frmMain& m = t.main();
    m.show();
    m.move(0, 0, m.width(), m.height()); // away from the screen's middle
    frmControl& c = t->control();

    OpenThroughTheChooser(t, "good.srt");
    ASSERT_EQ(t->doc.lineCount(), 4);
    EXPECT_TRUE(c.visible()) << "Close when finished is not ticked";
    EXPECT_EQ(c.lblEnd.caption(), "Succesfull reading");
    EXPECT_NEAR(c.left() + c.width() / 2, m.left() + m.width() / 2, 30) << "over the main window";
    EXPECT_NEAR(c.top() + c.height() / 2, m.top() + m.height() / 2, 30);

    OpenThroughTheChooser(t, "noise.srt", frmMessageBox::Ok); // not a subtitle file
    EXPECT_EQ(c.lblEnd.caption(), "Reading failure.");

    t->doc.FileChanged = true;
    OpenThroughTheChooser(t, "other.srt", frmMessageBox::Cancel); // keeps the changed document
    EXPECT_EQ(t->doc.lineCount(), 4);
    EXPECT_NE(c.lblEnd.caption(), "Succesfull reading") << "nothing was read";

    c.chkClose.setValue(platform::CheckBox::Checked);
    t->doc.FileChanged = false;
    OpenThroughTheChooser(t, "other.srt");
    EXPECT_EQ(t->doc.lineCount(), 2);
    EXPECT_FALSE(c.visible()) << "Close when finished hides it when the load ends";
    EXPECT_EQ(c.lblEnd.caption(), "Succesfull reading");

    c.show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(
        c.window()->grab().save(QCoreApplication::applicationDirPath() + "/frmControl.png"));
    QPixmap both(m.window()->size());
    m.window()->render(&both);
    c.window()->render(&both, c.window()->pos() - m.window()->pos());
    EXPECT_TRUE(both.save(QCoreApplication::applicationDirPath() + "/frmControl_over_main.png"));
    c.hide();
    m.hide();
}

} // namespace
