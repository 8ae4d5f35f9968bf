#include "tools/FilterTab.h"

#include "document/MessageWindow.h"
#include "platform/Grid.h"
#include "platform/Keys.h"
#include "runtime/Strings.h"
#include "shell/LabelButton.h"
#include "shell/Program.h"
#include "tools/SearchTab.h"
#include "tools/TimingTools.h"

namespace {

constexpr int ReverseHebrew = 0, CorrectLongLines = 1;
constexpr int FirstTextCol = 3;
const QString Tool = QStringLiteral("Filters");

// The characters of a cell after its first one, last first, behind one blank.
// A character written as two code units (outside the basic plane) stays whole.
QString Reversed(const QString& cell) {
    QString out(QLatin1Char(' '));
    out.reserve(cell.size() + 1);
    for (qsizetype i = cell.size() - 1; i >= 1; --i) {
        if (i >= 2 && cell[i].isLowSurrogate() && cell[i - 1].isHighSurrogate()) {
            out += cell[i - 1];
            out += cell[i];
            --i;
        } else {
            out += cell[i];
        }
    }
    return out;
}

bool AllDigits(const QString& text) {
    if (text.isEmpty()) return false;
    for (const QChar c : text)
        if (c < u'0' || c > u'9') return false;
    return true;
}

} // namespace

FilterTab::FilterTab(Program& p, platform::Container& page)
    : lblMaxCount(page, "lblMaxCount", "Characters a line"), txtMaxCount(page, "txtMaxCount"),
      Command30(page, "Command30", "Go"), p_(p) {
    Check4.add(page, "Check4", ReverseHebrew, "Reverse Hebrew");
    Check4.add(page, "Check4", CorrectLongLines, "Correct long lines");
    txtMaxCount.setText(QStringLiteral("40"));
    txtMaxCount.setEnabled(false); // until correct long lines is ticked
    place();
    wire();
    registerCommands();
}

void FilterTab::place() {
    Check4[ReverseHebrew].move(120, 480, 2175, 285);
    Check4[ReverseHebrew].setToolTipText("Reverse the characters of every text line");
    Check4[CorrectLongLines].move(120, 840, 2175, 285);
    Check4[CorrectLongLines].setToolTipText(
        "Join the text lines of each subtitle and split them again at blanks");
    lblMaxCount.move(2340, 870, 1740, 255);
    lblMaxCount.setAlignment(1);
    txtMaxCount.move(4140, 840, 675, 285);
    txtMaxCount.setToolTipText("Enter max character amount for a line");
    Command30.move(3840, 1320, 975, 255);
    Command30.setToolTipText("Apply the ticked filters to every line");
    MakeLabelButton(Command30);
}

void FilterTab::wire() {
    Check4.onClick([this](int index) { FilterOptionClick(index); });
    Command30.onClick = [this] { FilterGo(); };
    txtMaxCount.onKeyPress = [this](int& key) {
        if (key == platform::KeyReturn) FilterGo();
    };
}

void FilterTab::FilterOptionClick(int index) {
    const bool ticked = Check4[index].value() == platform::CheckBox::Checked;
    if (index == ReverseHebrew) p_.macro.SetMacroAction(QString(), ticked ? 511 : 512);
    if (index == CorrectLongLines) p_.macro.SetMacroAction(QString(), ticked ? 566 : 567);
    txtMaxCount.setEnabled(Check4[CorrectLongLines].value() == platform::CheckBox::Checked);
}

// Go marks the document changed even with no filter ticked; a count that is
// no whole number of characters stops it before anything changes.
void FilterTab::FilterGo() {
    p_.macro.SetMacroAction(QString(), 513);
    int max = 0;
    if (Check4[CorrectLongLines].value() == platform::CheckBox::Checked && !ReadMaxCount(max))
        return;
    if (!SaveFilterSnapshot()) return;
    ApplyFilters(max);
    timing::LinesChanged(p_);
}

