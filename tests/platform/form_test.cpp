// Windows: their lifetime events, geometry in twips, modal showing answered by
// a test or by a real event loop, and dragging a borderless window by its strip.

#include "platform/Form.h"
#include "platform/Host.h"
#include "platform/Label.h"

#include <QApplication>
#include <QCursor>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

TEST(Form, LoadRunsInitializeOnceAndUnloadMayBeCancelled) {
    platform::Host host;
    platform::Form f(host, "frmTest");
    std::vector<std::string> events;
    int cancelUnload = 1;
    f.onInitialize = [&] { events.push_back("Initialize"); };
    f.onLoad = [&] { events.push_back("Load"); };
    f.onUnload = [&](int& cancel) {
        events.push_back("Unload");
        cancel = cancelUnload;
    };
    f.show();
    EXPECT_TRUE(f.isLoaded());
    EXPECT_TRUE(f.visible());
    f.unload();
    EXPECT_TRUE(f.isLoaded()) << "a cancelled unload keeps the window";
    cancelUnload = 0;
    f.unload();
    EXPECT_FALSE(f.isLoaded());
    EXPECT_FALSE(f.visible());
    f.load();
    EXPECT_EQ(events, (std::vector<std::string>{"Initialize", "Load", "Unload", "Unload", "Load"}));
}

// Controls are looked up by name once the window is built, and are also made
// and unloaded later (control array elements): a lookup finds what is there now.
TEST(Form, AControlIsFoundByNameAsTheWindowHasItNow) {
    platform::Host host;
    platform::Form f(host, "frmTest");
    platform::Label first(f, "Label1", "a");
    EXPECT_EQ(f.findControl("Label1"), &first);
    auto later = std::make_unique<platform::Label>(f, "Label2(1)", "b");
    EXPECT_EQ(f.findControl("Label2(1)"), later.get()) << "made after the first lookup";
    later.reset();
    EXPECT_EQ(f.findControl("Label2(1)"), nullptr) << "unloaded";
    platform::Label again(f, "Label2(1)", "c");
    EXPECT_EQ(f.findControl("Label2(1)"), &again) << "loaded again under the same name";
    EXPECT_EQ(f.findControl("Label3"), nullptr);
}

TEST(Form, ClosingFromTheWindowSystemAsksQueryUnload) {
    platform::Host host;
    platform::Form f(host, "frmTest");
    int mode = -1;
    f.onQueryUnload = [&](int& cancel, int unloadMode) {
        mode = unloadMode;
        cancel = 1; // a window that hides instead of closing
        f.hide();
    };
    f.show();
    QApplication::processEvents();
    f.window()->close();
    EXPECT_EQ(mode, 0);
    EXPECT_TRUE(f.isLoaded());
    EXPECT_FALSE(f.visible());
}

TEST(Form, GeometryInTwipsReachesTheWindow) {
    platform::Host host;
    platform::Form f(host, "frmTest", platform::Form::Style::Dialog);
    f.move(1500, 750, 6000, 4500);
    EXPECT_EQ(f.window()->size(), QSize(400, 300));
    EXPECT_EQ(f.window()->pos(), QPoint(100, 50));
    f.setWidth(6001); // a twip less than a pixel is kept as written
    EXPECT_EQ(f.width(), 6001);
}

