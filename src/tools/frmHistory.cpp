#include "tools/frmHistory.h"

#include "platform/Keys.h"
#include "platform/Palette.h"
#include "shell/LabelButton.h"
#include "shell/Program.h"

#include <algorithm>

namespace {
constexpr int WindowWidth = 6000, WindowHeight = 4350, StripHeight = 300;
constexpr int Margin = 120, InnerWidth = WindowWidth - 2 * Margin;
constexpr int ButtonWidth = 975, ButtonHeight = 315, ButtonGap = 105;
} // namespace

frmHistory::frmHistory(Program& p)
    : Form(p.host, "frmHistory"), pMove(*this, "pMove"), Label1(pMove, "Label1", "History"),
      Label2(*this, "Label2", "Undo any Changes"), Label3(*this, "Label3", "History List"),
      List1(*this, "List1"), List2(*this, "List2"), lblHistComment(*this, "lblHistComment"), p_(p) {
    setCaption("History");
    Command1.add(*this, "Command1", Close, "Close");
    Command1.add(*this, "Command1", Restore, "Restore");
    layOut();
    wire();
    for (const History::Snapshot& s : p_.history.snapshots())
        AddEntry(s.entry, s.details);
}

void frmHistory::layOut() {
    makeBorderless(pMove, WindowWidth, WindowHeight, StripHeight);
    Label1.move(Margin, 30, InnerWidth, 240);
    Label1.setForeColor(platform::ColorWhite);
    Label1.setBackColor(pMove.backColor());
    Label1.setFontBold(true);
    Label2.move(Margin, 420, InnerWidth, 255);
    Label2.setFontBold(true);
    Label3.move(Margin, 750, InnerWidth, 240);
    List1.move(Margin, 990, InnerWidth, 2040);
    List2.setVisible(false);
    lblHistComment.move(Margin, 3120, InnerWidth, 600);
    lblHistComment.setWordWrap(true);
    lblHistComment.setBorderStyle(1);
    lblHistComment.setToolTipText("What the change did");
    for (auto it = Command1.begin(); it != Command1.end(); ++it) {
        const int fromRight = it.index() == Close ? 1 : 2;
        it->move(WindowWidth - Margin - fromRight * ButtonWidth - (fromRight - 1) * ButtonGap, 3840,
                 ButtonWidth, ButtonHeight);
        MakeLabelButton(*it);
    }
    Command1[Restore].setToolTipText("Put the document back as it was before the chosen change");
    Command1[Restore].setEnabled(false);
    Command1[Close].setToolTipText("Close the window (Escape)");
}

void frmHistory::wire() {
    attachDragStrip(Label1); // the strip itself drags already
    List1.onClick = [this] { HistoryListClick(); };
    Command1.onClick([this](int index) { HistoryButtonClick(index); });
    List1.onKeyDown = [this](int& key, int) {
        if (key == platform::KeyEscape) HistoryButtonClick(Close);
    };
    onActivate = [this] { List1.setFocus(); };
    // The window system's close hides the window, as Close does.
    onQueryUnload = [this](int& cancel, int) {
        cancel = 1;
        HistoryButtonClick(Close);
    };
}

void frmHistory::HistoryListClick() {
    lblHistComment.setCaption(List2.list(List1.listIndex()));
    Command1[Restore].setEnabled(true);
}

void frmHistory::HistoryButtonClick(int index) {
    const QString entry = List1.text();
    if (index == Restore && !entry.isEmpty()) {
        // No macro command restores a change: a recording says so.
        p_.macro.RecordPending();
        p_.history.RestoreSnapshot(entry);
        p_.macro.RecordNotRecorded(p_.texts.Say("History Restore \"%1\"", entry));
    }
    hide();
}

void frmHistory::AddEntry(const QString& entry, const QString& details) {
    List1.addItem(entry);
    List2.addItem(details);
}

void frmHistory::ClearEntries() {
    List1.clear();
    List2.clear();
    lblHistComment.setCaption(QString());
    Command1[Restore].setEnabled(false);
}

void frmHistory::CentreOver(const platform::Form& owner) {
    const int left = owner.left() + (owner.width() - width()) / 2;
    const int top = owner.top() + (owner.height() - height()) / 2;
    move(std::max(0, left), std::max(0, top), width(), height());
}
