// Text boxes, buttons, check boxes and option buttons: Change and Click run
// exactly when the program expects them, for the user's actions and for code.

#include "platform/CheckBox.h"
#include "platform/CommandButton.h"
#include "platform/Form.h"
#include "platform/Frame.h"
#include "platform/Host.h"
#include "platform/Keys.h"
#include "platform/OptionButton.h"
#include "platform/RichTextBox.h"
#include "platform/TextBox.h"
#include "support/FormFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPalette>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

struct InputFixture : FormFixture {
    int changes = 0;
    int clicks = 0;
};

// --- TextBox ---------------------------------------------------------------

TEST_F(InputFixture, TextBoxChangeRunsForCodeAndTypingButNotForTheSameText) {
    for (bool multi : {false, true}) {
        platform::TextBox box(form, "txtTest", multi);
        changes = 0;
        box.onChange = [&] { ++changes; };
        box.setText("abc");
        box.setText("abc");
        EXPECT_EQ(changes, 1) << "multiLine " << multi;
        box.setText("");
        EXPECT_EQ(changes, 2);
        QTest::keyClicks(box.widget(), "hi");
        EXPECT_EQ(box.text(), "hi");
        EXPECT_EQ(changes, 4) << "one Change per typed character";
    }
}

TEST_F(InputFixture, TextBoxEnterReachesKeyPressAndZeroSwallowsTheKey) {
    platform::TextBox box(form, "txtGo");
    int go = 0;
    box.onKeyPress = [&](int& key) {
        if (key == platform::KeyReturn) ++go;
        if (key == 'x') key = 0;
    };
    QTest::keyClicks(box.widget(), "axb");
    QTest::keyClick(box.widget(), Qt::Key_Return);
    EXPECT_EQ(go, 1);
    EXPECT_EQ(box.text(), "ab");

    platform::TextBox memo(form, "txtMemo", true);
    memo.onKeyPress = [](int& key) {
        if (key == platform::KeyReturn) key = 0;
    };
    QTest::keyClicks(memo.widget(), "a");
    QTest::keyClick(memo.widget(), Qt::Key_Return);
    EXPECT_EQ(memo.text(), "a") << "a swallowed Enter adds no line";
    memo.onKeyPress = nullptr;
    QTest::keyClick(memo.widget(), Qt::Key_Return);
    QTest::keyClicks(memo.widget(), "b");
    EXPECT_EQ(memo.text(), "a\r\nb") << "a typed line break reads as CR LF";
}

TEST_F(InputFixture, ControlKeysTypeTheirKeyCodeAndBacktabTypesNothing) {
    platform::TextBox box(form, "txtKeys");
    QList<int> typed;
    box.onKeyPress = [&](int& key) { typed << key; };
    for (Qt::Key k : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Backspace,
                      Qt::Key_Backtab, Qt::Key_Left})
        QTest::keyClick(box.widget(), k);
    QTest::keyClick(box.widget(), Qt::Key_A);
    EXPECT_EQ(typed, QList<int>({platform::KeyReturn, platform::KeyReturn, platform::KeyEscape,
                                 platform::KeyTab, platform::KeyBack, 'a'}));
}

TEST_F(InputFixture, OneLineTextBoxKeepsLineBreaksSetByCode) {
    platform::TextBox box(form, "txtOne");
    box.setText("first\r\nsecond\nthird");
    EXPECT_EQ(box.text(), "first\r\nsecond\nthird");
    EXPECT_FALSE(static_cast<QLineEdit*>(box.widget())->displayText().contains('\n'));
}

TEST_F(InputFixture, MultiLineTextBoxCountsCrLfAsTwoCharacters) {
    platform::TextBox box(form, "txtMemo", true);
    box.setText("a\nb\rc");
    EXPECT_EQ(box.text(), "a\r\nb\r\nc");
    box.setSelStart(3);
    box.setSelLength(1);
    EXPECT_EQ(box.selText(), "b");
    box.onChange = [&] { ++changes; };
    box.setSelText("XY\r\nZ");
    EXPECT_EQ(box.text(), "a\r\nXY\r\nZ\r\nc");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(box.selStart(), 8);
    EXPECT_EQ(box.selLength(), 0);
    box.setSelStart(0);
    box.setSelLength(100);
    EXPECT_EQ(box.selText(), box.text());
}

