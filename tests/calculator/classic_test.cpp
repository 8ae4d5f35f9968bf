// The classic calculator as a user works it: type the parts of A and B,
// press an operation, read the result, the frames and the history.
#include "CalculatorFixture.h"

#include "shell/frmMain.h"
#include "support/MediaFiles.h"

class ClassicTest : public CalculatorTest {
protected:
    ClassicTest() {
        t.main().tabMain.setTab(frmMain::TabCalculator);
        calc().tabCalculator.setTab(CalculatorTab::TabClassic);
        calc().Check1.setValue(platform::CheckBox::Unchecked);
        calc().Check2.setValue(platform::CheckBox::Unchecked);
    }
    QStringList parts(platform::ControlArray<platform::RichTextBox>& boxes) {
        QStringList out;
        for (int i = 0; i < 4; ++i)
            out << boxes[i].text();
        return out;
    }
};

TEST_F(ClassicTest, TheOperationsOnTwoTimes) {
    struct {
        QStringList a, b;
        int operation;
        const char* result;
        const char* history;
    } rows[] = {
        {{"00", "01", "10", "500"},
         {"00", "00", "50", "600"},
         CalculatorTab::AplusB,
         "00:02:01,100",
         "00:01:10,500 + 00:00:50,600 = 00:02:01,100"},
        {{"00", "00", "59", "999"},
         {"0", "0", "0", "1"},
         CalculatorTab::AplusB,
         "00:01:00,000",
         "00:00:59,999 + 00:00:00,001 = 00:01:00,000"},
        {{"1", "", "", ""},
         {"", "30", "", ""},
         CalculatorTab::AminusB,
         "00:30:00,000",
         "01:00:00,000 - 00:30:00,000 = 00:30:00,000"},
        {{"", "", "1", ""},
         {"", "", "2", ""},
         CalculatorTab::AminusB,
         "-1:59:59,000",
         "00:00:01,000 - 00:00:02,000 = -1:59:59,000 {negative result!}"},
        {{"", "", "1", ""},
         {"", "", "3", ""},
         CalculatorTab::BminusA,
         "00:00:02,000",
         "00:00:03,000 - 00:00:01,000 = 00:00:02,000"},
        {{"99", "59", "59", "999"},
         {"", "", "", "1"},
         CalculatorTab::AplusB,
         "99:59:59,999",
         "99:59:59,999 + 00:00:00,001 = 99:59:59,999"}, // past 99 hours: A comes back
    };
    for (const auto& r : rows) {
        a(r.a);
        b(r.b);
        press(r.operation);
        EXPECT_EQ(result(), r.result) << r.history;
        EXPECT_EQ(lastHistory(), r.history);
        EXPECT_EQ(calc().List3.listIndex(), calc().List3.listCount() - 1);
        EXPECT_EQ(t->macro.MacroAction.code, 301 + r.operation);
    }
    EXPECT_EQ(calc().List3.listCount(), 6);
}

TEST_F(ClassicTest, PartsCarryAndArePaddedInTheirBoxes) {
    a({"", "75", "75", "2500"});
    b({"", "", "", ""});
    press(CalculatorTab::AplusB);
    EXPECT_EQ(parts(calc().rtfCalcClassicA), QStringList({"01", "16", "17", "500"}));
    EXPECT_EQ(parts(calc().rtfCalcClassicB), QStringList({"00", "00", "00", "000"}));
    EXPECT_EQ(result(), "01:16:17,500");
}

TEST_F(ClassicTest, APartTooWideIsAnErrorLineAndChangesNoResult) {
    a({"00", "00", "10", "000"});
    b({"", "", "", ""});
    press(CalculatorTab::AplusB);
    ASSERT_EQ(result(), "00:00:10,000");
    const struct {
        QStringList a;
    } bad[] = {{{"100", "", "", ""}}, {{"", "-10", "", ""}}, {{"1.5", "", "", ""}}};
    for (const auto& r : bad) {
        a(r.a);
        press(CalculatorTab::AplusB);
        EXPECT_EQ(lastHistory(), "{Error occured. Range= -9:59:59,999 to 99:59:59,999}");
        EXPECT_EQ(result(), "00:00:10,000") << "the result stays";
        EXPECT_EQ(t->macro.MacroAction.code, 301);
    }
}

