#include "shell/MainTabs.h"

#include "platform/Palette.h"
#include "shell/InstantHelp.h"
#include "shell/LabelButton.h"
#include "shell/PressLook.h"
#include "shell/Program.h"
#include "shell/frmMain.h"
#include "shell/frmSettings.h"

namespace {

// Help pages of the tabs.
enum HelpPage {
    WelcomePage = 0,
    CalcAdvancedPage = 1,
    CalcClassicPage = 2,
    PartitionPage = 3,
    EditorFirstRowPage = 4,
    EditorSecondRowPage = 8,
    PlayerPage = 12,
    DiagnosePage = 13,
    MacrosPage = 14,
    OnlinePage = 15,
    SideAreaPage = 17
};

// Action codes of the View group.
enum Code {
    CodeCalculator = 1,
    CodeCalcAdvanced = 2,
    CodePartition = 4,
    CodeEditor = 5,
    CodeEditorFirstRow = 6,
    CodeEditorSecondRow = 10,
    CodePlayer = 14,
    CodeDiagnose = 15,
    CodeMacros = 16,
    CodeOnline = 17,
    CodeOnlineRow = 18,
    CodeSideArea = 20,
    CodeLeftPane = 38
};

// A copy target's labels: the text-table rows of the first and the second
// button (column 1 and 2), and whether the second button shows.
struct CopyLabels {
    int row;
    bool second;
};
constexpr CopyLabels Labels[] = {{0, true},  {4, false}, {5, false},
                                 {3, false}, {1, true},  {2, true}};
} // namespace

MainTabs::MainTabs(Program& p, frmMain& m) : p_(p), m_(m) {
    platform::Label& plus =
        command55.add(m.tabMain.page(frmMain::TabEditor), "command55", 0, QStringLiteral("+"));
    plus.move(9720, 480, 255, 255);
    MakeLabelButton(plus, QStringLiteral("Enlarge the editor (hide the side area)"));
    command55.onClick([this](int index) { command55Click(index); });
}

void MainTabs::wire() {
    AttachPressLooks(m_);
    m_.SSTab1.onChange = [this](int) { SSTab1Change(); };
    m_.tabMain.onChange = [this](int) { tabMainChange(); };
    m_.editor.SSTab2.onChange = [this](int) { SSTab2Change(); };
    m_.editor.SSTab3.onChange = [this](int) { SSTab3Change(); };
    m_.online.SSTab5.onChange = [this](int) { SSTab5Change(); };
    m_.tabClipboard.onChange = [this](int) { tabClipboardChange(); };
    // The calculator places its cell editor on its own change; the labels,
    // the help page and the code follow here.
    platform::TabStrip& calc = m_.calculator.tabCalculator;
    auto own = std::move(calc.onChange);
    calc.onChange = [this, own](int previous) {
        if (own) own(previous);
        tabCalculatorChange();
    };
}

void MainTabs::ShowHelp(int page) {
    if (!p_.settings().autoHelp()) return;
    m_.SSTab1.setTab(1);
    ShowHelpPage(p_, page);
}

void MainTabs::EnableFirstCopyButton() {
    if (m_.clipboard.List1.listCount() > 0) m_.clipboard.command4[0].setEnabled(true);
}

// Hiding the second button leaves its last caption and tool tip.
void MainTabs::LabelCopyButtons(CopyTarget target) {
    const CopyLabels& l = Labels[target];
    const TextTables& t = p_.texts;
    platform::Label& first = m_.clipboard.command4[0];
    platform::Label& second = m_.clipboard.command4[1];
    // Alone, the first button takes the room of both.
    first.setWidth(l.second ? second.width() : second.left() + second.width() - first.left());
    first.setToolTipText(t.TextDescTable(1, l.row));
    first.setCaption(t.TextTable(1, l.row));
    second.setVisible(l.second);
    if (!l.second) return;
    second.setToolTipText(t.TextDescTable(2, l.row));
    second.setCaption(t.TextTable(2, l.row));
}

void MainTabs::subSetEditTab() {
    switch (m_.editor.SSTab3.tab()) {
    case 0:
        LabelCopyButtons(Shift);
        break;
    case 1:
        LabelCopyButtons(Stretch);
        break;
    case 2:
        LabelCopyButtons(Time);
        break;
    default: // the frame rate takes nothing from the clipboard
        break;
    }
}

void MainTabs::command55Click(int index) {
    if (!command55.contains(index)) return;
    platform::Label& button = command55[index];
    const QString caption = button.caption();
    if (caption == QLatin1String("+") || caption == QLatin1String("-")) {
        const bool enlarge = caption == QLatin1String("+");
        m_.tabClipboard.setVisible(!enlarge);
        m_.Label34.setVisible(!enlarge);
        button.setCaption(enlarge ? QStringLiteral("-") : QStringLiteral("+"));
    }
    m_.Resize(); // the tab area and the grid take or give back the side area's room
}