TEST_F(InputFixture, TextBoxSelectionStartsAtZeroAndIsClamped) {
    platform::TextBox box(form, "txtSel");
    box.setText("hello world");
    EXPECT_EQ(box.selStart(), 0);
    box.setSelStart(6);
    EXPECT_EQ(box.selLength(), 0);
    box.setSelLength(5);
    EXPECT_EQ(box.selText(), "world");
    box.onChange = [&] { ++changes; };
    box.setSelText("there");
    EXPECT_EQ(box.text(), "hello there");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(box.selStart(), 11);
    box.setSelStart(99);
    EXPECT_EQ(box.selStart(), 11);
    box.setSelStart(-5);
    box.setSelLength(99);
    EXPECT_EQ(box.selLength(), 11);
}

TEST_F(InputFixture, LockedTextBoxRefusesTypingButTakesCode) {
    platform::TextBox box(form, "txtLocked");
    box.setLocked(true);
    box.onChange = [&] { ++changes; };
    QTest::keyClicks(box.widget(), "x");
    EXPECT_EQ(box.text(), "");
    EXPECT_EQ(changes, 0);
    box.setText("set");
    EXPECT_EQ(box.text(), "set");
    EXPECT_TRUE(box.locked());
}

TEST_F(InputFixture, MaxLengthCutsTextFromCodeAndTyping) {
    platform::TextBox box(form, "txtMax");
    box.setMaxLength(3);
    box.setText("abcdef");
    EXPECT_EQ(box.text(), "abc");
    box.setSelStart(3);
    QTest::keyClicks(box.widget(), "d");
    EXPECT_EQ(box.text(), "abc");

    platform::TextBox memo(form, "txtMemo", true);
    memo.setText("ab\r\ncd");
    memo.setMaxLength(3);
    EXPECT_EQ(memo.text(), "ab") << "a line end is never cut in half";
    memo.setText("xyz");
    memo.setSelStart(3);
    QTest::keyClicks(memo.widget(), "q");
    EXPECT_EQ(memo.text(), "xyz");
    memo.setMaxLength(0);
    QTest::keyClicks(memo.widget(), "q");
    EXPECT_EQ(memo.text(), "xyzq");
}

TEST_F(InputFixture, TwipsAndColoursReachTheTextBoxWidget) {
    platform::TextBox box(form, "txtGeo");
    box.move(1500, 300, 975, 255);
    EXPECT_EQ(box.widget()->geometry(), QRect(100, 20, 65, 17));
    box.setBackColor(255);
    EXPECT_EQ(box.widget()->palette().color(QPalette::Base), QColor(255, 0, 0));
}

// --- RichTextBox -----------------------------------------------------------

TEST_F(InputFixture, RichTextBoxChangeIgnoresFormatting) {
    platform::RichTextBox box(form, "rtfTest");
    box.onChange = [&] { ++changes; };
    box.setText("make bold");
    box.setText("make bold");
    EXPECT_EQ(changes, 1);
    box.setSelStart(5);
    box.setSelLength(4);
    box.setSelBold(true);
    box.setSelItalic(true);
    EXPECT_EQ(changes, 1) << "bold and italic are no change of the text";
    EXPECT_TRUE(box.selBold());
    EXPECT_TRUE(box.selItalic());
    box.setSelStart(0);
    box.setSelLength(4);
    EXPECT_FALSE(box.selBold());
    EXPECT_FALSE(box.selItalic());
    box.setSelText("take");
    EXPECT_EQ(box.text(), "take bold");
    EXPECT_EQ(changes, 2);
}

// The selection and Locked behave alike in every kind of text field.
template <class Field> void CheckSelectionAndLock(platform::Form& form, bool multi, int& changes) {
    Field box(form, "txtKind", multi);
    box.onChange = [&] { ++changes; };
    box.setText("hello world");
    box.setSelStart(99);
    EXPECT_EQ(box.selStart(), 11) << "SelStart stops at the end";
    box.setSelStart(6);
    box.setSelLength(99);
    EXPECT_EQ(box.selText(), "world") << "SelLength stops at the end";
    box.setSelText("there");
    EXPECT_EQ(box.text(), "hello there");
    EXPECT_EQ(changes, 2);
    box.setLocked(true);
    box.setSelStart(0);
    QTest::keyClicks(box.widget(), "x");
    EXPECT_EQ(box.text(), "hello there") << "a locked field takes no typing";
    box.setText("by code");
    EXPECT_EQ(box.text(), "by code");
    EXPECT_EQ(changes, 3);
}