// A small window opens over the window it belongs to, each time it is shown
// from hidden, and stays on the screen.
TEST(Form, ASmallWindowOpensOverItsOwnerOnTheScreen) {
    platform::Host host;
    platform::Form owner(host, "frmOwner", platform::Form::Style::Dialog);
    platform::Form small(host, "frmSmall");
    small.move(0, 0, 3000, 1500);
    bool ownerThere = false;
    small.openOver([&]() -> const platform::Form* { return ownerThere ? &owner : nullptr; });
    const int screenWidth = host.screen.width(), screenHeight = host.screen.height();
    ASSERT_GT(screenWidth, 6000);
    ASSERT_GT(screenHeight, 4500);

    small.show(); // no owner yet: the screen's middle
    EXPECT_EQ(small.left(), (screenWidth - 3000) / 2);
    EXPECT_EQ(small.top(), (screenHeight - 1500) / 2);
    small.hide();

    ownerThere = true;
    owner.move(1500, 750, 4500, 3000);
    owner.show();
    small.show();
    EXPECT_EQ(small.left() + 1500, owner.left() + owner.width() / 2) << "centres meet";
    EXPECT_EQ(small.top() + 750, owner.top() + owner.height() / 2);
    EXPECT_EQ(small.window()->pos(), QPoint(small.left() / 15, small.top() / 15));
    small.move(0, 0, 3000, 1500); // dragged away while shown: it stays there
    small.show();
    EXPECT_EQ(small.left(), 0);
    small.hide();

    owner.move(screenWidth - 1500, screenHeight - 900, 4500, 3000); // half off the screen
    small.show();
    EXPECT_EQ(small.left(), screenWidth - 3000) << "kept on the screen";
    EXPECT_EQ(small.top(), screenHeight - 1500);
    small.hide();
    owner.hide();
}

TEST(Form, AModalWindowIsAnsweredByTheQueuedAnswerInATest) {
    platform::Host host;
    host.modal.setTestMode(true);
    platform::Form f(host, "frmQuestion");
    platform::Label ok(f, "cmdOk", "Ok");
    int answer = -1;
    ok.onClick = [&] {
        answer = 1;
        f.hide();
    };
    bool shownWhileAnswered = false;
    host.modal.pushAnswer([&](platform::Form& form) {
        shownWhileAnswered = form.visible() && form.isShownModal();
        ok.onClick();
    });
    f.showModal();
    EXPECT_TRUE(shownWhileAnswered);
    EXPECT_EQ(answer, 1);
    EXPECT_FALSE(f.visible());
    EXPECT_EQ(host.modal.depth(), 0);
    EXPECT_EQ(host.modal.history(), std::vector<QString>{"frmQuestion"});
}

TEST(Form, AModalWindowNobodyAnswersIsReportedAndClosed) {
    platform::Host host;
    host.modal.setTestMode(true);
    platform::Form f(host, "frmQuestion");
    QString reported;
    host.modal.onUnanswered = [&](platform::Form& form) { reported = form.name(); };
    bool queried = false;
    f.onQueryUnload = [&](int&, int) { queried = true; };
    f.showModal();
    EXPECT_EQ(reported, "frmQuestion");
    EXPECT_TRUE(queried) << "closed as the user closes it, not by one of its buttons";
    EXPECT_FALSE(f.visible());
}

TEST(Form, ARealModalLoopReturnsWhenTheWindowHides) {
    platform::Host host; // not in test mode: a real event loop runs
    platform::Form f(host, "frmQuestion");
    bool activeDuringLoop = false;
    QTimer::singleShot(10, [&] {
        activeDuringLoop = host.modal.depth() == 1 && f.visible();
        f.hide();
    });
    f.showModal();
    EXPECT_TRUE(activeDuringLoop);
    EXPECT_FALSE(f.visible());
    EXPECT_EQ(host.modal.depth(), 0);
}

TEST(Form, ABorderlessWindowFollowsItsDragStrip) {
    platform::Host host;
    platform::Form f(host, "frmSmall");
    platform::PictureBox strip(f, "pMove");
    f.attachDragStrip(strip);
    f.move(3000, 3000, 4500, 3000);
    strip.onMouseDown(1, 0, 150, 90);
    EXPECT_TRUE(f.dragActive());
    EXPECT_EQ(host.screen.mousePointer(), 5);
    strip.onMouseMove(1, 0, 450, 240);
    EXPECT_EQ(f.left(), 3300);
    EXPECT_EQ(f.top(), 3150);
    strip.onMouseUp(1, 0, 450, 240);
    strip.onMouseMove(0, 0, 900, 900); // no longer dragging
    EXPECT_EQ(f.left(), 3300);
    EXPECT_EQ(host.screen.mousePointer(), 0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

} // namespace
