// The message window: the buttons each layout shows and where, the answer each
// button gives, input mode storing macro variables, Cancel stopping a macro,
// line breaks, icons, a long text shown whole, answers from the keyboard (the
// window over the main window: chooser_window_test), screenshots of the icons
// (message_icon0.png to message_icon3.png in the build folder) and of a long
// message (message_long.png).

#include "document/frmMessageBox.h"
#include "macro/frmSystem.h"
#include "platform/Palette.h"
#include "support/Printing.h"
#include "support/TestProgram.h"

#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QTest>
#include <map>

namespace {

using Box = frmMessageBox;

// Presses a button with the mouse, as the user does.
void press(Box& m, int button) {
    QTest::mouseClick(m.cmdAction[button].widget(), Qt::LeftButton);
}

// Visible buttons by index, with their Left.
std::map<int, int> buttonsShown(Box& m) {
    std::map<int, int> out;
    for (int k = 0; k < 4; ++k)
        if (m.cmdAction[k].visible()) out[k] = m.cmdAction[k].left();
    return out;
}

struct Layout {
    const char* buttons;
    std::map<int, int> shown;
};

TEST(MessageWindow, PlacesTheNamedButtonsFromTheRight) {
    const Layout layouts[] = {
        {"ok", {{Box::Ok, 5160}}},
        {"okcancel", {{Box::Cancel, 5160}, {Box::Ok, 4125}}},
        {"OKCANCEL", {{Box::Cancel, 5160}, {Box::Ok, 4125}}},
        {"yesno", {{Box::No, 5160}, {Box::Yes, 4125}}},
        {"yesnocancel", {{Box::Cancel, 5160}, {Box::No, 4125}, {Box::Yes, 3090}}},
        {"cancel", {{Box::Cancel, 5160}}},
        {"NoYesOkCancel",
         {{Box::Cancel, 5160}, {Box::Ok, 4125}, {Box::No, 3090}, {Box::Yes, 2055}}},
        {"whatever", {{Box::Ok, 5160}}}, // names none of the words: Ok alone
        {"", {{Box::Ok, 5160}}},
    };
    TestProgram t;
    for (const Layout& l : layouts) {
        std::map<int, int> seen;
        int top = 0;
        t.answer<Box>([&](Box& m) {
            seen = buttonsShown(m);
            top = m.cmdAction[seen.begin()->first].top();
            EXPECT_GE(m.width(), 5160 + 975) << "the window holds its rightmost button";
            press(m, seen.begin()->first);
        });
        t->messages.ShowMessage("Go on?", 1, l.buttons, "Question");
        EXPECT_EQ(seen, l.shown) << l.buttons;
        EXPECT_EQ(top, 3300) << l.buttons;
    }
}

TEST(MessageWindow, ReturnsTheButtonPressedAndLeavesItInMsgResult) {
    TestProgram t;
    for (int button = 0; button < 4; ++button) {
        t->messages.MsgResult = -7;
        t.answer<Box>([button](Box& m) { press(m, button); });
        EXPECT_EQ(t->messages.ShowMessage("Sure?", 1, "yesnookcancel", "Q"), button);
        EXPECT_EQ(t->messages.MsgResult, button);
        ASSERT_NE(t->messages.lastWindow(), nullptr);
        EXPECT_FALSE(t->messages.lastWindow()->visible());
        EXPECT_FALSE(t->messages.lastWindow()->isLoaded());
    }
}

TEST(MessageWindow, CancelStopsARunningMacroAndOtherButtonsDoNot) {
    TestProgram t;
    for (int button = 0; button < 4; ++button) {
        t->macro.MacroRunning = true;
        t.answer<Box>([button](Box& m) { press(m, button); });
        t->messages.ShowMessage("Continue the macro?", 1, "yesnookcancel", "Macro");
        EXPECT_EQ(t->macro.MacroRunning, button != Box::Cancel) << button;
    }
}

TEST(MessageWindow, ClosingByTheWindowSystemAnswersCancel) {
    TestProgram t;
    t->messages.MsgResult = 3; // the previous answer must not come back
    t->macro.MacroRunning = true;
    t.answer<Box>([](Box& m) { EXPECT_FALSE(m.window()->close()); });
    EXPECT_EQ(t->messages.ShowMessage("Save?", 1, "yesno", "File"), 0);
    EXPECT_EQ(t->messages.MsgResult, 0);
    EXPECT_FALSE(t->macro.MacroRunning);
    EXPECT_FALSE(t->messages.lastWindow()->visible());

    // An answer that presses nothing leaves the window the same way.
    t->messages.MsgResult = 1;
    t->macro.MacroRunning = true;
    t.answer<Box>([](Box&) {});
    EXPECT_EQ(t->messages.ShowMessage("Save?", 1, "yesno", "File"), 0);
    EXPECT_FALSE(t->macro.MacroRunning);
}

TEST(MessageWindow, ReportsTheMessageActionFirst) {
    TestProgram t;
    t->macro.SetMacroAction("2,5", 549);
    int codeWhileShown = -1;
    t.answer<Box>([&](Box& m) {
        codeWhileShown = t->macro.MacroAction.code;
        press(m, Box::Ok);
    });
    t->messages.ShowMessage("Done", 3, "ok", "Info");
    EXPECT_EQ(codeWhileShown, 30);
    EXPECT_EQ(t->macro.MacroAction.code, 30);
    EXPECT_EQ(t->macro.MacroAction.text, "");
}

TEST(MessageWindow, BreaksLinesInPlaceAndKeepsItsWords) {
    TestProgram t;
    t->macro.setMcrVar(0, "who:=  Ann ");
    QString title, text;
    auto keep = [&](Box& m) {
        title = m.Label4.caption();
        text = m.Label1.caption();
        press(m, Box::Ok);
    };
    t.answer<Box>(keep);
    t->messages.ShowMessage("first/nsecond/nthird", 2, "ok", "Lines");
    EXPECT_EQ(title, "Lines");
    EXPECT_EQ(text, "first \rsecond \rthird");
    EXPECT_EQ(text.size(), QString("first/nsecond/nthird").size());
    EXPECT_EQ(text.split('\r').size(), 3);

    t.answer<Box>(keep);
    t->messages.ShowMessage("no break here / n", 2, "ok", "");
    EXPECT_EQ(text, "no break here / n");

    t.answer<Box>(keep);
    t->messages.ShowMessage("Hello who/n//nwho", 2, "ok", "");
    EXPECT_EQ(text, "Hello who \r/ \rwho") << "the program's own words stay as written";
}

TEST(MessageWindow, AFileNameShownVerbatimKeepsItsSlashN) {
    TestProgram t;
    QString text;
    t.answer<Box>([&](Box& m) {
        text = m.Label1.caption();
        press(m, Box::Ok);
    });
    const QString path = "/home/nina/new.srt";
    t->messages.ShowMessage("File '" + MessageWindow::Verbatim(path) + "' is open./nGo on?", 1,
                            "ok", "");
    EXPECT_EQ(text.count('\r'), 1) << "only the message's own break";
    QString shown = text;
    shown.remove(QChar(0x2060));
    EXPECT_TRUE(shown.startsWith("File '/home/nina/new.srt' is open.")) << shown.toStdString();
}

TEST(MessageWindow, ShowsTheIconOfItsKindOrNone) {
    TestProgram t;
    for (int kind : {0, 1, 2, 3, 4, -1}) {
        std::vector<int> shown;
        t.answer<Box>([&](Box& m) {
            for (int k = 0; k < 4; ++k) {
                if (!m.Picture1[k].visible()) continue;
                shown.push_back(k);
                const auto* l = qobject_cast<QLabel*>(m.Picture1[k].widget());
                EXPECT_EQ(l->pixmap().deviceIndependentSize().toSize(), QSize(32, 32));
            }
            press(m, Box::Ok);
        });
        t->messages.ShowMessage("text", kind, "ok", "title");
        if (kind >= 0 && kind <= 3)
            EXPECT_EQ(shown, std::vector<int>{kind});
        else
            EXPECT_TRUE(shown.empty()) << kind;
    }
}

TEST(MessageWindow, ButtonsTakeAPressedLookWhileHeldDown) {
    TestProgram t;
    t.answer<Box>([](Box& m) {
        platform::Label& ok = m.cmdAction[Box::Ok];
        EXPECT_EQ(ok.backColor(), platform::palette::ButtonRest);
        QTest::mousePress(ok.widget(), Qt::LeftButton);
        EXPECT_EQ(ok.borderStyle(), 1);
        EXPECT_EQ(ok.backColor(), platform::SysButtonShadow);
        EXPECT_TRUE(m.visible()) << "the answer comes with the release";
        QTest::mouseRelease(ok.widget(), Qt::LeftButton);
        EXPECT_EQ(ok.borderStyle(), 0);
        EXPECT_EQ(ok.backColor(), platform::palette::ButtonRest);
    });
    EXPECT_EQ(t->messages.ShowMessage("x", 3, "okcancel", "t"), 1);
}

TEST(MessageWindow, ActivationPutsTheDefaultPointerBackAndTheIconDragsTheWindow) {
    TestProgram t;
    t->host.screen.setMousePointer(platform::Screen::PointerHourglass);
    t.answer<Box>([&](Box& m) {
        m.window()->activateWindow();
        QApplication::processEvents();
        EXPECT_EQ(t->host.screen.mousePointer(), 0);

        const int left = m.left(), top = m.top();
        platform::PictureBox& icon = m.Picture1[2];
        icon.onMouseDown(1, 0, 60, 60);
        EXPECT_EQ(t->host.screen.mousePointer(), 5);
        icon.onMouseMove(1, 0, 360, 210);
        icon.onMouseUp(1, 0, 360, 210);
        EXPECT_EQ(m.left(), left + 300);
        EXPECT_EQ(m.top(), top + 150);
        EXPECT_EQ(t->host.screen.mousePointer(), 0);
        press(m, Box::Ok);
    });
    t->messages.ShowMessage("Working", 2, "ok", "Busy");
}

TEST(MessageWindow, AMessageShownWhileAnotherIsOpenLeavesTheOuterOneIntact) {
    TestProgram t;
    int inner = -1;
    t.answer<Box>([&](Box& outer) {
        t.answer<Box>([](Box& m) { press(m, Box::No); });
        inner = t->messages.ShowMessage("inner", 2, "yesno", "Inner");
        EXPECT_EQ(outer.Label4.caption(), "Outer");
        press(outer, Box::Yes);
    });
    EXPECT_EQ(t->messages.ShowMessage("outer", 1, "yesno", "Outer"), Box::Yes);
    EXPECT_EQ(inner, Box::No);
    EXPECT_EQ(t->messages.lastWindow()->Label4.caption(), "Outer");
}

// Input mode: answers with a name and a value typed into the two fields.
struct InputAnswer {
    QString name, value;
    int button = Box::Ok;
};

void answerInput(TestProgram& t, const InputAnswer& a) {
    t.answer<Box>([a](Box& m) {
        m.txtInput[0].setText(a.name);
        m.txtInput[1].setText(a.value);
        press(m, a.button);
    });
}

TEST(MessageWindow, InputModeShowsTheInputRowsOnlyWhenAsked) {
    TestProgram t;
    for (bool input : {true, false}) {
        t.answer<Box>([input](Box& m) {
            for (int k = 0; k < 2; ++k) {
                EXPECT_EQ(m.Label2[k].visible(), input);
                EXPECT_EQ(m.txtInput[k].visible(), input);
                EXPECT_EQ(m.txtInput[k].text(), "") << "a fresh window every time";
            }
            EXPECT_EQ(m.Label2[0].caption(), " Name");
            EXPECT_EQ(m.Label2[1].caption(), " Value");
            m.txtInput[0].setText("left");
            m.txtInput[1].setText("over");
            press(m, Box::Cancel);
        });
        t->messages.ShowMessage("Enter", 1, "okcancel", "Input", input);
        EXPECT_EQ(t->messages.MacroInputMode, input);
    }
}

TEST(MessageWindow, InputIsStoredInTheFirstFreeOrSameNamedSlot) {
    TestProgram t;
    t->macro.setMcrVar(0, "a:=1");
    t->macro.setMcrVar(1, "SPEED:=3");
    answerInput(t, {"  speed ", " 7 "});
    t->messages.ShowMessage("Speed?", 1, "okcancel", "Input", true);
    EXPECT_EQ(t->macro.McrVar(1), "speed:=7") << "the name keeps the case it was typed in";
    EXPECT_EQ(t->macro.McrVar(2), "");

    answerInput(t, {"Delay", "250 ms"});
    t->messages.ShowMessage("Delay?", 1, "okcancel", "Input", true);
    EXPECT_EQ(t->macro.McrVar(2), "Delay:=250 ms");
    // The system window lists the variables at once.
    frmSystem& sys = t->system();
    ASSERT_EQ(sys.lstVar.listCount(), 3);
    EXPECT_EQ(sys.lstVar.list(2), "Delay:=250 ms");
    EXPECT_EQ(sys.Label68.caption(), "Defined Variables: 3");

    // A name that only begins like a stored one takes a new slot.
    answerInput(t, {"a1", "x"});
    t->messages.ShowMessage("?", 1, "ok", "Input", true);
    EXPECT_EQ(t->macro.McrVar(0), "a:=1");
    EXPECT_EQ(t->macro.McrVar(3), "a1:=x");
}

TEST(MessageWindow, AnEmptyNameIsNamedAfterTheFreeSlot) {
    TestProgram t;
    t->macro.setMcrVar(0, "a:=1");
    t->macro.setMcrVar(2, "b:=2"); // slot 1 is the first free one
    answerInput(t, {"   ", "hello"});
    t->messages.ShowMessage("?", 1, "ok", "Input", true);
    EXPECT_EQ(t->macro.McrVar(1), "mcrVar[1]:=hello");
    EXPECT_EQ(t->messages.lastWindow()->txtInput[0].text(), "mcrVar[1]");
}

TEST(MessageWindow, NothingIsStoredWithoutAValueOutsideInputModeOrOnOtherButtons) {
    TestProgram t;
    answerInput(t, {"name", "   "});
    t->messages.ShowMessage("?", 1, "ok", "Input", true);
    answerInput(t, {"name", "value"});
    t->messages.ShowMessage("?", 1, "ok", "Notice", false);
    for (int button : {0, 2, 3}) {
        answerInput(t, {"name", "value", button});
        t->messages.ShowMessage("?", 1, "yesnookcancel", "Input", true);
    }
    for (int i = 0; i <= 100; ++i)
        EXPECT_EQ(t->macro.McrVar(i), "") << i;
    EXPECT_FALSE(t->hasSystem()) << "no listing without a stored variable";
}

TEST(MessageWindow, AnAnswerWithNoRoomLeftIsDropped) {
    TestProgram t;
    for (int i = 0; i <= 100; ++i)
        t->macro.setMcrVar(i, QString("v%1:=%1").arg(i));
    answerInput(t, {"", "lost"});
    t->messages.ShowMessage("?", 1, "ok", "Input", true);
    answerInput(t, {"V7", "seven"});
    t->messages.ShowMessage("?", 1, "ok", "Input", true);
    EXPECT_EQ(t->macro.McrVar(0), "v0:=0");
    EXPECT_EQ(t->macro.McrVar(7), "V7:=seven") << "a stored name is still replaced";
    EXPECT_EQ(t->macro.McrVar(100), "v100:=100");
}

// Shows the message window with each icon and saves what it looks like.
TEST(MessageWindow, ScreenshotsOfTheFourIcons) {
    struct Shot {
        const char* text;
        const char* buttons;
        const char* title;
        bool input;
    };
    const Shot shots[] = {
        {"Could not determine proper format./nPlease re-select format to force reading this "
         "file.",
         "ok", "Error", false},
        {"Warning: File not saved./nDo you want to save the changes first?", "yesnocancel",
         "Question", false},
        {"Enter a name and a value for the variable.", "okcancel", "Inputbox", true},
        {"The maximum amount of 99 files is reached./nCan not add the file.", "ok", "Information",
         false},
    };
    TestProgram t;
    for (int kind = 0; kind < 4; ++kind) {
        const Shot& s = shots[kind];
        t.answer<Box>([kind](Box& m) {
            QApplication::processEvents();
            const QPixmap shot = m.window()->grab();
            EXPECT_EQ(shot.width(), platform::toPixels(m.width()));
            EXPECT_TRUE(shot.save(QString("message_icon%1.png").arg(kind)));
            press(m, Box::Ok);
        });
        t->messages.ShowMessage(s.text, kind, s.buttons, s.title, s.input);
    }
}

// The text a window's label needs at its width, in pixels.
int NeededHeight(const platform::Label& label) {
    return label.widget()->heightForWidth(label.widget()->width());
}

// A long notice (a save that failed with its reason, a long path): every
// line of it is inside the window, above the buttons, whatever its length.
TEST(MessageWindow, ShowsAWholeLongTextWithItsButtonsBelowIt) {
    const QString path = "/home/someone/Videos/Some.Long.Movie.Name.2010.720p/"
                         "Some.Long.Movie.Name.2010.720p.english.srt";
    QString text = "Mirel could not save what it keeps for the next start:";
    for (const char* name : {"wizard.sdf", "Macro.sdf", "sr.sdf", "recent.sdf", "last.sdf"})
        text += QString("/nCannot write /home/someone/mirel/System/%1: No space left on device")
                    .arg(name);
    text += "/nThe file " + path + " was not changed./nEverything else was saved.";
    for (bool input : {false, true}) {
        TestProgram t;
        t.answer<Box>([&](Box& m) {
            QApplication::processEvents();
            const platform::Label& shown = m.Label1;
            EXPECT_LE(NeededHeight(shown), shown.widget()->height()) << "the text is cut";
            const int textBottom = shown.top() + shown.height();
            const int firstBelow = input ? m.Label2[0].top() : m.cmdAction[Box::Ok].top();
            EXPECT_LE(textBottom, firstBelow);
            EXPECT_LE(m.Label2[1].top() + m.Label2[1].height(), m.cmdAction[Box::Ok].top());
            EXPECT_LE(m.cmdAction[Box::Ok].top() + m.cmdAction[Box::Ok].height(), m.height());
            EXPECT_LE(m.height(), t->host.screen.height()) << "it stays on the screen";
            if (!input) {
                EXPECT_TRUE(m.window()->grab().save(QCoreApplication::applicationDirPath() +
                                                    "/message_long.png"));
            }
            press(m, Box::Ok);
        });
        t->messages.ShowMessage(text, KindExclamation, "ok", "Files not saved", input);
    }
}

// The keyboard answers too, from whatever has the focus in the window:
// Enter is the leftmost button, Escape is Cancel where there is one, else
// the rightmost button.
TEST(MessageWindow, AnswersFromTheKeyboard) {
    const struct {
        const char* buttons;
        bool input;
        Qt::Key key;
        int answer;
    } cases[] = {
        {"yesno", false, Qt::Key_Return, Box::Yes},
        {"yesno", false, Qt::Key_Escape, Box::No},
        {"yesnocancel", false, Qt::Key_Enter, Box::Yes},
        {"yesnocancel", false, Qt::Key_Escape, Box::Cancel},
        {"okcancel", false, Qt::Key_Return, Box::Ok},
        {"okcancel", false, Qt::Key_Escape, Box::Cancel},
        {"ok", false, Qt::Key_Return, Box::Ok},
        {"ok", false, Qt::Key_Escape, Box::Ok},
        {"okcancel", true, Qt::Key_Return, Box::Ok},
        {"okcancel", true, Qt::Key_Escape, Box::Cancel},
    };
    TestProgram t;
    for (const auto& c : cases) {
        t->macro.setMcrVar(0, QString());
        t.answer<Box>([&c](Box& m) {
            if (c.input) {
                m.txtInput[0].setText("name");
                m.txtInput[1].setText("Ann");
            }
            QWidget* focused = m.window()->focusWidget();
            if (c.input) {
                EXPECT_EQ(focused, m.txtInput[0].widget()) << "typing starts there";
            }
            QTest::keyClick(focused ? focused : m.window(), c.key);
        });
        const int answer = t->messages.ShowMessage("Go on?", 1, c.buttons, "Question", c.input);
        EXPECT_EQ(answer, c.answer) << c.buttons << " " << c.key;
        EXPECT_FALSE(t->messages.lastWindow()->visible()) << "the answer closes it";
        if (c.input) {
            EXPECT_EQ(t->macro.McrVar(0), c.answer == Box::Ok ? "name:=Ann" : "") << c.key;
        }
    }
}

} // namespace
