#include "document/frmMessageBox.h"

#include "platform/Keys.h"
#include "platform/Palette.h"
#include "runtime/Strings.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

#include <algorithm>

namespace {

constexpr int WindowWidth = 6375;
constexpr int WindowHeight = 3735;
constexpr int TextLeft = 720;
constexpr int TextWidth = WindowWidth - TextLeft - 240;
constexpr int TextTop = 780, TextHeight = 1560;
constexpr int InputTop = 2460, InputPitch = 360;

// The first macro-variable slot that is free (or, with a name, that already
// holds that name, compared without case); -1 when there is none.
int slotFor(const Macro& m, const QString& lowerName, bool matchName) {
    for (int i = 0; i < Macro::McrVarCount; ++i) {
        const QString entry = m.McrVar(i);
        if (entry.isEmpty()) return i;
        if (matchName && entry.toLower().startsWith(lowerName + QStringLiteral(":="))) return i;
    }
    return -1;
}

} // namespace

frmMessageBox::frmMessageBox(Program& p)
    : Form(p.host, "frmMessageBox"), Label4(*this, "Label4", "Information text here"),
      Label3(*this, "Label3", "Message"), Label1(*this, "Label1"), p_(p) {
    createControls();
    layOut();
    wireHandlers();
    openOver([&p]() -> const platform::Form* { return p.hasMain() ? &p.main() : nullptr; });
}

void frmMessageBox::createControls() {
    using Icon = platform::PictureBox::StockIcon;
    const Icon icons[] = {Icon::Stop, Icon::Question, Icon::Exclamation, Icon::Information};
    for (int k = 0; k < 4; ++k)
        Picture1.add(*this, "Picture1", k).setStockIcon(icons[k]);
    Label2.add(*this, "Label2", 0, " Name");
    Label2.add(*this, "Label2", 1, " Value");
    for (int k = 0; k < 2; ++k)
        txtInput.add(*this, "txtInput", k);
    const char* captions[] = {"Cancel", "Ok", "No", "Yes"};
    for (int k = 0; k < 4; ++k)
        cmdAction.add(*this, "cmdAction", k, QString::fromLatin1(captions[k]));
}

void frmMessageBox::layOut() {
    setCaption("Message");
    move(0, 0, WindowWidth, WindowHeight);

    Label4.move(TextLeft, 120, TextWidth, 255);
    Label4.setFontBold(true);
    Label3.move(TextLeft, 390, TextWidth, 255);
    Label3.setForeColor(platform::palette::ButtonRest);
    Label1.move(TextLeft, TextTop, TextWidth, TextHeight);
    Label1.setWordWrap(true);
    for (auto it = Picture1.begin(); it != Picture1.end(); ++it)
        it->move(120, 120, 480, 480);
    for (int k = 0; k < 2; ++k) {
        Label2[k].move(TextLeft, InputTop + k * InputPitch, 975, 285);
        Label2[k].setBackColor(platform::palette::ButtonRest);
        Label2[k].setForeColor(platform::ColorWhite);
        txtInput[k].move(TextLeft + 1035, InputTop + k * InputPitch, TextWidth - 1035, 285);
    }
    for (auto it = cmdAction.begin(); it != cmdAction.end(); ++it) {
        it->move(RightmostButtonLeft - it.index() * ButtonPitch, ButtonTop, ButtonWidth,
                 ButtonHeight);
        it->setAlignment(2);
        it->setForeColor(platform::ColorWhite);
        it->setBackColor(platform::palette::ButtonRest);
    }
}

void frmMessageBox::wireHandlers() {
    for (auto it = Picture1.begin(); it != Picture1.end(); ++it)
        attachDragStrip(*it);
    cmdAction.onClick([this](int i) { cmdActionClick(i); });
    cmdAction.onMouseDown([this](int i, int, int, int, int) { cmdActionMouseDown(i); });
    cmdAction.onMouseUp([this](int i, int, int, int, int) { cmdActionMouseUp(i); });
    onActivate = [this] { formActivate(); };
    onQueryUnload = [this](int& cancel, int mode) { formQueryUnload(cancel, mode); };
    onKeyDown = [this](int& code, int shift) { formKeyDown(code, shift); };
}

// The rows below the text move down by what the text needs beyond its
// design height; the window never grows past the screen.
void frmMessageBox::FitText() {
    const int room = host().screen.height() > 0 ? host().screen.height() - WindowHeight : 0;
    const int extra = std::clamp(Label1.textHeight() - TextHeight, 0, std::max(0, room));
    Label1.setHeight(TextHeight + extra);
    for (int k = 0; k < 2; ++k) {
        Label2[k].setTop(InputTop + k * InputPitch + extra);
        txtInput[k].setTop(InputTop + k * InputPitch + extra);
    }
    for (auto it = cmdAction.begin(); it != cmdAction.end(); ++it)
        it->setTop(ButtonTop + extra);
    setHeight(WindowHeight + extra);
}

int frmMessageBox::DefaultButton() const {
    for (int k = Yes; k >= Cancel; --k)
        if (cmdAction[k].visible()) return k;
    return Cancel;
}

int frmMessageBox::EscapeButton() const {
    for (int k = Cancel; k <= Yes; ++k)
        if (cmdAction[k].visible()) return k;
    return Cancel;
}

void frmMessageBox::formKeyDown(int& keyCode, int) {
    if (keyCode != platform::KeyReturn && keyCode != platform::KeyEscape) return;
    const int button = keyCode == platform::KeyReturn ? DefaultButton() : EscapeButton();
    keyCode = 0;
    cmdActionClick(button);
}

void frmMessageBox::cmdActionClick(int index) {
    p_.messages.MsgResult = index;
    if (index == Cancel) p_.macro.MacroRunning = false;
    if (index == Ok) storeInput();
    unload();
}

// Ok in input mode keeps the answer as a macro variable: the typed name (or
// "mcrVar[k]" for the first free slot k when none was typed), ":=" and the
// value, in the first slot that is free or already holds that name.
void frmMessageBox::storeInput() {
    QString name = runtime::Trim(txtInput[0].text()).toLower();
    const QString value = runtime::Trim(txtInput[1].text()).toLower();
    if (name.isEmpty()) {
        const int k = slotFor(p_.macro, QString(), false);
        if (k >= 0) {
            name = QStringLiteral("mcrVar[%1]").arg(k);
            txtInput[0].setText(name);
        }
    }
    if (value.isEmpty() || !p_.messages.MacroInputMode) return;
    const int j = slotFor(p_.macro, name, true);
    if (j < 0) return; // every slot holds another variable: the answer is dropped
    p_.macro.setMcrVar(j, runtime::Trim(txtInput[0].text()) + QStringLiteral(":=") +
                              runtime::Trim(txtInput[1].text()));
    p_.macro.ListMcrVars();
}

void frmMessageBox::cmdActionMouseDown(int index) {
    platform::SetPressLook(cmdAction[index], true);
}

void frmMessageBox::cmdActionMouseUp(int index) {
    platform::SetPressLook(cmdAction[index], false);
}

void frmMessageBox::formActivate() {
    // An hourglass left by a long operation must not stay over the question.
    host().screen.setMousePointer(platform::Screen::PointerDefault);
}

void frmMessageBox::formQueryUnload(int& cancel, int) {
    cancel = 0;
    p_.messages.MsgResult = Cancel;
    p_.macro.MacroRunning = false;
}