TEST_F(InputFixture, EveryTextFieldClampsItsSelectionAndHonoursLocked) {
    for (bool multi : {false, true}) {
        SCOPED_TRACE(multi ? "multi-line" : "one line");
        changes = 0;
        CheckSelectionAndLock<platform::TextBox>(form, multi, changes);
        changes = 0;
        CheckSelectionAndLock<platform::RichTextBox>(form, multi, changes);
    }
}

TEST_F(InputFixture, OneLineRichTextBoxHandsEnterToKeyPressAndDropsIt) {
    platform::RichTextBox box(form, "rtfOne");
    int enters = 0;
    box.onKeyPress = [&](int& key) {
        if (key == platform::KeyReturn) ++enters;
    };
    QTest::keyClicks(box.widget(), "ab");
    QTest::keyClick(box.widget(), Qt::Key_Return);
    QTest::keyClick(box.widget(), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(enters, 2);
    EXPECT_EQ(box.text(), "ab");

    QApplication::clipboard()->setText("one\ntwo");
    static_cast<QTextEdit*>(box.widget())->paste();
    EXPECT_EQ(box.text(), "abone") << "a paste keeps only its first line";

    platform::RichTextBox memo(form, "rtfMemo", true);
    QTest::keyClicks(memo.widget(), "a");
    QTest::keyClick(memo.widget(), Qt::Key_Return);
    QTest::keyClicks(memo.widget(), "b");
    EXPECT_EQ(memo.text(), "a\r\nb");
    memo.setSelStart(3);
    EXPECT_EQ(memo.selStart(), 3);
    memo.setSelLength(1);
    EXPECT_EQ(memo.selText(), "b");
}

TEST_F(InputFixture, RichTextBoxRefreshScrollsALogToItsEnd) {
    platform::RichTextBox log(form, "rtfLog", true);
    log.move(0, 0, 3000, 900);
    showForm();
    QString text;
    for (int i = 0; i < 200; ++i)
        text += QString("line %1\r\n").arg(i);
    log.setText(text);
    QScrollBar* bar = static_cast<QTextEdit*>(log.widget())->verticalScrollBar();
    EXPECT_EQ(bar->value(), 0);
    log.refresh();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
}

// --- CommandButton ---------------------------------------------------------

TEST_F(InputFixture, CommandButtonClicksOncePerPress) {
    platform::CommandButton button(form, "cmdGo", "&Go");
    button.move(150, 150, 1215, 375);
    showForm();
    button.onClick = [&] { ++clicks; };
    QTest::mouseClick(button.widget(), Qt::LeftButton);
    EXPECT_EQ(clicks, 1) << "the button's click, not also the mouse-derived one";
    button.click();
    EXPECT_EQ(clicks, 2);
    QTest::keyClick(button.widget(), Qt::Key_Space);
    EXPECT_EQ(clicks, 3);

    button.setEnabled(false);
    QTest::mouseClick(button.widget(), Qt::LeftButton);
    EXPECT_EQ(clicks, 3);
    button.click();
    EXPECT_EQ(clicks, 4) << "code may press a disabled button";
    EXPECT_EQ(button.caption(), "&Go");
}

// Every kind of button shows its caption on its face and reads it back.
template <class Button> void CheckCaption(platform::Form& form) {
    Button button(form, "btnKind", "&First");
    EXPECT_EQ(button.caption(), "&First");
    button.setCaption("Second");
    EXPECT_EQ(button.caption(), "Second");
    EXPECT_EQ(static_cast<QAbstractButton*>(button.widget())->text(), "Second");
}

TEST_F(InputFixture, EveryButtonKindKeepsItsCaptionOnItsFace) {
    CheckCaption<platform::CommandButton>(form);
    CheckCaption<platform::CheckBox>(form);
    CheckCaption<platform::OptionButton>(form);
}

TEST_F(InputFixture, EscapePressesTheCancelButton) {
    platform::CommandButton cancel(form, "cmdCancel", "Cancel");
    platform::TextBox box(form, "txtField");
    box.move(0, 600, 1215, 285);
    showForm();
    QApplication::setActiveWindow(form.window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.window()));
    cancel.onClick = [&] { ++clicks; };
    cancel.setCancel(true);
    QTest::keyClick(box.widget(), Qt::Key_Escape);
    EXPECT_EQ(clicks, 1);
    cancel.setCancel(false);
    QTest::keyClick(box.widget(), Qt::Key_Escape);
    EXPECT_EQ(clicks, 1);
}