// ---- Change handling --------------------------------------------------------------

void MainTabs::SSTab1Change() {
    const int tab = m_.SSTab1.tab();
    if (tab == 1 && p_.settings().autoHelp()) ShowHelpPage(p_, WelcomePage);
    p_.macro.SetMacroAction(QString(), CodeLeftPane + tab);
}

// The tab's own code is reported last, after the help page: showing help may
// bring the left pane to its help tab, which reports a code of its own.
void MainTabs::tabMainChange() {
    m_.player.MediaPlayer1.stop();
    const int tab = m_.tabMain.tab();
    if (tab != frmMain::TabCalculator) p_.calc.CalculatorLeft();
    // Only the editor folds the side area away; the other tabs bring it back.
    if (tab != frmMain::TabEditor && command55.contains(0) &&
        command55[0].caption() == QLatin1String("-"))
        command55Click(0);
    int code = 0;
    switch (tab) {
    case frmMain::TabCalculator:
        EnterCalculator();
        code = CodeCalculator;
        break;
    case frmMain::TabPartition:
        EnableFirstCopyButton();
        LabelCopyButtons(Partition);
        ShowHelp(PartitionPage);
        code = CodePartition;
        break;
    case frmMain::TabEditor:
        EnterEditor();
        code = CodeEditor;
        break;
    case frmMain::TabPlayer:
        EnterPlayer();
        code = CodePlayer;
        break;
    case frmMain::TabDiagnose:
        ShowHelp(DiagnosePage);
        code = CodeDiagnose;
        break;
    case frmMain::TabMacros:
        ShowHelp(MacrosPage);
        // A recording does not record its own switch to the Macros tab.
        if (p_.macro.RecordMode == 1) return;
        code = CodeMacros;
        break;
    case frmMain::TabOnline:
        ShowHelp(OnlinePage + m_.online.SSTab5.tab());
        code = CodeOnline;
        break;
    default:
        return;
    }
    p_.macro.SetMacroAction(QString(), code);
}

void MainTabs::EnterCalculator() {
    if (m_.calculator.tabCalculator.tab() == CalculatorTab::TabClassic) {
        LabelCopyButtons(CalcClassic);
        ShowHelp(CalcClassicPage);
        return;
    }
    EnableFirstCopyButton();
    LabelCopyButtons(CalcAdvanced);
    ShowHelp(CalcAdvancedPage);
}

void MainTabs::EnterEditor() {
    if (command55.contains(0) && command55[0].caption() == QLatin1String("-")) command55Click(0);
    EnableFirstCopyButton();
    ShowHelp(EditorFirstRowPage + m_.editor.SSTab2.tab());
    subSetEditTab();
}

void MainTabs::EnterPlayer() {
    const TextTables& t = p_.texts;
    platform::Label& label = m_.player.Label27;
    if (!m_.player.MediaPlayer1.fileName().isEmpty() && p_.doc.FileChanged) {
        label.setCaption(t.TextTable(3, 4) + QStringLiteral(" [") + t.TextTable(3, 3) +
                         QLatin1Char(']'));
        if (!p_.doc.LineListValid) p_.doc.RebuildLineCombo();
    }
    label.setCaption(t.TextTable(3, 4) + QStringLiteral(" [") + t.TextTable(3, 1) +
                     QLatin1Char(']'));
    ShowHelp(PlayerPage);
}

void MainTabs::tabCalculatorChange() {
    const int tab = m_.calculator.tabCalculator.tab();
    if (tab == CalculatorTab::TabClassic) {
        LabelCopyButtons(CalcClassic);
        ShowHelp(CalcClassicPage);
    } else {
        EnableFirstCopyButton();
        LabelCopyButtons(CalcAdvanced);
        ShowHelp(CalcAdvancedPage);
    }
    p_.macro.SetMacroAction(QString(), CodeCalcAdvanced + tab);
}

void MainTabs::SSTab2Change() {
    const int tab = m_.editor.SSTab2.tab();
    ShowHelp(EditorFirstRowPage + tab);
    if (!p_.files.CurFileName.isEmpty()) m_.editor.SSTab3.setEnabled(true);
    p_.macro.SetMacroAction(QString(), CodeEditorFirstRow + tab);
}

void MainTabs::SSTab3Change() {
    const int tab = m_.editor.SSTab3.tab();
    ShowHelp(EditorSecondRowPage + tab);
    subSetEditTab();
    p_.macro.SetMacroAction(QString(), CodeEditorSecondRow + tab);
}

void MainTabs::SSTab5Change() {
    const int tab = m_.online.SSTab5.tab();
    ShowHelp(OnlinePage + tab);
    p_.macro.SetMacroAction(QString(), CodeOnlineRow + tab);
}

void MainTabs::tabClipboardChange() {
    const int tab = m_.tabClipboard.tab();
    ShowHelp(SideAreaPage + tab);
    p_.macro.SetMacroAction(QString(), CodeSideArea + tab);
}
