#include "tools/PartitionTab.h"

#include "document/Formats.h"
#include "shell/LabelButton.h"
#include "shell/Picker.h"
#include "shell/Program.h"
#include "tools/TimingTools.h"

#include <array>

namespace {

// The span list's columns: the number, the file name and the length.
constexpr int SpanCols = 3;
constexpr int Margin = 120, ListTop = 780, ListWidth = 5055, ListHeight = 3195;
constexpr int FormatTop = 4110, PreviewTop = 4470, ButtonHeight = 255;
constexpr int RightLeft = 5400, RightWidth = 4680;
// Their widths: the name takes what the length and 654 twips leave.
constexpr int NumberWidth = 650, LengthWidth = 1200, NameRest = 654;

// The formats as the macro language names them, in format-number order.
constexpr std::array<const char*, 16> MacroFormatNames = {"DVD Subtitle",
                                                          "JACOSub 2.7+",
                                                          "MicroDVD",
                                                          "Phoenix Japanimation",
                                                          "PowerDivX",
                                                          "RealTime",
                                                          "SAMI",
                                                          "SonicDVD",
                                                          "SubRip",
                                                          "SubStation Alpha",
                                                          "SubViewer 1.0",
                                                          "SubViewer 2.0",
                                                          "TMPlayer",
                                                          "Turbotitler",
                                                          "ViPlay Subtitle File",
                                                          "Zero G"};

} // namespace

PartitionTab::PartitionTab(Program& p, platform::Container& page)
    : Label6(page, "Label6", "Partition list"), grid(page, "grid", 2, SpanCols),
      rtfSplitEdit(page, "rtfSplitEdit"), cmdInvSplitCalc(page, "cmdInvSplitCalc", "="),
      Label31(page, "Label31", ">>"), Label36(page, "Label36", "Format"),
      combo3(page, "combo3", platform::ComboBox::DropDownList), command5(page, "command5", "Go"),
      command6(page, "command6", "Delete"), Label66(page, "Label66", "Clear"),
      command28(page, "command28"), Label7(page, "Label7"), txtPreview(page, "txtPreview", true),
      Label8(page, "Label8", "Written files"), List2(page, "List2"), p_(p) {
    command29.add(page, "command29", 0, "Previous");
    command29.add(page, "command29", 1, "Next");
    place();
    ClosePicker(Label31, combo3);
    FillFormatList();
    HeadSpanList();
    wire();
    registerCommands();
    EnableListButtons();
}

void PartitionTab::place() {
    placeSpanList();
    Label31.move(Margin, FormatTop, 375, ButtonHeight);
    Label31.setToolTipText("Output format");
    Label36.move(Margin + 420, FormatTop - 30, 2055, 315);
    Label36.setBorderStyle(1);
    combo3.move(Margin + 420, FormatTop - 30, 2055, 315);
    command5.move(2700, FormatTop, 780, ButtonHeight);
    command5.setToolTipText("Write one subtitle file per part beside the current file");
    command6.move(3540, FormatTop, 780, ButtonHeight);
    command6.setToolTipText("Delete the chosen part from the list");
    Label66.move(4380, FormatTop, ListWidth + Margin - 4380, ButtonHeight);
    Label66.setToolTipText("Delete every part from the list");
    command28.move(Margin, PreviewTop, 972, ButtonHeight);
    command28.setCaption(p_.texts.TextTable(0, 0));
    command28.setToolTipText(p_.texts.TextDescTable(0, 0));
    Label8.move(RightLeft, Label6.top(), RightWidth, ButtonHeight);
    List2.move(RightLeft, ListTop, RightWidth, ListHeight);
    placePreview();
    for (platform::Label* b : {&Label31, &command5, &command6, &Label66, &command28})
        MakeLabelButton(*b);
}

void PartitionTab::placeSpanList() {
    Label6.move(Margin, 480, ListWidth, ButtonHeight);
    grid.move(Margin, ListTop, ListWidth, ListHeight);
    grid.setFixedRows(1);
    grid.setFixedCols(1);
    rtfSplitEdit.move(Margin, ListTop, 1200, 240);
    rtfSplitEdit.setToolTipText("Enter stores the text in the chosen cell");
    cmdInvSplitCalc.move(Margin, ListTop, ButtonHeight, 240);
    cmdInvSplitCalc.setToolTipText("Calculator");
    cmdInvSplitCalc.setAlignment(2);
    cmdInvSplitCalc.setBorderStyle(1);
    for (platform::Control* c : {static_cast<platform::Control*>(&rtfSplitEdit),
                                 static_cast<platform::Control*>(&cmdInvSplitCalc)}) {
        c->setVisible(false);
        c->zOrder(0);
    }
}