TEST_F(ClassicTest, FramesAtEachRate) {
    a({"", "", "1", ""});
    b({"", "", "", ""});
    press(CalculatorTab::AplusB);
    const char* expected[] = {" 23.97", " 24", " 25", " 29.97", " 30"};
    for (int i = 0; i < 5; ++i) {
        click(calc().optFrameRate[i]);
        EXPECT_EQ(frames(), expected[i]) << i;
        EXPECT_EQ(t->shell.FrameRateText, calc().optFrameRate[i].caption());
        EXPECT_EQ(t.main().frameRate.Combo14[0].listIndex(), i);
        EXPECT_EQ(t.main().frameRate.Combo14[1].listIndex(), i);
        EXPECT_EQ(t->macro.MacroAction.code, 312 + i);
    }
    click(calc().optFrameRate[2]);
    a({"", "", "", ""});
    b({"", "", "2", "500"});
    press(CalculatorTab::AminusB);
    EXPECT_EQ(frames(), "-62.5") << "a negative time gives negative frames";
}

TEST_F(ClassicTest, CancelResetAndClear) {
    a({"", "", "7", ""});
    b({"", "", "1", ""});
    press(CalculatorTab::AplusB);
    press(CalculatorTab::Cancel);
    EXPECT_EQ(calc().lblCalcResult[0].caption(), ":");
    EXPECT_EQ(calc().lblCalcResult[2].caption(), ",");
    EXPECT_EQ(calc().lblCalcResult[3].caption(), "");
    EXPECT_EQ(frames(), " 0");
    EXPECT_EQ(calc().List3.listCount(), 1) << "Cancel adds no line";
    EXPECT_EQ(t->macro.MacroAction.code, 304);

    click(calc().Command21);
    EXPECT_EQ(result(), "00:00:00.000") << "the seconds label ends in a point after a reset";
    EXPECT_EQ(frames(), "0000000");
    EXPECT_EQ(parts(calc().rtfCalcClassicA), QStringList({"", "", "", ""}));
    EXPECT_EQ(t->macro.MacroAction.code, 305);

    click(calc().CalcClear);
    EXPECT_EQ(calc().List3.listCount(), 0);
    EXPECT_EQ(t->macro.MacroAction.code, 306);
}

TEST_F(ClassicTest, TheMovieLengthFlag) {
    a({"", "", "30", ""});
    b({"", "", "", ""});
    press(CalculatorTab::AplusB);
    EXPECT_FALSE(lastHistory().contains("movie")) << "no movie loaded";
    const QString sound = t.folder() + "/tone.wav";
    ASSERT_TRUE(writeWav(sound, 20));
    t->players.OpenMedia(sound);
    ASSERT_GT(t->players.mediaDuration(), 19.0);
    press(CalculatorTab::AplusB);
    EXPECT_TRUE(lastHistory().endsWith(" {result >= movie length!}"));
    b({"", "", "15", ""});
    press(CalculatorTab::AminusB); // 15 s: shorter than the sound
    EXPECT_FALSE(lastHistory().contains("movie"));
    t->players.OpenMedia(t.folder() + "/missing.avi"); // a length not known
    b({"", "", "", ""});
    press(CalculatorTab::AplusB);
    EXPECT_FALSE(lastHistory().contains("movie"));
}

