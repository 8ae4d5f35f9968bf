// Frames, progress bars, sliders, timers and control arrays.

#include "platform/ControlArray.h"
#include "platform/Form.h"
#include "platform/Frame.h"
#include "platform/Host.h"
#include "platform/Label.h"
#include "platform/ProgressBar.h"
#include "platform/Slider.h"
#include "platform/TextBox.h"
#include "platform/Timer.h"
#include "support/FormFixture.h"

#include <QApplication>
#include <QPointer>
#include <QProgressBar>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

struct MiscFixture : FormFixture {};

// --- Frame and ProgressBar -------------------------------------------------

TEST_F(MiscFixture, ControlsOnAFrameArePlacedInsideIt) {
    platform::Frame frame(form, "fraTest", "Options");
    frame.move(1500, 1500, 3000, 1500);
    platform::Label label(frame, "lblInside", "inside");
    label.move(150, 300, 975, 255);
    EXPECT_EQ(label.widget()->parentWidget(), frame.widget());
    EXPECT_EQ(label.widget()->geometry(), QRect(10, 20, 65, 17));
    EXPECT_EQ(frame.widget()->geometry(), QRect(100, 100, 200, 100));
    EXPECT_EQ(frame.caption(), "Options");
    frame.setCaption("Other");
    EXPECT_EQ(frame.caption(), "Other");
}

TEST_F(MiscFixture, ProgressValuesAreClampedIntoTheRange) {
    platform::ProgressBar bar(form, "prgTest");
    EXPECT_EQ(bar.min(), 0.0);
    EXPECT_EQ(bar.max(), 100.0);
    bar.setValue(42.5f);
    EXPECT_DOUBLE_EQ(bar.value(), 42.5);
    bar.setValue(150);
    EXPECT_EQ(bar.value(), 100.0);
    bar.setValue(-3);
    EXPECT_EQ(bar.value(), 0.0);

    bar.setValue(80);
    bar.setMax(50);
    EXPECT_EQ(bar.value(), 50.0) << "a smaller range takes the value with it";
    bar.setMin(50);
    bar.setMax(-1);
    EXPECT_EQ(bar.min(), 0.0);
    EXPECT_EQ(bar.max(), 50.0);
    bar.setValue(12.5);
    auto* w = static_cast<QProgressBar*>(bar.widget());
    EXPECT_EQ(w->value() * 4, w->maximum()) << "12.5 of 50 shows a quarter";
}

// --- Slider ----------------------------------------------------------------

QRect handleOf(QSlider* s) {
    QStyleOptionSlider opt;
    opt.initFrom(s);
    opt.orientation = s->orientation();
    opt.minimum = s->minimum();
    opt.maximum = s->maximum();
    opt.sliderPosition = s->sliderPosition();
    opt.sliderValue = s->value();
    opt.singleStep = s->singleStep();
    opt.pageStep = s->pageStep();
    opt.tickPosition = s->tickPosition();
    opt.subControls = QStyle::SC_All;
    return s->style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, s);
}

struct SliderFixture : MiscFixture {
    platform::Slider slider{form, "sldTest"};
    int changes = 0, scrolls = 0;
    void SetUp() override {
        slider.onChange = [this] { ++changes; };
        slider.onScroll = [this] { ++scrolls; };
    }
};

TEST_F(SliderFixture, ChangeRunsForEachNewValueFromCodeOrKeys) {
    EXPECT_EQ(slider.min(), 0);
    EXPECT_EQ(slider.max(), 10);
    EXPECT_EQ(slider.smallChange(), 1);
    EXPECT_EQ(slider.largeChange(), 5);
    slider.setValue(3);
    slider.setValue(3);
    EXPECT_EQ(changes, 1);
    slider.setValue(20);
    EXPECT_EQ(slider.value(), 10);
    EXPECT_EQ(changes, 2);

    slider.setMax(100);
    slider.setValue(50);
    slider.setSmallChange(2);
    slider.setLargeChange(20);
    changes = 0;
    QTest::keyClick(slider.widget(), Qt::Key_Right);
    EXPECT_EQ(slider.value(), 52);
    QTest::keyClick(slider.widget(), Qt::Key_PageUp);
    EXPECT_EQ(slider.value(), 72);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(scrolls, 0);
}

