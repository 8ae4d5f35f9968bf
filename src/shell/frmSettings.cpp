#include "shell/frmSettings.h"

#include "platform/Palette.h"
#include "shell/LabelButton.h"
#include "shell/Picker.h"
#include "shell/Program.h"

namespace {

constexpr int WindowWidth = 8400, WindowHeight = 5760;
constexpr int Margin = 120, StripHeight = 300;
constexpr int PageLeft = 2580, PageTop = 960, PageWidth = 5700, PageHeight = 4080;
constexpr int ButtonWidth = 1095, ButtonHeight = 255, ToggleWidth = 435;
constexpr int RowTop = 360, RowPitch = 330, BoxWidth = 5300;
const QString Open = QStringLiteral(">>");

// The character sets a script may use, with their numbers.
struct ScriptItem {
    const char* caption;
    int charset;
};
constexpr ScriptItem ScriptItems[] = {
    {"Western (0)", 0},    {"Symbol (2)", 2},       {"DOS/OEM (255)", 255},
    {"Mac (77)", 77},      {"Greek (161)", 161},    {"Turkish (162)", 162},
    {"Baltic (186)", 186}, {"Cyrillic (204)", 204}, {"Central European (238)", 238},
    {"Hebrew (177)", 177}, {"Arabic (178)", 178}};

// A label that acts as a button: white on grey, sunk while the mouse is down.

} // namespace

frmSettings::frmSettings(Program& p)
    : Form(p.host, "frmSettings"), pMove(*this, "pMove"), Label3(*this, "Label3", "Settings"),
      Label4(*this, "Label4", "Change behavior of Mirel"), TV2(*this, "TV2"),
      Startup(*this, "Startup", "Startup"), General(*this, "General", "General"),
      Script(*this, "Script", "Script"), Audio(*this, "Audio", "Audio"),
      Defaults(*this, "Defaults", "Defaults"), Language(*this, "Language", "Language"),
      Frame1(Defaults, "Frame1", "Calculator"), Frame3(Defaults, "Frame3", "File Control"),
      Check2(Language, "Check2", "Use language pack"), Check3(Frame3, "Check3", "Close Automatic"),
      Check4(Frame3, "Check4", "Save as same format"), Label37(Frame1, "Label37", Open),
      Combo2(Frame1, "Combo2"), Label38(Frame1, "Label38"), lblFps(Frame1, "lblFps", "fps"),
      cmbScript(Script, "cmbScript", platform::ComboBox::DropDownCombo),
      Label65(Script, "Label65", Open), cmbScript1(Script, "cmbScript1"),
      Label64(Script, "Label64"), Label1(Language, "Label1", Open), List1(Language, "List1"),
      Label2(Language, "Label2"), List2(Language, "List2"), File1(Language, "File1"), p_(p) {
    setCaption("Settings");
    createControls();
    setToolTips();
    layOut();
    wireHandlers();
    onLoad = [this] { formLoad(); };
    load(); // its boxes are the settings from the start
}

void frmSettings::createControls() {
    addBoxes(Check7, Startup, "Check7", 0,
             {"Check for updates", "Load last file(s)", "Update FTP list", "Check for news",
              "Show tips", "Show Wizard"},
             {1, 0, 0, 0, 1, 1});
    addBoxes(Check7, General, "Check7", 6,
             {"Auto Help", "Check exists", "Auto set stretch", "Script player on", "Load subtitle"},
             {0, 1, 0, 0, 1});
    addBoxes(Check5, Audio, "Check5", 0, {"File Download", "Incoming Data"}, {1, 1});
    addBoxes(Check6, Script, "Check6", 0, {"Enable script", "Auto select"}, {0, 0});
    addBoxes(Check1, Frame1, "Check1", 0, {"Enable Date", "Enable Time"}, {0, 0});
    Command1.add(*this, "Command1", Cancel, "Cancel");
    Command1.add(*this, "Command1", Ok, "Ok");
    for (const char* rate : {"23.97", "24", "25", "29.97", "30"})
        Combo2.addItem(QString::fromLatin1(rate));
    for (const ScriptItem& item : ScriptItems) {
        cmbScript.addItem(QString::fromLatin1(item.caption));
        cmbScript.setItemData(cmbScript.listCount() - 1, item.charset);
    }
}

// Boxes first .. first + n - 1 of an array, one row each on their page.
void frmSettings::addBoxes(platform::ControlArray<platform::CheckBox>& boxes, platform::Frame& page,
                           const char* name, int first, const QStringList& captions,
                           const QList<int>& initial) {
    for (int i = 0; i < captions.size(); ++i) {
        platform::CheckBox& box =
            boxes.add(page, QString::fromLatin1(name), first + i, captions[i]);
        box.move(Margin * 2, RowTop + i * RowPitch, BoxWidth, 255);
        box.setValue(initial[i]);
    }
}

void frmSettings::setToolTips() {
    const std::pair<int, const char*> startup[] = {
        {1, "This will load last subtitle and/or movie file"},
        {2, "Refreshes FTP list on startup"},
        {3, "Checks Mirel for latest news"},
        {4, "Display tips on startup"},
        {7, "Check recent file list for errors"},
        {8, "Automaticly fills in the stretch values with 'Start' and 'End' in movie player"},
        {9, "This will auto select the script player when selecting a movie"},
        {10, "Load subtitle when movie file is selected"}};
    for (const auto& [i, tip] : startup)
        Check7[i].setToolTipText(QString::fromLatin1(tip));
    Check5[0].setToolTipText("Plays sound on successfull download");
    Check5[1].setToolTipText("Plays sound on all incoming data");
    Check6[0].setToolTipText("Uses the script below. Advanced edit function will be disabled");
    Check6[1].setToolTipText("Tries to detect the proper script when download a file");
    Check4.setToolTipText("Save file as same loaded format");
}

