// Tab strips: a change of the current tab, by code or by a click, runs the
// change handler once with the previous tab; controls on a tab are placed
// relative to the whole strip.

#include "platform/Form.h"
#include "platform/Host.h"
#include "platform/Label.h"
#include "platform/TabStrip.h"

#include <QApplication>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct TabFixture : ::testing::Test {
    platform::Host host;
    platform::Form form{host, "frmTest", platform::Form::Style::Main};
    platform::TabStrip tabs{form, "tabTest", {"&One", "&Two", "Th&ree"}};
    std::vector<std::pair<int, int>> changes; // (previous, current)
    void SetUp() override {
        form.move(0, 0, 9000, 6000);
        tabs.move(150, 150, 6000, 3000);
        tabs.onChange = [this](int previous) { changes.emplace_back(previous, tabs.tab()); };
    }
    QTabBar* bar() { return tabs.widget()->findChild<QTabBar*>(); }
};

TEST_F(TabFixture, SettingTheTabFromCodeRunsTheChangeHandler) {
    tabs.setTab(2);
    tabs.setTab(2);  // no change
    tabs.setTab(7);  // no such tab
    tabs.setTab(-1); // no such tab
    tabs.setTab(0);
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[0], std::make_pair(0, 2));
    EXPECT_EQ(changes[1], std::make_pair(2, 0));
    EXPECT_EQ(bar()->currentIndex(), 0);
}

TEST_F(TabFixture, AClickOnATabRunsTheSameHandlerOnce) {
    form.show();
    QApplication::processEvents();
    QTest::mouseClick(bar(), Qt::LeftButton, {}, bar()->tabRect(1).center());
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0], std::make_pair(0, 1));
    EXPECT_EQ(tabs.tab(), 1);
    form.hide();
}

TEST_F(TabFixture, ControlsOnATabShowOnlyWithTheirTab) {
    platform::Label onTwo(tabs.page(1), "lblOnTwo", "two");
    onTwo.move(300, 600, 975, 255);
    form.show();
    QApplication::processEvents();
    // Positions count from the strip's corner, tab row included.
    EXPECT_EQ(onTwo.widget()->mapTo(tabs.widget(), QPoint(0, 0)), QPoint(20, 40));
    EXPECT_FALSE(onTwo.widget()->isVisible());
    EXPECT_TRUE(onTwo.visible()) << "the label's own Visible property is unchanged";
    tabs.setTab(1);
    EXPECT_TRUE(onTwo.widget()->isVisible());
    form.hide();
}

TEST_F(TabFixture, CaptionsEnabledAndVisibleTabs) {
    tabs.setTabCaption(1, "&Second");
    EXPECT_EQ(tabs.tabCaption(1), "&Second");
    tabs.setTabEnabled(2, false);
    EXPECT_FALSE(tabs.tabEnabled(2));
    tabs.setTabVisible(1, false);
    EXPECT_FALSE(tabs.tabVisible(1));
    EXPECT_TRUE(changes.empty()) << "hiding a tab is not a tab change";
    tabs.setTabHeight(450);
    EXPECT_EQ(bar()->height(), 30);
}

} // namespace