TEST_F(SliderFixture, DraggingScrollsAndChangesOnceAtTheEnd) {
    slider.move(0, 0, 3000, 375);
    slider.setText("position");
    showForm();
    auto* s = static_cast<QSlider*>(slider.widget());
    const QPoint grip = handleOf(s).center();
    QTest::mousePress(s, Qt::LeftButton, {}, grip);
    QTest::mouseMove(s, grip + QPoint(40, 0));
    QTest::mouseMove(s, grip + QPoint(80, 0));
    EXPECT_GE(scrolls, 1);
    EXPECT_EQ(changes, 0) << "no Change while the handle is held";
    QTest::mouseRelease(s, Qt::LeftButton, {}, grip + QPoint(80, 0));
    EXPECT_GT(slider.value(), 0);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(slider.text(), "position");
}

// --- Timer -----------------------------------------------------------------

TEST(TimerControl, IntervalAndEnabledDecideWhetherItRuns) {
    platform::Host host;
    platform::Timer timer(host, "tmrTest");
    EXPECT_TRUE(timer.enabled());
    EXPECT_EQ(timer.interval(), 0);
    EXPECT_FALSE(timer.isRunning()) << "an interval of 0 never fires";
    timer.setInterval(100);
    EXPECT_TRUE(timer.isRunning());
    timer.setEnabled(false);
    EXPECT_FALSE(timer.isRunning());
    timer.setInterval(200);
    EXPECT_FALSE(timer.isRunning());
    timer.setEnabled(true);
    EXPECT_TRUE(timer.isRunning());
    timer.setInterval(-5);
    EXPECT_EQ(timer.interval(), 0);
    EXPECT_FALSE(timer.isRunning());

    int ticks = 0;
    timer.onTimer = [&] { ++ticks; };
    timer.tick();
    EXPECT_EQ(ticks, 1) << "tick() runs the handler even when the timer is idle";
}

TEST(TimerControl, AnEnabledTimerFiresOnTheEventLoopAndADisabledOneDoesNot) {
    platform::Host host;
    platform::Timer on(host, "tmrOn"), off(host, "tmrOff");
    int onTicks = 0, offTicks = 0;
    on.onTimer = [&] {
        if (++onTicks == 3) on.setEnabled(false); // a handler may stop its timer
    };
    off.onTimer = [&] { ++offTicks; };
    off.setEnabled(false);
    off.setInterval(1);
    on.setInterval(1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return onTicks >= 3; }, 5000));
    QTest::qWait(50);
    EXPECT_EQ(onTicks, 3);
    EXPECT_EQ(offTicks, 0);
}

// --- ControlArray ----------------------------------------------------------

TEST_F(MiscFixture, ControlArrayElementsByIndex) {
    platform::ControlArray<platform::Label> labels;
    EXPECT_EQ(labels.count(), 0);
    EXPECT_EQ(labels.ubound(), -1);
    labels.add(form, "Label48", 2, "two");
    labels.add(form, "Label48", 0, "zero");
    labels.add(form, "Label48", 5, "five");
    EXPECT_EQ(labels.count(), 3);
    EXPECT_EQ(labels.lbound(), 0);
    EXPECT_EQ(labels.ubound(), 5);
    EXPECT_TRUE(labels.contains(2));
    EXPECT_FALSE(labels.contains(1));
    EXPECT_EQ(labels[2].name(), "Label48(2)");
    EXPECT_EQ(labels[5].caption(), "five");
    EXPECT_THROW(labels[1], std::out_of_range);
    EXPECT_THROW(labels.at(-1), std::out_of_range);
    EXPECT_THROW(labels.add(form, "Label48", 2), std::invalid_argument);
    EXPECT_THROW(labels.add(form, "Label48", -1), std::out_of_range);

    QStringList inOrder;
    for (platform::Label& l : labels)
        inOrder << l.caption();
    EXPECT_EQ(inOrder, QStringList({"zero", "two", "five"}));
    EXPECT_EQ(labels.indexes(), (std::vector<int>{0, 2, 5}));

    QPointer<QWidget> gone = labels[5].widget();
    EXPECT_TRUE(labels.remove(5));
    EXPECT_TRUE(gone.isNull()) << "an unloaded element takes its widget with it";
    EXPECT_FALSE(labels.remove(5));
    EXPECT_EQ(labels.ubound(), 2);
}

