#include "document/EditArea.h"

#include "document/BasicTab.h"
#include "document/FontSpec.h"
#include "document/TimeCode.h"
#include "document/WholeText.h"
#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/Grid.h"
#include "platform/Keys.h"
#include "platform/LongText.h"
#include "runtime/Numbers.h"
#include "runtime/Strings.h"
#include "shell/Program.h"
#include "shell/frmMain.h"
#include "shell/frmSettings.h"

#include <cmath>

using runtime::Str;
using runtime::Trim;
using runtime::TrimStr;

namespace {

// The overlays keep this gap from the cell they belong to, in twips.
constexpr int BalloonGap = 30;
constexpr int FirstTextCol = 3;

// The script player's clock from a start time: hundredths of a second, one
// tick early, so that the line shows when the clock reaches it.
long long ScriptTimeOf(const QString& start) {
    return static_cast<long long>(std::nearbyint(TimeToMs(start) / 10.0 - 1.0));
}

FontSpec SplitFontSpec(const QString& font) {
    return FontSpec::parse(font);
}

// The style names the given word (both compared in lower case).
bool StyleHas(const QString& style, const QString& word) {
    return !word.isEmpty() && style.toLower().contains(word.toLower());
}

// Selects the first of the list's first `limit` entries that equals the text
// (case ignored); with none, the selection stays.
void SelectMatching(platform::ComboBox& list, const QString& text, int limit) {
    const QString wanted = text.toLower();
    const int count = std::min(list.listCount(), limit);
    for (int i = 0; i < count; ++i) {
        if (list.list(i).toLower() != wanted) continue;
        list.setListIndex(i);
        return;
    }
}

} // namespace

EditArea::EditArea(Program& p) : p_(p), basic_(p) {}

// ---- The current line -------------------------------------------------------

void EditArea::ShowCurrentLine() {
    if (p_.doc.EditorBlocked) return;
    basic_.RangesToLastLine();
    EditorTab& editor = p_.main().editor;
    const platform::Grid& g = editor.grdSubEdit;
    const int row = g.row(), col = g.col();
    ShowCellPosition(row, col);
    if (row > 0 && row < g.rows()) FillBasicFields(row, col);
    p_.doc.CurLine = row;
    p_.doc.ScriptTime = ScriptTimeOf(g.textMatrix(row, 1));
    ShowStartTime(row);
    for (int i = 0; i < 3; ++i)
        subShowSubtitle(g.textMatrix(row, FirstTextCol + i), i);
    PlaceEditor(editor);
    PlaceBalloon(editor, row);
    ApplyEditorVisibility(editor, col);
    PlaceCalcButton(editor, row, col);
    PlaceNodeButton(editor, row);
    EnableBasicButtons(editor.basic, row);
}

// "Row: 12, Col: 3 = Text #1": the numbers in their signed form.
void EditArea::ShowCellPosition(int row, int col) {
    const auto& captions = p_.shell.ColumnCaptions;
    const QString column = col >= 0 && col < static_cast<int>(captions.size())
                               ? captions[std::size_t(col)]
                               : QString();
    p_.main().editor.basic.Label13.setCaption(p_.texts.TextTable(4, 0) + ':' + Str(row) +
                                              QStringLiteral(", ") + p_.texts.TextTable(4, 1) +
                                              ':' + Str(col) + QStringLiteral(" = ") + column);
}

// The Basic text shows the selected cell trimmed; the time fields always show
// the row's start and end.
void EditArea::FillBasicFields(int row, int col) {
    BasicTab& basic = p_.main().editor.basic;
    const platform::Grid& g = p_.doc.grid();
    const QString cell = Trim(g.textMatrix(row, col));
    basic.rtfSubEditBasic.setText(col == 1 || col == 2 ? ShownTime(cell) : cell);
    basic.rtfLineStart.setText(ShownTime(g.textMatrix(row, 1)));
    basic.rtfLineEnd.setText(ShownTime(g.textMatrix(row, 2)));
}