// --- CheckBox --------------------------------------------------------------

TEST_F(InputFixture, CheckBoxValueFromCodeClicksOnlyOnChange) {
    platform::CheckBox check(form, "chkTest", "Check");
    std::vector<int> seen;
    check.onClick = [&] { seen.push_back(check.value()); };
    check.setValue(1);
    check.setValue(1);
    check.setValue(2);
    check.setValue(0);
    check.setValue(0);
    check.setValue(7);
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 0}));
    EXPECT_EQ(check.value(), 0);
}

TEST_F(InputFixture, CheckBoxUserClickTogglesAndGreyedBecomesChecked) {
    platform::CheckBox check(form, "chkUser", "Check");
    check.move(150, 150, 1455, 255);
    showForm();
    std::vector<int> seen;
    check.onClick = [&] { seen.push_back(check.value()); };
    QTest::mouseClick(check.widget(), Qt::LeftButton);
    QTest::mouseClick(check.widget(), Qt::LeftButton);
    check.setValue(2);
    QTest::mouseClick(check.widget(), Qt::LeftButton);
    QTest::mouseClick(check.widget(), Qt::LeftButton);
    QTest::mouseClick(check.widget(), Qt::LeftButton);
    EXPECT_EQ(seen, (std::vector<int>{1, 0, 2, 1, 0, 1})) << "a click never greys the box";
}

// --- OptionButton ----------------------------------------------------------

TEST_F(InputFixture, OptionButtonsOnAContainerAreOneGroup) {
    platform::OptionButton a(form, "optA", "A"), b(form, "optB", "B");
    platform::Frame frame(form, "fraOther", "Other");
    platform::OptionButton c(frame, "optC", "C");
    std::vector<QString> seen;
    for (auto* o : {&a, &b, &c})
        o->onClick = [&seen, o] { seen.push_back(o->name()); };

    a.setValue(true);
    c.setValue(true);
    EXPECT_TRUE(a.value()) << "a frame's options are a group of their own";
    b.setValue(true);
    EXPECT_FALSE(a.value());
    EXPECT_TRUE(b.value());
    b.setValue(true);
    EXPECT_EQ(seen, (std::vector<QString>{"optA", "optC", "optB"}));

    b.setValue(false);
    EXPECT_FALSE(a.value());
    EXPECT_FALSE(b.value());
    EXPECT_EQ(seen.size(), 3u) << "turning an option off runs no Click";
    a.setValue(true);
    EXPECT_TRUE(a.value());
    EXPECT_EQ(seen.back(), "optA");
}

TEST_F(InputFixture, OptionButtonUserClickRunsOnceWhenItComesOn) {
    platform::OptionButton a(form, "optA", "A"), b(form, "optB", "B");
    a.move(150, 150, 1455, 255);
    b.move(150, 600, 1455, 255);
    showForm();
    int aClicks = 0, bClicks = 0;
    const QPoint onIndicator(6, 8); // a radio button takes clicks on its circle and caption
    a.onClick = [&] { ++aClicks; };
    b.onClick = [&] { ++bClicks; };
    QTest::mouseClick(a.widget(), Qt::LeftButton, {}, onIndicator);
    QTest::mouseClick(a.widget(), Qt::LeftButton, {}, onIndicator);
    EXPECT_EQ(aClicks, 1);
    QTest::mouseClick(b.widget(), Qt::LeftButton, {}, onIndicator);
    EXPECT_EQ(bClicks, 1);
    EXPECT_FALSE(a.value());
    EXPECT_EQ(aClicks, 1);
}

} // namespace
