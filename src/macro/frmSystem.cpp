#include "macro/frmSystem.h"

#include "platform/Palette.h"
#include "shell/LabelButton.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

namespace {

constexpr int WindowWidth = 6600, WindowHeight = 5400, StripHeight = 300;
constexpr int Margin = 120, TabTop = 420, BelowTabs = 630;
// The execute list's summary takes two lines: a cut list says where it was cut.
constexpr int SummaryHeight = 480;
constexpr int NotesHeight = 840;
constexpr int ActionSysWindow = 32, ActionSystemTab = 33, ActionMacroTab = 35;

// A description "type:=description#remarks"; a part whose separator is
// missing stays empty and the text goes to the part before.
struct HelpParts {
    QString type, description, remarks;
};

HelpParts SplitHelp(const QString& help) {
    HelpParts parts;
    const qsizetype assign = help.indexOf(QStringLiteral(":="));
    const QString rest = assign < 0 ? help : help.mid(assign + 2);
    if (assign >= 0) parts.type = help.left(assign);
    const qsizetype hash = rest.indexOf(u'#');
    parts.description = hash < 0 ? rest : rest.left(hash);
    if (hash >= 0) parts.remarks = rest.mid(hash + 1);
    return parts;
}

} // namespace

frmSystem::frmSystem(Program& p)
    : Form(p.host, "frmSystem"), pMove(*this, "pMove"), Label3(pMove, "Label3", "System"),
      SSTab1(*this, "SSTab1", {"System Variables", "Macro"}),
      Label2(SSTab1.page(TabSystem), "Label2"), List1(SSTab1.page(TabSystem), "List1"),
      SSTab2(SSTab1.page(TabMacro), "SSTab2", {"Macro Variables", "Last Execute List"}),
      Label68(SSTab2.page(TabVariables), "Label68"), lstVar(SSTab2.page(TabVariables), "lstVar"),
      Label1(SSTab2.page(TabExecuteList), "Label1"),
      lstExec(SSTab2.page(TabExecuteList), "lstExec"),
      lstNotes(SSTab2.page(TabExecuteList), "lstNotes"), cmdOk(*this, "cmdOk", "Ok"), p_(p) {
    setCaption("System");
    const char* captions[] = {"Type", "Description", "Attributes"};
    for (int i = 0; i < 3; ++i) {
        lblSysCaption.add(SSTab1.page(TabSystem), "lblSysCaption", i, captions[i]);
        lblSysComment.add(SSTab1.page(TabSystem), "lblSysComment", i);
    }
    Label2.setCaption(p_.texts.TextTable(7, 0));
    Label68.setCaption(p_.texts.TextTable(7, 0));
    Label1.setCaption(QStringLiteral("Last Execute List"));
    layOut();
    wire();
}

void frmSystem::layOut() {
    makeBorderless(pMove, WindowWidth, WindowHeight, StripHeight);
    Label3.setForeColor(platform::ColorWhite);
    Label3.setBackColor(pMove.backColor());
    Label3.setFontBold(true);
    for (int i = 0; i < 3; ++i)
        lblSysComment[i].setWordWrap(true);
    Label1.setWordWrap(true);
    MakeLabelButton(cmdOk, QStringLiteral("Close the window"));
    fitToWindow();
    onResize = [this] { fitToWindow(); };
}

// The tabs, their lists and texts take the window's width and height.
void frmSystem::fitToWindow() {
    const int inner = width() - 2 * Margin, tabHeight = height() - TabTop - BelowTabs;
    pMove.move(0, 0, width(), StripHeight);
    Label3.move(Margin, 30, inner, 240);
    SSTab1.move(Margin, TabTop, inner, tabHeight);
    Label2.move(120, 450, inner - 240, 255);
    List1.move(120, 720, inner - 240, 2160);
    for (int i = 0; i < 3; ++i) {
        const int top = 2970 + i * 420;
        lblSysCaption[i].move(120, top, 1200, 255);
        lblSysComment[i].move(1380, top, inner - 1500, 390);
    }
    layOutMacroTab(inner, tabHeight);
    cmdOk.move(width() - Margin - 975, height() - 480, 975, 315);
}

void frmSystem::layOutMacroTab(int width, int tabHeight) {
    SSTab2.move(120, 450, width - 240, tabHeight - 570);
    const int inner = width - 480;
    Label68.move(120, 450, inner, 255);
    lstVar.move(120, 720, inner, tabHeight - 1500);
    Label1.move(120, 450, inner, SummaryHeight);
    const int lines = tabHeight - 1230 - SummaryHeight;
    lstExec.move(120, 450 + SummaryHeight + 15, inner, lines - NotesHeight - 60);
    lstNotes.move(120, 450 + SummaryHeight + 15 + lines - NotesHeight, inner, NotesHeight);
}

// One note fits the status bar; more are listed under the execute list and
// the status bar says where.
QString frmSystem::ShowReplayNotes(const QStringList& notes) {
    lstNotes.clear();
    for (const QString& note : notes)
        lstNotes.addItem(note);
    lstNotes.setVisible(!notes.isEmpty());
    if (notes.size() < 2) return notes.value(0);
    return p_.texts.Say("%1 steps were not recorded: System window, Last Execute List",
                        notes.size());
}

void frmSystem::wire() {
    attachDragStrip(Label3);
    List1.onClick = [this] { SysVarSelect(); };
    cmdOk.onClick = [this] { hide(); };
    onActivate = [this] { p_.macro.SetMacroAction(QString(), ActionSysWindow); };
    SSTab1.onDblClick = [this] {
        p_.macro.SetMacroAction(QString(), ActionSystemTab + SSTab1.tab());
    };
    SSTab2.onDblClick = [this] {
        p_.macro.SetMacroAction(QString(), ActionMacroTab + SSTab2.tab());
    };
    onQueryUnload = [this](int& cancel, int) {
        cancel = 1;
        hide();
    };
    onEscape = [this] { hide(); };
    openOver([this]() -> const platform::Form* { return p_.hasMain() ? &p_.main() : nullptr; });
}

void frmSystem::SysVarSelect() {
    const int n = SystemVariables::IndexOfEntry(List1.text());
    if (n < 0) return;
    const HelpParts parts = SplitHelp(p_.sysVars.sysVarHelp[static_cast<std::size_t>(n)]);
    lblSysComment[0].setCaption(parts.type);
    lblSysComment[1].setCaption(parts.description);
    lblSysComment[2].setCaption(parts.remarks);
}

void frmSystem::ShowWindow(int style) {
    p_.sysVars.UpdateSysVars();
    p_.macro.ListMcrVars();
    if (style == 1)
        showModal();
    else
        show();
}
