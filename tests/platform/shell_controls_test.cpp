// Labels used as buttons, the navigation tree, menus, the status bar and the
// screen's mouse pointer.

#include "platform/Form.h"
#include "platform/Host.h"
#include "platform/Label.h"
#include "platform/Menu.h"
#include "platform/StatusBar.h"
#include "platform/TextBox.h"
#include "platform/TreeView.h"
#include "platform/WebBrowser.h"
#include "support/FileBytes.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

struct Controls : ::testing::Test {
    platform::Host host;
    platform::Form form{host, "frmTest", platform::Form::Style::Main};
    void SetUp() override { form.move(0, 0, 9000, 6000); }
};

TEST_F(Controls, ALabelUsedAsAButtonReportsDownUpAndClick) {
    platform::Label lbl(form, "cmdGo", "Go");
    lbl.move(1500, 300, 975, 255);
    EXPECT_EQ(lbl.widget()->geometry(), QRect(100, 20, 65, 17));
    std::vector<std::string> events;
    int downX = -1, downY = -1, downButton = 0;
    lbl.onMouseDown = [&](int b, int, int x, int y) {
        events.push_back("down");
        downButton = b;
        downX = x;
        downY = y;
    };
    lbl.onMouseUp = [&](int, int, int, int) { events.push_back("up"); };
    lbl.onClick = [&] { events.push_back("click"); };
    form.show();
    QApplication::processEvents();
    QTest::mouseClick(lbl.widget(), Qt::LeftButton, {}, QPoint(10, 5));
    EXPECT_EQ(events, (std::vector<std::string>{"down", "up", "click"}));
    EXPECT_EQ(downButton, 1);
    EXPECT_EQ(downX, 150);
    EXPECT_EQ(downY, 75);

    events.clear(); // released outside the label: no click
    QTest::mousePress(lbl.widget(), Qt::LeftButton, {}, QPoint(10, 5));
    QTest::mouseRelease(lbl.widget(), Qt::LeftButton, {}, QPoint(200, 5));
    EXPECT_EQ(events, (std::vector<std::string>{"down", "up"}));
    form.hide();
}

TEST_F(Controls, ALabelBreaksItsLineAtACarriageReturn) {
    platform::Label lbl(form, "Label1", QString("one \rtwo\r\nthree"));
    EXPECT_EQ(lbl.caption(), "one \rtwo\r\nthree") << "the caption is kept as written";
    EXPECT_EQ(static_cast<QLabel*>(lbl.widget())->text(), "one \ntwo\nthree");
}

TEST_F(Controls, ColoursAndBordersAreKeptAsWritten) {
    platform::Label lbl(form, "cmdGo", "Go");
    lbl.setBackColor(6582129); // red 113, green 111, blue 100
    EXPECT_EQ(lbl.backColor(), 6582129u);
    EXPECT_EQ(lbl.widget()->palette().color(QPalette::Window), QColor(113, 111, 100));
    lbl.setBackColor(platform::SysButtonShadow);
    EXPECT_EQ(lbl.backColor(), platform::SysButtonShadow);
    EXPECT_EQ(lbl.widget()->palette().color(QPalette::Window).rgb(),
              QApplication::palette().color(QPalette::Dark).rgb());
    lbl.setBorderStyle(1);
    EXPECT_EQ(lbl.borderStyle(), 1);
    EXPECT_EQ(static_cast<QFrame*>(lbl.widget())->frameShape(), QFrame::Box);
}