TEST_F(MiscFixture, ControlArrayHandlersReceiveTheIndex) {
    platform::ControlArray<platform::Label> labels;
    labels.add(form, "Label48", 0).move(0, 0, 975, 255);
    labels.add(form, "Label48", 3).move(0, 600, 975, 255);
    showForm();
    std::vector<int> clicked;
    std::vector<std::vector<int>> downs;
    labels.onClick([&](int index) { clicked.push_back(index); });
    labels.onMouseDown([&](int index, int button, int shift, int x, int y) {
        downs.push_back({index, button, shift, x, y});
    });
    platform::Label& late = labels.add(form, "Label48", 7);
    late.move(0, 1200, 975, 255);

    QTest::mouseClick(labels[3].widget(), Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 5));
    QTest::mouseClick(late.widget(), Qt::LeftButton);
    labels[0].onClick();
    EXPECT_EQ(clicked, (std::vector<int>{3, 7, 0}));
    ASSERT_FALSE(downs.empty());
    EXPECT_EQ(downs[0], (std::vector<int>{3, platform::LeftButton, platform::ShiftMask, 150, 75}));

    labels[0].onClick = [&] { clicked.push_back(100); }; // an element's own handler wins
    labels[0].onClick();
    labels.onClick(nullptr);
    EXPECT_FALSE(labels[3].onClick);
    EXPECT_EQ(clicked.back(), 100);
}

// A label button greyed out by its window, or sitting in a disabled frame,
// ignores the mouse: no press, no click.
TEST_F(MiscFixture, ADisabledLabelTakesNoClicks) {
    platform::Frame frame(form, "Frame1");
    frame.move(0, 0, 3000, 2000);
    platform::Label own(form, "Label1", "Go");
    own.move(0, 2400, 975, 255);
    platform::Label inner(frame, "Label2", "Go");
    inner.move(100, 100, 975, 255);
    showForm();
    int clicks = 0, downs = 0;
    for (platform::Label* l : {&own, &inner}) {
        l->onClick = [&] { ++clicks; };
        l->onMouseDown = [&](int, int, int, int) { ++downs; };
    }
    own.setEnabled(false);
    frame.setEnabled(false);
    QTest::mouseClick(own.widget(), Qt::LeftButton);
    QTest::mouseClick(inner.widget(), Qt::LeftButton);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(downs, 0);
    own.setEnabled(true);
    frame.setEnabled(true);
    QTest::mouseClick(own.widget(), Qt::LeftButton);
    QTest::mouseClick(inner.widget(), Qt::LeftButton);
    EXPECT_EQ(clicks, 2) << "enabled again, both click";
}

TEST_F(MiscFixture, ControlArrayKeyAndChangeHandlersOfTextBoxes) {
    platform::ControlArray<platform::TextBox> boxes;
    boxes.add(form, "txtField", 1);
    std::vector<int> changed;
    boxes.onChange([&](int index) { changed.push_back(index); });
    boxes.onKeyPress([](int, int& key) {
        if (key == 'x') key = 0;
    });
    boxes.add(form, "txtField", 4, true);
    EXPECT_TRUE(boxes[4].multiLine());
    QTest::keyClicks(boxes[4].widget(), "axb");
    EXPECT_EQ(boxes[4].text(), "ab") << "a swallowed key comes back through the bound handler";
    boxes[1].setText("one");
    EXPECT_EQ(changed, (std::vector<int>{4, 4, 1}));
}

} // namespace