TEST_F(ClassicTest, DateAndTimeBoxesPrefixTheHistory) {
    click(calc().Check1);
    EXPECT_EQ(t->macro.MacroAction.code, 308);
    click(calc().Check2);
    EXPECT_EQ(t->macro.MacroAction.code, 310);
    a({"", "", "1", ""});
    b({"", "", "1", ""});
    press(CalculatorTab::AplusB);
    EXPECT_TRUE(lastHistory().startsWith("{")) << lastHistory().toStdString();
    EXPECT_EQ(lastHistory().count("} "), 2);
    EXPECT_TRUE(lastHistory().endsWith("00:00:01,000 + 00:00:01,000 = 00:00:02,000"));
    click(calc().Check1);
    EXPECT_EQ(t->macro.MacroAction.code, 309);
    click(calc().Check2);
    EXPECT_EQ(t->macro.MacroAction.code, 311);
}

TEST_F(ClassicTest, ClipsGoToTheClipboard) {
    t.main().clipboard.List1.addItem("a:1>x");
    t.main().clipboard.List1.addItem("b:2>y");
    t.main().clipboard.List1.addItem("c:3>z");
    a({"00", "01", "10", "500"});
    b({"00", "00", "50", "600"});
    press(CalculatorTab::AplusB);
    click(calc().Command3[CalculatorTab::ClipTime]);
    EXPECT_EQ(t->macro.MacroAction.code, 307);
    click(calc().Command3[CalculatorTab::ClipFrames]);
    EXPECT_EQ(t->macro.MacroAction.code, 341);
    EXPECT_EQ(clipboard().mid(3),
              QStringList({"Calc.Class.Result.T:4>00:02:01,100", "Calc.Class.Result.F:5> 3027.5"}));
    EXPECT_EQ(t.main().clipboard.List1.listIndex(), 4);
}

TEST_F(ClassicTest, MacroCommandsFillBoxesAndStoreResults) {
    const CommandRegistry& r = t->commands;
    r.run("Calculator.Classic.Cel.A3.Value", "20");
    r.run("Calculator.Classic.Cel.B3.Value", "5");
    EXPECT_EQ(t->macro.MacroAction.code, 323);
    r.run("Calculator.Classic.B-A");
    EXPECT_EQ(result(), "-1:59:45,000");
    r.run("Calculator.Classic.Set.FPS to 24.000");
    EXPECT_TRUE(calc().optFrameRate[1].value());
    EXPECT_EQ(frames(), "-360");
    r.run("Calculator.Classic.mcrVar.Set.Cel.T1-T4", "span");
    r.run("Calculator.Classic.mcrVar.Set.Cel.F1-F4");
    r.run("Calculator.Classic.mcrVar.Set.Cel.A1-A4");
    EXPECT_EQ(t->macro.mcrVar[0], "span:=-1:59:45,000");
    EXPECT_EQ(t->macro.mcrVar[1], "mcrVar[1]:=-360");
    EXPECT_EQ(t->macro.mcrVar[2], "mcrVar[2]:=000020000");
    r.run("Calculator.Classic.Set.Date.On");
    EXPECT_EQ(calc().Check1.value(), platform::CheckBox::Checked);
    EXPECT_EQ(r.find("Calculator.Classic.Clip.F")->actionCode, 341);

    int key = 13;
    calc().rtfCalcClassicA[1].onKeyPress(key);
    EXPECT_EQ(t->macro.MacroAction.code, 318);
    EXPECT_EQ(t->macro.MacroAction.text, "00");
}

TEST(ClassicStart, FramesFollowTheRateTheSettingsChose) {
    TestProgram t;
    const QStringList set = {" 0", " 0", " 0", " 0", " 0", " 0", " 0", " 0", " 0", " 0",  " 0",
                             " 3", " 0", " 0", " 0", " 0", " 0", " 0", " 0", "",   " 0 ", " 0 "};
    t.writeFile("System/Settings/set.sdf", (set.join("\r\n") + "\r\n").toUtf8());
    t.main().load();
    CalculatorTab& calc = t.main().calculator;
    ASSERT_TRUE(calc.optFrameRate[3].value());
    EXPECT_EQ(t->shell.FrameRateText, "29.970");
    calc.rtfCalcClassicA[2].setText("1");
    calc.Command1[CalculatorTab::AplusB].onClick();
    EXPECT_EQ(calc.lblCalcResult[4].caption(), " 29.97");
}
