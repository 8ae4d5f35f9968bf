#pragma once
// The Partition tab of the main window: the span list (one item a part: its
// number, the file name it writes and its length), the output format, and the
// buttons that write the parts beside the current file (Go) or preview them
// one at a time from the scratch folder (Preview, then the step buttons).

#include "platform/ComboBox.h"
#include "platform/ControlArray.h"
#include "platform/Grid.h"
#include "platform/Label.h"
#include "platform/ListBox.h"
#include "platform/RichTextBox.h"
#include "platform/TextBox.h"

class Program;

class PartitionTab {
public:
    PartitionTab(Program& p, platform::Container& page);

    // The span list: rows 1 to Rows - 2 are the parts (column 0 the number,
    // column 1 the part's file name, column 2 its length as a time code); the
    // last row stays spare. rtfSplitEdit lies over the chosen cell and stores
    // into it on Enter; cmdInvSplitCalc sits beside a chosen length.
    platform::Label Label6; // the list's title; "Preview" in preview mode
    platform::Grid grid;
    platform::RichTextBox rtfSplitEdit;
    platform::Label cmdInvSplitCalc;

    // The output format: the sixteen format names in format-number order; its
    // list index + 1 is the format the parts are written in. Label31 opens
    // and closes the list; Label36 shows the chosen format.
    platform::Label Label31;
    platform::Label Label36;
    platform::ComboBox combo3;

    platform::Label command5;  // Go
    platform::Label command6;  // Delete: enabled while the list has items
    platform::Label Label66;   // Clear: enabled while the list has items
    platform::Label command28; // Preview / Preview.Exit: its caption is the mode

    // Preview mode: the step buttons (0 previous, 1 next part), the part's
    // caption and its preview file.
    platform::ControlArray<platform::Label> command29;
    platform::Label Label7;
    platform::TextBox txtPreview;

    // The part files the last Go wrote, by name without folder.
    platform::Label Label8;
    platform::ListBox List2;

    // The sixteen names, the first chosen ("Substation Alpha" is spelt so
    // in this list).
    void FillFormatList();
    // Row 0 "#", file name, length; the number 650 twips wide, the length
    // 1200, the name the rest.
    void HeadSpanList();

    // Handlers.
    void ShowSpanListItem();
    void SpanListKeyPress(int& keyAscii);
    void SpanListScroll();
    void SpanEditKeyPress(int& keyAscii);
    void PartitionFormatSelectToggle();
    void PartitionFormatChosen();
    void PartitionGo();
    void PartitionDelete();
    void PartitionClear();
    void PartitionPreview();
    void PartitionPreviewStep(int index);

    bool previewMode() const;
    // The chosen output format (1..16; 0 when none is chosen).
    int format() const { return combo3.listIndex() + 1; }

private:
    void place();
    void placeSpanList();
    void placePreview();
    void wire();
    void registerCommands();
    void StoreSpanEdit();
    void EnableListButtons();
    bool CheckBeforeWriting(bool preview);
    void EnterPreview();
    void LeavePreview();
    void ShowEditControls(bool on);
    void ShowPreviewControls(bool on);
    void Refuse(const QString& why);

    Program& p_;
    QString listTitle_; // Label6's caption while preview mode shows its own
};
