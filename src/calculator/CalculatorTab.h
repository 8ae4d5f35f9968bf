#pragma once
// The Calculator tab of the main window: the advanced (tablet) and classic
// calculators on the sub-tabs of tabCalculator, and the frame-rate options
// below them.
//
// Advanced: the tablet list List11 (picker Label65, the current tablet's name
// Label64, Tablet.New Label14), the kind list cmbCalcAdvFuncSelect (picker
// Label16, the chosen kind Label35), the cell address lblAdvCalc, the input
// box rtfCalcAdvDataInput with Enter and Clip, and the grid Calc with its
// in-cell editor rtfCalc. Classic: operands A and B in four boxes each
// (hours, minutes, seconds, thousandths), the result in four labels and in
// frames, the operation buttons, the history List3 and its Date and Time
// boxes.

#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/ControlArray.h"
#include "platform/FileList.h"
#include "platform/Grid.h"
#include "platform/Label.h"
#include "platform/ListBox.h"
#include "platform/OptionButton.h"
#include "platform/RichTextBox.h"
#include "platform/TabStrip.h"

class Program;

class CalculatorTab {
public:
    CalculatorTab(Program& p, platform::Container& page);

    enum SubTab { TabAdvanced, TabClassic };
    // The kinds of cell, in the order of the kind list.
    enum Kind { KindFunction, KindTimecode, KindValue, KindText, KindConvert };
    // The classic calculator's operations (Command1) and clips (Command3).
    enum Operation { AplusB, AminusB, BminusA, Cancel };
    enum Clip { ClipTime, ClipFrames };

    platform::TabStrip tabCalculator;

    // ---- Advanced ------------------------------------------------------------------
    platform::Label Label65; // tablet list picker
    platform::Label Label64; // the current tablet's name
    platform::Label Label14; // Tablet.New
    platform::Label Label16; // kind list picker
    platform::Label Label35; // the chosen kind
    platform::Label lblAdvCalc;
    platform::RichTextBox rtfCalcAdvDataInput;
    platform::Label cmdExecCalcData;
    platform::Label cmdAdvCalcClipIt;
    platform::Grid Calc;
    platform::RichTextBox rtfCalc;
    platform::ListBox List11;
    platform::ComboBox cmbCalcAdvFuncSelect;
    platform::FileListBox File3;

    // ---- Classic ---------------------------------------------------------------------
    platform::ControlArray<platform::Label> Label2; // hours, minutes, seconds, x/1000
    platform::ControlArray<platform::Label> Label3; // A, B, Result, History
    platform::ControlArray<platform::RichTextBox> rtfCalcClassicA;
    platform::ControlArray<platform::RichTextBox> rtfCalcClassicB;
    platform::ControlArray<platform::Label> lblCalcResult; // 0..3 the time, 4 frames
    platform::ControlArray<platform::Label> Command1;      // A + B, A - B, B - A, Cancel
    platform::Label Command21;                             // Reset
    platform::Label CalcClear;
    platform::ControlArray<platform::Label> Command3; // Clip.T, Clip.F
    platform::CheckBox Check1;
    platform::CheckBox Check2;
    platform::ListBox List3;
    // 23.970, 24.000, 25.000, 29.970, 30.000
    platform::ControlArray<platform::OptionButton> optFrameRate;

    // The five kinds of cell: function, time code, value, text, convert.
    void FillFunctionKinds();
    // Column 0 numbers the rows, columns 1 to 26 are headed "A" to "Z".
    void HeadCalcGrid();

    // ---- Advanced handlers -----------------------------------------------------
    void CalcAdvancedEnter();
    void CalcAdvancedShowCell();
    void CalcAdvancedClip();
    void CalcFunctionSelectToggle();
    void CalcTabletListToggle();
    void FunctionKindClick();
    void CalcClick();
    void CalcKeyPress(int& keyAscii);
    void CalcScroll();
    void CalcEditChange();
    void CalcEditKeyPress(int& keyAscii);
    void CalcInputKeyPress(int& keyAscii);
    void ReportEnterKey(const QString& text);
    // "x,y": a column letter (either case) and a row number.
    void SelectCell(const QString& data);

    // ---- Classic handlers ------------------------------------------------------
    void CalcClassicCompute(int index);
    void CalcClassicReset();
    void CalcClassicClear();
    void CalcClassicClip(int index);
    void DateBoxClick();
    void TimeBoxClick();
    void ClassicBoxKeyPress(int field, int index, int& keyAscii);
    void FrameRateClick(int index);
    // The time the result labels show, "hh:mm:ss,fff".
    QString ResultTime() const;

    // The frame rate of the option that is on ("" when none is).
    QString ChosenFrameRate() const;
    void tabCalculatorChange();

private:
    void createAdvanced(platform::Container& page);
    void createClassic(platform::Container& page);
    void placeAdvanced();
    void placeClassic();
    void placeClassicButtons();
    void wireAdvanced();
    void wireClassic();
    void registerCommands();
    void registerAdvancedCommands();
    void registerClassicCommands();
    void registerClassicStores();
    void PlaceCellEditor();
    void StoreInput(int row, int col);
    QString ShowKindOf(int row, int col);
    void ShowFrames(const QString& time);
    void AddHistory(const QString& line);
    void StoreMcrVar(const QString& data, const QString& value, int code);

    Program& p_;
    bool showingCell_ = false;
};