// Shown in preview mode only.
void PartitionTab::placePreview() {
    for (int i : {0, 1}) {
        command29[i].move(2220 + i * 1020, PreviewTop, 960, ButtonHeight);
        MakeLabelButton(command29[i]);
    }
    command29[0].setToolTipText("Preview the previous part");
    command29[1].setToolTipText("Preview the next part");
    Label7.move(RightLeft, Label6.top(), RightWidth, ButtonHeight);
    txtPreview.move(RightLeft, ListTop, RightWidth,
                    ListHeight + PreviewTop + ButtonHeight - ListTop - ListHeight);
    txtPreview.setLocked(true);
    ShowPreviewControls(false);
}

void PartitionTab::wire() {
    grid.onRowColChange = [this] { ShowSpanListItem(); };
    grid.onKeyPress = [this](int& key) { SpanListKeyPress(key); };
    grid.onScroll = [this] { SpanListScroll(); };
    rtfSplitEdit.onKeyPress = [this](int& key) { SpanEditKeyPress(key); };
    cmdInvSplitCalc.onClick = [this] { p_.calc.InvokeCalcFromPartition(); };
    Label31.onClick = [this] { PartitionFormatSelectToggle(); };
    combo3.onClick = [this] { PartitionFormatChosen(); };
    command5.onClick = [this] { PartitionGo(); };
    command6.onClick = [this] { PartitionDelete(); };
    Label66.onClick = [this] { PartitionClear(); };
    command28.onClick = [this] { PartitionPreview(); };
    command29.onClick([this](int index) { PartitionPreviewStep(index); });
}

void PartitionTab::FillFormatList() {
    combo3.clear();
    for (int f = 1; f <= formats::FormatCount; ++f)
        combo3.addItem(formats::ListName(f));
    combo3.setListIndex(0);
}

void PartitionTab::HeadSpanList() {
    grid.setTextMatrix(0, 0, QStringLiteral("#"));
    grid.setTextMatrix(0, 1, p_.texts.TextTable(4, 14));
    grid.setTextMatrix(0, 2, p_.texts.TextTable(4, 15));
    grid.setColWidth(0, NumberWidth);
    grid.setColWidth(2, LengthWidth);
    grid.setColWidth(1, grid.width() - LengthWidth - NameRest);
}

void PartitionTab::PartitionFormatSelectToggle() {
    TogglePicker(Label31, combo3);
    p_.macro.SetMacroAction(QString(), 422);
}

// A choice from the open list closes it and is reported. A load sets the
// format of the file it reads: that only shows the name, so a recorded macro
// gets the load and not a format choice.
void PartitionTab::PartitionFormatChosen() {
    Label36.setCaption(combo3.text());
    if (p_.doc.EditorBlocked || Label31.caption() != QStringLiteral("<<")) return;
    PartitionFormatSelectToggle();
    p_.macro.SetMacroAction(QString(), 405 + combo3.listIndex());
}

void PartitionTab::registerCommands() {
    CommandRegistry& c = p_.commands;
    c.add(QStringLiteral("Partition.Preview"), 401, [this] { PartitionPreview(); });
    c.add(QStringLiteral("Partition.Delete"), 402, [this] { PartitionDelete(); });
    c.add(QStringLiteral("Partition.Clear"), 403, [this] { PartitionClear(); });
    c.add(QStringLiteral("Partition.Go"), 404, [this] { PartitionGo(); });
    for (int i = 0; i < static_cast<int>(MacroFormatNames.size()); ++i)
        c.add(QStringLiteral("Partition.Set.") + QString::fromLatin1(MacroFormatNames[i]), 405 + i,
              [this, i] {
                  combo3.setListIndex(i);
                  p_.macro.SetMacroAction(QString(), 405 + i);
              });
    c.add(QStringLiteral("Partition.Cel.Value"), 421, [this](const QString& data) {
        rtfSplitEdit.setText(data);
        StoreSpanEdit();
    });
    c.add(QStringLiteral("Partition.Format.Select"), 422,
          [this] { PartitionFormatSelectToggle(); });
    c.add(QStringLiteral("Partition.Preview.Exit"), 423, [this] {
        if (previewMode()) PartitionPreview();
    });
}
