// Every label button of the main window looks pressed while the mouse button
// is held on it, and at rest again when it is released.

#include "support/TestProgram.h"

#include "platform/Palette.h"

#include <QTest>
#include <QWidget>

namespace {

// The label buttons, by tab; an array by its members.
const char* const Buttons[] = {
    // Calculator
    "cmdAdvCalcClipIt", "cmdExecCalcData", "Label16", "Label65", "CalcClear", "Command1(0)",
    "Command1(1)", "Command1(2)", "Command1(3)", "Command21", "Command3(0)", "Command3(1)",
    // Partition
    "cmdInvSplitCalc", "command28", "command29(0)", "command29(1)", "command5", "command6",
    "Label31", "Label66",
    // Editor
    "btnNode(0)", "command55(0)", "Label74", "Label75", "Command10", "Command11", "Command14",
    "Command47", "cmdSearch", "Command2", "Label47", "Command42", "Label44", "Command13", "Label37",
    "Label5", "Label63", "Label40", "Command15", "Command16", "Command17", "Command18", "Command19",
    "Command52",
    // Player
    "Command8(0)", "Command8(1)", "Command8(2)", "Command8(3)", "Command8(4)", "Command8(5)",
    "Command49(0)", "Command49(1)", "Label30", "Label62", "Label50",
    // Diagnose, Macros, Online
    "Command27", "Command31", "Command32(0)", "Command32(1)", "Command32(2)", "Command32(3)",
    "Command32(4)", "Command34", "Command35", "Command36", "Command53", "Label54", "Label56",
    "Label69", "Label71", "Command22(0)", "Command22(1)", "Command37", "Command38", "Command46",
    "Label53", "Label58", "Label60",
    // Side area
    "command4(0)", "command4(1)", "command4(2)", "command4(3)", "command4(4)", "command9",
    "Command20(0)", "Command20(1)", "Command41"};

TEST(PressLook, EveryLabelButtonLooksPressedOnlyWhileHeld) {
    TestProgram t;
    frmMain& m = t.main();
    m.load();
    int found = 0;
    for (const char* name : Buttons) {
        platform::Control* c = m.findControl(QString::fromLatin1(name));
        if (!c) continue; // a button its tab does not have yet
        ++found;
        c->setEnabled(true);                   // a disabled button takes no mouse
        c->setBackColor(platform::ColorWhite); // given another colour meanwhile
        QTest::mousePress(c->widget(), Qt::LeftButton);
        EXPECT_EQ(c->backColor(), platform::palette::ButtonPressed) << name;
        EXPECT_EQ(c->borderStyle(), 1) << name;
        // Released beside the button: the look returns, the button's action
        // does not run.
        QTest::mouseRelease(c->widget(), Qt::LeftButton, {}, QPoint(-5, -5));
        EXPECT_EQ(c->backColor(), platform::palette::ButtonRest) << name;
        EXPECT_EQ(c->borderStyle(), 0) << name;
    }
    EXPECT_GE(found, 60);
}

} // namespace
