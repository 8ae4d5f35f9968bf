#include "tools/FontTab.h"

#include "document/FontSpec.h"
#include "platform/Grid.h"
#include "runtime/Numbers.h"
#include "shell/LabelButton.h"
#include "shell/Picker.h"
#include "shell/Program.h"
#include "tools/SearchTab.h"
#include "tools/TimingTools.h"

namespace {
constexpr int NameList = 0, StyleList = 1;
constexpr int Margin = 120, PickerLeft = 780, ValueLeft = 1200, ValueWidth = 2055;
constexpr int NameTop = 480, StyleTop = 900, ButtonHeight = 255;
const QString Tool = QStringLiteral("Font");
} // namespace

FontTab::FontTab(Program& p, platform::Container& page)
    : Label25(page, "Label25", "Font"), Label28(page, "Label28", "Type"), Label42(page, "Label42"),
      Label43(page, "Label43"), Command42(page, "Command42", "Go"), Label20(page, "Label20", ">>"),
      Label44(page, "Label44", ">>"), p_(p) {
    Combo9.add(page, "Combo9", NameList, platform::ComboBox::DropDownList);
    Combo9.add(page, "Combo9", StyleList, platform::ComboBox::DropDownList);
    Label48.add(page, "Label48", 0);
    Label48.add(page, "Label48", 1);
    place();
    ClosePicker(Label20, Combo9[NameList]);
    ClosePicker(Label44, Combo9[StyleList]);
    Label20.onClick = [this] { FontNamePickerToggle(); };
    Label44.onClick = [this] { FontTypePickerToggle(); };
    Combo9.onClick([this](int index) { FontSelect(index); });
    Command42.onClick = [this] { FontGo(); };
    registerCommands();
}

void FontTab::place() {
    const int tops[] = {NameTop, StyleTop};
    platform::Label* captions[] = {&Label25, &Label28};
    platform::Label* pickers[] = {&Label20, &Label44};
    platform::Label* values[] = {&Label42, &Label43};
    for (int i : {NameList, StyleList}) {
        captions[i]->move(Margin, tops[i] + 30, PickerLeft - Margin - 60, ButtonHeight);
        pickers[i]->move(PickerLeft, tops[i] + 30, 375, ButtonHeight);
        values[i]->move(ValueLeft, tops[i], ValueWidth, 315);
        values[i]->setBorderStyle(1);
        Combo9[i].move(ValueLeft, tops[i], ValueWidth, 315);
        Label48[i].move(ValueLeft + ValueWidth + 105, tops[i] + 30, 1455, ButtonHeight);
    }
    Command42.move(3840, 1320, 975, ButtonHeight);
    Command42.setToolTipText("Give the current line this font and style");
    for (platform::Label* b : {&Label20, &Label44, &Command42})
        MakeLabelButton(*b);
}

void FontTab::FontNamePickerToggle() {
    TogglePicker(Label20, Combo9[NameList]);
}
void FontTab::FontTypePickerToggle() {
    TogglePicker(Label44, Combo9[StyleList]);
}

// The choice shows in the value label. A choice from the open list closes
// it; the current-line display choosing by code leaves a closed list closed,
// and a load leaves the lists as they are.
void FontTab::FontSelect(int index) {
    if (index != NameList && index != StyleList) return;
    platform::Label& value = index == NameList ? Label42 : Label43;
    platform::Label& picker = index == NameList ? Label20 : Label44;
    value.setCaption(Combo9[index].text());
    if (p_.doc.EditorBlocked || picker.caption() != QStringLiteral("<<")) return;
    if (index == NameList)
        FontNamePickerToggle();
    else
        FontTypePickerToggle();
}

// The current line takes the chosen name and style with the Western script;
// its size stays (a line without one gets the default size).
void FontTab::FontGo() {
    p_.macro.SetMacroAction(QString(), 514);
    const int row = p_.doc.grid().row();
    if (!CheckFontGo(row)) return;
    if (!p_.history.SaveSnapshot(QStringLiteral("Changed Font"),
                                 QStringLiteral("[From: ") + Label42.caption() +
                                     QStringLiteral("] [To: ") + Label43.caption() +
                                     QLatin1Char(']')))
        return;
    QStringList& fonts = p_.doc.lstFont;
    while (fonts.size() <= row)
        fonts.append(QString());
    // A list the format does not use, or with nothing chosen, keeps the
    // line's own name or style (or the default one).
    const FontSpec own = FontSpec::parse(fonts[row]);
    const FontSpec fallback = FontSpec::parse(p_.doc.DefaultFontSpec());
    const auto chosen = [this](int list, const QString& kept, const QString& otherwise) {
        if (Combo9[list].listIndex() >= 0) return Combo9[list].text();
        return kept.isEmpty() ? otherwise : kept;
    };
    const QString size = own.size.isEmpty() ? fallback.size : own.size;
    const QString entry = FontSpec::western(chosen(NameList, own.family, fallback.family),
                                            chosen(StyleList, own.style, fallback.style), size)
                              .text();
    if (fonts[row] != entry) {
        fonts[row] = entry;
        p_.doc.FileChanged = true; // a font is kept in the file by the formats that carry one
    }
    p_.edit.ShowCurrentLine();
}

// Go needs a line of the document as the current row and a name and style
// where the format carries them.
bool FontTab::CheckFontGo(int row) {
    const int lines = p_.doc.lineCount();
    if (row < 1 || row > lines) {
        timing::Refuse(p_, Tool,
                       lines < 1 ? p_.texts.Say("The document has no lines.")
                                 : p_.texts.Say("Row %1 is no line of the document: choose a "
                                                "line from 1 to %2 in the grid first.",
                                                runtime::TrimStr(row), runtime::TrimStr(lines)));
        return false;
    }
    // Only the lists the file's format uses need a choice.
    const bool needsName = Combo9[NameList].enabled() && Combo9[NameList].listIndex() < 0;
    const bool needsStyle = Combo9[StyleList].enabled() && Combo9[StyleList].listIndex() < 0;
    if (needsName || needsStyle) {
        timing::Refuse(p_, Tool, QStringLiteral("Choose a font and a type first."));
        return false;
    }
    return true;
}

void FontTab::registerCommands() {
    p_.commands.add(QStringLiteral("Editor.Font.Go"), 514, [this] { FontGo(); });
    AddVariableCommand(p_, "Editor.mcrVar.Set.Font.Name", 554,
                       [this] { return Label42.caption(); });
    AddVariableCommand(p_, "Editor.mcrVar.Set.Font.Type", 555,
                       [this] { return Label43.caption(); });
}