void frmSettings::layOut() {
    makeBorderless(pMove, WindowWidth, WindowHeight, StripHeight);
    pMove.setBackColor(platform::palette::ButtonRest);
    Label3.move(Margin, 390, 4000, 255);
    Label3.setFontBold(true);
    Label4.move(Margin, 660, WindowWidth - 2 * Margin, 255);
    TV2.move(Margin, PageTop, PageLeft - 2 * Margin, PageHeight);
    for (platform::Frame* page : {&Startup, &General, &Script, &Audio, &Defaults, &Language})
        page->move(PageLeft, PageTop, PageWidth, PageHeight);
    Frame1.move(Margin, 300, 2640, 3360);
    Frame3.move(2880, 300, 2700, 3360);
    Check3.move(Margin * 2, RowTop, 2400, 255);
    Check4.move(Margin * 2, RowTop + RowPitch, 2400, 255);
    Check2.move(Margin * 2, RowTop, BoxWidth, 255);
    layOutPickers();
    for (auto it = Command1.begin(); it != Command1.end(); ++it) {
        const int fromRight = it.index() == Ok ? 1 : 2;
        it->move(WindowWidth - Margin - fromRight * ButtonWidth - (fromRight - 1) * 60,
                 WindowHeight - 480, ButtonWidth, ButtonHeight);
        MakeLabelButton(*it);
    }
}

// Each picker: the ">>" toggle, the value beside it and its list below,
// hidden until the toggle opens it.
void frmSettings::layOutPickers() {
    const int valueLeft = Margin * 2 + ToggleWidth + 120;
    const int frameRateTop = RowTop + 2 * RowPitch + 60;
    Label37.move(Margin * 2, frameRateTop, ToggleWidth, ButtonHeight);
    Label38.move(valueLeft, frameRateTop, 900, ButtonHeight);
    lblFps.move(valueLeft + 960, frameRateTop, 600, ButtonHeight);
    Combo2.move(Margin * 2, frameRateTop + 300, 2160, 1500);
    cmbScript.move(Margin * 2, RowTop + 2 * RowPitch + 60, 3000, 315);
    const int scriptTop = RowTop + 3 * RowPitch + 180;
    Label65.move(Margin * 2, scriptTop, ToggleWidth, ButtonHeight);
    Label64.move(valueLeft, scriptTop, 3000, ButtonHeight);
    cmbScript1.move(Margin * 2, scriptTop + 300, 3480, 1920);
    const int languageTop = RowTop + RowPitch + 60;
    Label1.move(Margin * 2, languageTop, ToggleWidth, ButtonHeight);
    Label2.move(valueLeft, languageTop, BoxWidth - valueLeft, ButtonHeight);
    List1.move(Margin * 2, languageTop + 300, BoxWidth, 2400);
    for (platform::Label* toggle : {&Label37, &Label65, &Label1})
        MakeLabelButton(*toggle);
    for (platform::Control* hidden : std::initializer_list<platform::Control*>{
             &Combo2, &cmbScript1, &List1, &List2, &File1, &cmbScript})
        hidden->setVisible(false);
    // Without a pack the language choice is off.
    for (platform::Control* c : std::initializer_list<platform::Control*>{&Label1, &Label2, &List1})
        c->setEnabled(false);
}

void frmSettings::wireHandlers() {
    Command1.onClick([this](int i) { Command1Click(i); });
    TV2.onNodeClick = [this](const QString& key) { ShowTab(key); };
    Check7.onClick([this](int i) { StartupExclusions(i); });
    Check6.onClick([this](int i) { ScriptEnableClick(i); });
    Check2.onClick = [this] { UseLanguagePackClick(); };
    Label37.onClick = [this] { TogglePicker(Label37, Combo2); };
    Label65.onClick = [this] { TogglePicker(Label65, cmbScript1); };
    Label1.onClick = [this] { TogglePicker(Label1, List1); };
    Combo2.onClick = [this] { FrameRatePicked(); };
    cmbScript1.onClick = [this] { ScriptPicked(); };
    List1.onClick = [this] { LanguagePicked(); };
    cmbScript.onClick = [this] { ApplyScript(); };
    cmbScript.onKeyPress = [this](int& key) { ScriptKeyPress(key); };
    onActivate = [this] { p_.macro.SetMacroAction(QString(), 22); };
    // Escape and the window's close are Cancel; the window only hides.
    onEscape = [this] { Command1Click(Cancel); };
    onQueryUnload = [this](int& cancel, int) {
        cancel = 1;
        Command1Click(Cancel);
    };
}

// The grid starts with a plain font; the language folder is listed; the
// script picker offers the character sets; the Startup page shows first.
void frmSettings::formLoad() {
    ResetGridFont(QString());
    File1.setPattern(QStringLiteral("*.lng"));
    File1.setPath(p_.folder.path(runtime::Place::LanguageFolder));
    cmbScript1.clear();
    for (int i = 0; i < cmbScript.listCount(); ++i)
        cmbScript1.addItem(cmbScript.list(i));
    LoadNodes();
    showPage(Startup);
}
