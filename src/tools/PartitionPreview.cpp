// Writing the parts: Go beside the current file, Preview into the scratch
// folder with the step buttons showing one part at a time.

#include "document/Formats.h"
#include "document/MessageWindow.h"
#include "shell/Program.h"
#include "tools/Partition.h"
#include "tools/PartitionTab.h"

namespace {
constexpr int NormalWidth = 972, PreviewWidth = 1995;
} // namespace

bool PartitionTab::previewMode() const {
    return command28.caption() == p_.texts.TextTable(0, 1);
}

// Go writes what the span field shows: a text typed without Enter is stored
// first, as Enter would, and recorded so before the Go.
void PartitionTab::PartitionGo() {
    if (rtfSplitEdit.visible() && rtfSplitEdit.text() != grid.text()) {
        StoreSpanEdit();
        p_.macro.RecordPending();
    }
    p_.macro.SetMacroAction(QString(), 404);
    if (!CheckBeforeWriting(false)) return;
    p_.files.CreateSubFile(false, true, format(), 1, p_.doc.lineCount(), false);
}

// The list is checked whole before anything is written. Parts go into the
// current file's folder, so Go needs a current file.
bool PartitionTab::CheckBeforeWriting(bool preview) {
    const std::vector<partition::SpanItem> items = partition::SpanItems(grid);
    if (items.empty()) return true; // nothing to write
    if (!formats::IsSubtitleFormat(format())) {
        Refuse(p_.texts.Say("Choose the output format first. Nothing was written."));
        return false;
    }
    if (!preview && p_.files.CurFileName.isEmpty()) {
        Refuse(p_.texts.Say("There is no current file: the parts are written into its folder. "
                            "Load or save the subtitle file first. Nothing was written."));
        return false;
    }
    const QString problem = partition::CheckSpanItems(p_.texts, items, format(), !preview);
    if (problem.isEmpty()) return true;
    Refuse(p_.texts.Say("%1 Nothing was written.", problem));
    return false;
}

void PartitionTab::Refuse(const QString& why) {
    p_.messages.ShowMessage(why, KindExclamation, QStringLiteral("ok"),
                            QStringLiteral("Partition"));
}

void PartitionTab::PartitionPreview() {
    if (command28.caption() == p_.texts.TextTable(0, 0))
        EnterPreview();
    else if (previewMode())
        LeavePreview();
}

// The previews are written first; when they cannot be, the tab stays as it was.
void PartitionTab::EnterPreview() {
    if (!CheckBeforeWriting(true)) return;
    partition::DeletePreviewFiles(p_.folder); // an old preview never stands in for a part
    if (!p_.files.CreateSubFile(true, true, format(), 1, p_.doc.lineCount(), false)) return;
    ShowEditControls(false);
    listTitle_ = Label6.caption();
    Label6.setCaption(p_.texts.TextTable(0, 0));
    command28.setWidth(PreviewWidth);
    command28.setCaption(p_.texts.TextTable(0, 1));
    command28.setToolTipText(p_.texts.TextDescTable(0, 1));
    Label7.setCaption(QString());
    txtPreview.setText(QString());
    ShowPreviewControls(true);
    grid.setRow(0);
    PartitionPreviewStep(1);
    p_.macro.SetMacroAction(QString(), 401);
}

void PartitionTab::LeavePreview() {
    ShowPreviewControls(false);
    command28.setWidth(NormalWidth);
    command28.setCaption(p_.texts.TextTable(0, 0));
    command28.setToolTipText(p_.texts.TextDescTable(0, 0));
    txtPreview.setText(QString());
    Label6.setCaption(listTitle_);
    ShowEditControls(true);
    partition::DeletePreviewFiles(p_.folder);
    ShowSpanListItem();
    p_.macro.SetMacroAction(QString(), 423);
}

void PartitionTab::ShowEditControls(bool on) {
    for (platform::Control* c : std::initializer_list<platform::Control*>{
             &rtfSplitEdit, &Label8, &List2, &command5, &command6, &Label36, &Label31, &Label66})
        c->setVisible(on);
    combo3.setVisible(on && Label31.caption() == QStringLiteral("<<"));
    if (!on) cmdInvSplitCalc.setVisible(false);
}

void PartitionTab::ShowPreviewControls(bool on) {
    for (platform::Control* c : std::initializer_list<platform::Control*>{
             &command29[0], &command29[1], &Label7, &txtPreview})
        c->setVisible(on);
}

// Index 1 shows the next part, 0 the previous one; at either end nothing
// changes. A part whose preview file is missing or empty shows an empty text.
void PartitionTab::PartitionPreviewStep(int index) {
    if (index != 0 && index != 1) return;
    grid.setCol(1);
    const int row = grid.row();
    if (index == 1 && row < grid.rows() - 2)
        grid.setRow(row + 1);
    else if (index == 0 && row >= 2)
        grid.setRow(row - 1);
    else
        return;
    const int item = grid.row();
    Label7.setCaption(partition::PreviewCaption(item, grid.text(), formats::Name(format())));
    txtPreview.setText(partition::ReadPreview(partition::PreviewFile(p_.folder, item)));
}