TEST_F(Controls, TreeKeysAreUniqueAndClicksReportTheKey) {
    platform::TreeView tv(form, "TV1");
    EXPECT_TRUE(tv.add("", "root", "Root"));
    EXPECT_TRUE(tv.add("root", "recent", "Recent files"));
    EXPECT_TRUE(tv.add("recent", "lf_/a.srt", "/a.srt"));
    EXPECT_FALSE(tv.add("recent", "lf_/a.srt", "/a.srt")) << "a key is used once";
    EXPECT_FALSE(tv.add("missing", "x", "x")) << "the parent must exist";
    EXPECT_FALSE(tv.add("root", "", "x"));
    EXPECT_EQ(tv.count(), 3);
    EXPECT_EQ(tv.childKeys("recent"), QStringList{"lf_/a.srt"});
    EXPECT_EQ(tv.parentKey("lf_/a.srt"), "recent");
    tv.setExpanded("root", true);
    EXPECT_TRUE(tv.expanded("root"));

    QString clicked;
    tv.onNodeClick = [&](const QString& key) { clicked = key; };
    tv.clickNode("recent");
    EXPECT_EQ(clicked, "recent");
    EXPECT_EQ(tv.selectedKey(), "recent");

    form.show();
    QApplication::processEvents();
    auto* tree = static_cast<QTreeWidget*>(tv.widget());
    const QRect r = tree->visualItemRect(tree->topLevelItem(0));
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_EQ(clicked, "root");

    EXPECT_TRUE(tv.remove("recent"));
    EXPECT_EQ(tv.count(), 1);
    EXPECT_TRUE(tv.add("root", "lf_/a.srt", "/a.srt")) << "removed keys are free again";
    form.hide();
}

TEST_F(Controls, MenuItemsClickOnlyWhenEnabled) {
    platform::Menu file(form, "mnuFile", "&File");
    platform::Menu load(file, "mnuLoadFile", "&Load...");
    platform::Menu sep(file, "mnuSep1", "-");
    int loads = 0, opens = 0;
    load.onClick = [&] { ++loads; };
    file.onClick = [&] { ++opens; };
    load.click();
    load.action()->trigger();
    EXPECT_EQ(loads, 2);
    load.setEnabled(false);
    load.click();
    EXPECT_EQ(loads, 2);
    EXPECT_TRUE(sep.action()->isSeparator());
    load.setChecked(true);
    EXPECT_TRUE(load.action()->isChecked());
    emit file.action()->menu()->aboutToShow(); // opening a menu runs its Click
    EXPECT_EQ(opens, 1);
}

TEST_F(Controls, StatusBarPanelsCountFromOne) {
    platform::StatusBar sb(form, "StatusBar1", 3);
    sb.setPanelText(3, "Calculating nodes");
    EXPECT_EQ(sb.panelText(3), "Calculating nodes");
    EXPECT_EQ(sb.panelText(0), "");
    EXPECT_EQ(sb.panelText(4), "");
    sb.setPanelWidth(1, 7095);
    EXPECT_EQ(sb.panelWidth(1), 7095);
}

TEST_F(Controls, TheScreenPointerIsOneOverrideCursor) {
    host.screen.setMousePointer(11);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    host.screen.setMousePointer(5);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::SizeAllCursor);
    host.screen.setMousePointer(0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_GT(host.screen.width(), 0);
}

TEST_F(Controls, TheBrowserShowsLocalPages) {
    platform::WebBrowser brw(form, "brwHelp");
    QTemporaryDir dir;
    writeFileAt(dir.filePath("main_wel.htm"), "<html><body><h1>Welcome</h1></body></html>");
    EXPECT_TRUE(brw.navigate(dir.filePath("main_wel.htm")));
    EXPECT_TRUE(brw.documentText().contains("Welcome"));
    EXPECT_FALSE(brw.navigate(dir.filePath("missing.htm")));
    EXPECT_EQ(brw.documentText(), "");
}

} // namespace

namespace {

TEST_F(Controls, KeysGoToTheFocusedControlOnlyAndMayBeRetyped) {
    platform::PictureBox box(form, "Picture1");
    platform::TextBox txt(box, "txtInput");
    int boxKeys = 0;
    box.onKeyPress = [&](int&) { ++boxKeys; };
    txt.onKeyPress = [](int& k) {
        if (k >= 'a' && k <= 'z') k -= 32; // upper-case what is typed
    };
    form.show();
    QApplication::processEvents();
    txt.setFocus();
    QTest::keyClicks(txt.widget(), "ab1");
    QTest::keyClick(txt.widget(), Qt::Key_Return);
    EXPECT_EQ(txt.text(), "AB1");
    EXPECT_EQ(boxKeys, 0) << "keys the text box passes on are not the picture's";
    form.hide();
}

} // namespace
