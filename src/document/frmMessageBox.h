#pragma once
// The message window: a title, the message, one of four icons, an optional
// name/value input row pair and up to four label buttons placed from the
// right. A borderless window, dragged by its icon, that opens over the main
// window and grows downwards to show a long message whole. ShowMessage
// creates one for each message and shows it modally; a button's Click, Enter
// (the leftmost button) or Escape (Cancel where there is one, else the
// rightmost button) records the answer and unloads it.

#include "document/MessageWindow.h"
#include "platform/ControlArray.h"
#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/TextBox.h"

class Program;

class frmMessageBox : public platform::Form {
public:
    explicit frmMessageBox(Program& p);

    // The buttons' indexes, which are also the answers ShowMessage returns.
    enum Button { Cancel = AnswerCancel, Ok = AnswerOk, No = AnswerNo, Yes = AnswerYes };
    static constexpr int ButtonTop = 3300;
    static constexpr int ButtonWidth = 975;
    static constexpr int ButtonHeight = 255;
    static constexpr int RightmostButtonLeft = 5160;
    static constexpr int ButtonPitch = 1035;

    platform::Label Label4;                                // the title
    platform::Label Label3;                                // "Message"
    platform::Label Label1;                                // the message text
    platform::ControlArray<platform::PictureBox> Picture1; // icons 0 to 3; drag handles
    platform::ControlArray<platform::Label> Label2;        // " Name", " Value"
    platform::ControlArray<platform::TextBox> txtInput;    // the name and the value
    platform::ControlArray<platform::Label> cmdAction;     // Cancel, Ok, No, Yes

    // Handlers.
    void cmdActionClick(int index);
    void cmdActionMouseDown(int index);
    void cmdActionMouseUp(int index);
    void formActivate();
    // Closing the window other than by a button answers Cancel.
    void formQueryUnload(int& cancel, int unloadMode);
    void formKeyDown(int& keyCode, int shift);

    // Makes room for the whole message: the text grows, and the input rows,
    // the buttons and the window move down with it (as far as the screen allows).
    void FitText();
    // The buttons the keys press: Enter the leftmost shown, Escape Cancel
    // when it is shown, else the rightmost shown.
    int DefaultButton() const;
    int EscapeButton() const;

private:
    void createControls();
    void layOut();
    void wireHandlers();
    void storeInput();

    Program& p_;
};