// The script player's time label: the start time to hundredths.
void EditArea::ShowStartTime(int row) {
    const QString start = ShownTime(p_.doc.grid().textMatrix(row, 1));
    const QString shown = start.left(start.startsWith(u'-') ? 12 : 11);
    if (!shown.isEmpty() && row > 0) p_.main().scriptPlayer.Label24.setCaption(shown);
}

void EditArea::PlaceEditor(EditorTab& editor) {
    PlaceEditorBox(editor);
    editor.rtfEdit.setText(editor.basic.rtfSubEditBasic.text());
}

// Over the cell where the grid draws it.
void EditArea::PlaceEditorBox(EditorTab& editor) {
    const platform::Grid& g = editor.grdSubEdit;
    editor.rtfEdit.move(g.left() + g.cellLeft(), g.top() + g.cellTop(), g.cellWidth(),
                        g.cellHeight());
}

// Below and right of the cell; moved left when it would pass the grid's width
// and above the cell when it would pass the grid's bottom.
void EditArea::PlaceBalloon(EditorTab& editor, int row) {
    const QString message = p_.diag.DiagMsg(row);
    platform::PictureBox& balloon = editor.errExp;
    if (message.isEmpty()) {
        balloon.setVisible(false);
        return;
    }
    const platform::Grid& g = editor.grdSubEdit;
    int top = g.top() + g.cellTop() + g.cellHeight() + BalloonGap;
    int left = g.left() + g.cellLeft() + g.cellWidth() + BalloonGap;
    if (g.width() - balloon.width() < left) left = g.width() - balloon.width();
    if (top + g.cellHeight() + balloon.height() - g.top() > g.height())
        top = g.top() + g.cellTop() - balloon.height() - BalloonGap;
    balloon.move(left, top);
    editor.lblErrExp.setCaption(message);
    balloon.setVisible(true);
    balloon.zOrder(0);
}

// With the script setting ticked the in-cell editor covers only the number and
// time columns; unticked it covers every cell; greyed it stays as it was.
void EditArea::ApplyEditorVisibility(EditorTab& editor, int col) {
    switch (p_.settings().Check6[0].value()) {
    case platform::CheckBox::Checked:
        editor.rtfEdit.setVisible(col < FirstTextCol);
        break;
    case platform::CheckBox::Unchecked:
        editor.rtfEdit.setVisible(true);
        break;
    default:
        break;
    }
}

// At the right end of a number or time cell of a line, inside the cell: the
// next cell stays readable.
void EditArea::PlaceCalcButton(EditorTab& editor, int row, int col) {
    const platform::Grid& g = editor.grdSubEdit;
    platform::Label& calc = editor.cmdInvCalc;
    if (row < g.rows() - 1 && col < FirstTextCol) {
        calc.move(g.left() + g.cellLeft() + g.cellWidth() - calc.width(), g.top() + g.cellTop());
        calc.setVisible(true);
        calc.zOrder(0);
    } else {
        calc.setVisible(false);
    }
}

// Beside a row that can start a part: neither the first nor the last line.
void EditArea::PlaceNodeButton(EditorTab& editor, int row) {
    const platform::Grid& g = editor.grdSubEdit;
    platform::Label& node = editor.btnNode[0];
    if (row > 1 && row < g.rows() - 2) {
        // At the right of the line number, which it leaves readable.
        node.move(g.left() + g.colWidth(0) - node.width(), g.top() + g.cellTop());
        node.setVisible(true);
    } else {
        node.setVisible(false);
    }
}

// Header and spare row: no line to work on. Delete leaves at least one line,
// since Insert needs a line to insert before.
void EditArea::EnableBasicButtons(BasicTab& basic, int row) {
    const int rows = p_.doc.grid().rows();
    if (row > rows - 2 || row < 1) {
        for (platform::Label* b : {&basic.Command10, &basic.Command11, &basic.Command14})
            b->setEnabled(false);
        return;
    }
    basic.Command10.setEnabled(true);
    basic.Command14.setEnabled(true);
    basic.Command11.setEnabled(rows - 2 > 1);
}