bool FilterTab::ReadMaxCount(int& max) {
    const QString text = runtime::Trim(txtMaxCount.text());
    max = AllDigits(text) && text.size() <= 5 ? text.toInt() : 0;
    if (max >= 1 && max <= MaxCountLimit) return true;
    timing::Refuse(p_, Tool,
                   p_.texts.Say("The characters a line must be a whole number from 1 to %1; "
                                "\"%2\" is not. No line was changed.",
                                MaxCountLimit, MessageWindow::Verbatim(text)));
    return false;
}

// False when a snapshot was due and could not be kept.
bool FilterTab::SaveFilterSnapshot() {
    QString action, details;
    if (Check4[ReverseHebrew].value() == platform::CheckBox::Checked) {
        action = QStringLiteral("Reversed hebrew");
        details = QStringLiteral("[No details]");
    }
    if (Check4[CorrectLongLines].value() == platform::CheckBox::Checked) {
        details += QStringLiteral(" [Correct amount:=") + txtMaxCount.text() + QLatin1Char(']');
        action = action.isEmpty() ? QStringLiteral("Corrected long lines")
                                  : action + QStringLiteral(", Corrected long lines");
    }
    return details.isEmpty() || p_.history.SaveSnapshot(action, details);
}

void FilterTab::ApplyFilters(int max) {
    const bool reverse = Check4[ReverseHebrew].value() == platform::CheckBox::Checked;
    const bool split = Check4[CorrectLongLines].value() == platform::CheckBox::Checked;
    if (!reverse && !split) return;
    platform::Grid& g = p_.doc.grid();
    txtMaxCount.setEnabled(false); // the count stays as read while the lines change
    const int lines = p_.doc.lineCount();
    for (int r = 1; r <= lines; ++r) {
        QString cells[3];
        for (int i = 0; i < 3; ++i)
            cells[i] = g.textMatrix(r, FirstTextCol + i);
        if (reverse) ReverseCells(cells);
        if (split) SplitLongLine(cells, max);
        for (int i = 0; i < 3; ++i)
            g.setTextMatrix(r, FirstTextCol + i, cells[i]);
    }
    txtMaxCount.setEnabled(split);
}

void FilterTab::ReverseCells(QString cells[3]) {
    for (int i = 0; i < 3; ++i)
        cells[i] = Reversed(cells[i]);
}

// The joined text is cut at the first blank that stands more than `max`
// characters after the start of its piece; the blank is dropped and each
// piece gets one leading blank. The third piece takes whatever is left.
// Unused cells are emptied.
void FilterTab::SplitLongLine(QString cells[3], int max) {
    const QString s = runtime::Trim(cells[0] + cells[1] + cells[2]);
    const qsizetype n = s.size();
    qsizetype last = 0; // the current piece starts after this position (1-based)
    int piece = 0;
    for (qsizetype i = 1; i <= n + 1; ++i) {
        const bool atEnd = i == n + 1;
        if (!atEnd && !(s[i - 1] == u' ' && i - last > max)) continue;
        if (piece == 2) {
            cells[2] = QLatin1Char(' ') + s.mid(last);
            return;
        }
        cells[piece++] = QLatin1Char(' ') + s.mid(last, i - 1 - last);
        last = i;
    }
    for (int k = piece; k < 3; ++k)
        cells[k].clear();
}

void FilterTab::registerCommands() {
    CommandRegistry& c = p_.commands;
    c.add(QStringLiteral("Editor.Filter.Set.RH.On"), 511,
          [this] { Check4[ReverseHebrew].setValue(1); });
    c.add(QStringLiteral("Editor.Filter.Set.RH.Off"), 512,
          [this] { Check4[ReverseHebrew].setValue(0); });
    c.add(QStringLiteral("Editor.Filter.Go"), 513, [this] { FilterGo(); });
    c.add(QStringLiteral("Editor.Filter.Set.CLL.On"), 566,
          [this] { Check4[CorrectLongLines].setValue(1); });
    c.add(QStringLiteral("Editor.Filter.Set.CLL.Off"), 567,
          [this] { Check4[CorrectLongLines].setValue(0); });
    AddVariableCommand(p_, "Editor.mcrVar.Set.Filters.CLL", 553,
                       [this] { return txtMaxCount.text(); });
}