void EditArea::subShowSubtitle(const QString& text, int index) {
    const int line = p_.doc.CurLine;
    const FontSpec fields = SplitFontSpec(p_.doc.lstFont.value(line));
    frmMain& m = p_.main();
    m.scriptPlayer.lblSubRowCount.setCaption(Str(line) + '/' + Str(p_.doc.lineCount()));
    if (m.scriptPlayer.Label23.contains(index)) {
        platform::Label& shown = m.scriptPlayer.Label23[index];
        const StyleWords words = StyleWords::of(p_.texts);
        shown.setFontBold(StyleHas(fields.style, words.bold));
        shown.setFontItalic(StyleHas(fields.style, words.italic));
        shown.setCaption(platform::ShownStart(runtime::LTrim(text)));
    }
    auto& lists = m.editor.font.Combo9;
    SelectMatching(lists[0], fields.family, lists[0].listCount());
    SelectMatching(lists[1], fields.style, 4); // the first four are the styles a font entry names
}

void EditArea::EditorCellSelect() {
    const platform::Grid& g = p_.doc.grid();
    p_.doc.CurLine = g.row();
    SearchIndex = g.row();
    p_.macro.SetMacroAction(TrimStr(g.col()) + ',' + TrimStr(g.row()), 549);
}

// ---- Grid and in-cell editor events -----------------------------------------

void EditArea::GridKeyPress(int& keyAscii) {
    if (keyAscii != platform::KeyReturn) return;
    platform::RichTextBox& editor = p_.main().editor.rtfEdit;
    FocusWholeText(editor);
}

void EditArea::GridScroll() {
    EditorTab& editor = p_.main().editor;
    editor.rtfEdit.setVisible(false);
    editor.cmdInvCalc.setVisible(false);
    editor.btnNode[0].setVisible(false);
    editor.errExp.setVisible(false);
}

void EditArea::GridColResize() {
    EditorTab& editor = p_.main().editor;
    const platform::Grid& g = editor.grdSubEdit;
    PlaceEditorBox(editor);
    if (editor.errExp.visible()) PlaceBalloon(editor, g.row());
    if (editor.cmdInvCalc.visible()) PlaceCalcButton(editor, g.row(), g.col());
}

void EditArea::EditChange() {
    EditorTab& editor = p_.main().editor;
    editor.basic.rtfSubEditBasic.setText(editor.rtfEdit.text());
}

void EditArea::EditKeyPress(int& keyAscii) {
    EditorTab& editor = p_.main().editor;
    switch (keyAscii) {
    case platform::KeyTab:
        if (editor.grdSubEdit.col() < FirstTextCol) p_.calc.InvokeCalcFromBasic();
        break;
    case platform::KeyReturn:
        EnterBasicText();
        editor.grdSubEdit.setFocus();
        break;
    case platform::KeyEscape:
        editor.grdSubEdit.setFocus();
        break;
    default:
        break;
    }
}

// Enter in either text field changes the cell. While a macro is recorded
// the text's line ("Basic.Text", after the cell it is typed in) is written
// before the change's, so that the replay changes the same cell; a recording
// never throws away what the user typed.
void EditArea::EnterBasicText() {
    p_.macro.SetMacroAction(p_.main().editor.basic.rtfSubEditBasic.text(), 505);
    p_.macro.RecordNow();
    BasicChangeCell();
}

// ---- The Basic text field ---------------------------------------------------

void EditArea::BasicTextChange() {
    BasicTab& basic = p_.main().editor.basic;
    basic.Command47.setEnabled(!Trim(basic.rtfSubEditBasic.text()).isEmpty());
}

void EditArea::BasicTextGotFocus() {
    EditorTab& editor = p_.main().editor;
    SelectWholeText(editor.basic.rtfSubEditBasic);
    editor.rtfEdit.setText(editor.basic.rtfSubEditBasic.text());
}

void EditArea::BasicTextKeyPress(int& keyAscii) {
    if (keyAscii == platform::KeyReturn) EnterBasicText();
}
