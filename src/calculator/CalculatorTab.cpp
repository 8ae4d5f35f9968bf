#include "calculator/CalculatorTab.h"

#include "document/WholeText.h"
#include "runtime/Numbers.h"
#include "shell/LabelButton.h"
#include "shell/Picker.h"
#include "shell/Program.h"

namespace {
constexpr int GridRows = 51, GridCols = 27; // the heading row and column included
constexpr int GridLeft = 120, GridTop = 1320, GridWidth = 9735, GridHeight = 2655;
constexpr int FieldLeft = 1200, FieldPitch = 900, FieldWidth = 855, FieldHeight = 315;
constexpr int RowA = 780, RowB = 1200, RowResult = 1620;
constexpr int ButtonWidth = 1095, ButtonHeight = 255;
} // namespace

CalculatorTab::CalculatorTab(Program& p, platform::Container& page)
    : tabCalculator(page, "tabCalculator", {"&Advanced", "C&lassic"}),
      Label65(tabCalculator.page(TabAdvanced), "Label65", ">>"),
      Label64(tabCalculator.page(TabAdvanced), "Label64", "Default Tablet"),
      Label14(tabCalculator.page(TabAdvanced), "Label14", "Tablet.New"),
      Label16(tabCalculator.page(TabAdvanced), "Label16", ">>"),
      Label35(tabCalculator.page(TabAdvanced), "Label35"),
      lblAdvCalc(tabCalculator.page(TabAdvanced), "lblAdvCalc", "A1 [Row: 1, Col: 1]"),
      rtfCalcAdvDataInput(tabCalculator.page(TabAdvanced), "rtfCalcAdvDataInput"),
      cmdExecCalcData(tabCalculator.page(TabAdvanced), "cmdExecCalcData", "Enter"),
      cmdAdvCalcClipIt(tabCalculator.page(TabAdvanced), "cmdAdvCalcClipIt", "Clip"),
      Calc(tabCalculator.page(TabAdvanced), "Calc", GridRows, GridCols),
      rtfCalc(tabCalculator.page(TabAdvanced), "rtfCalc"),
      List11(tabCalculator.page(TabAdvanced), "List11"),
      cmbCalcAdvFuncSelect(tabCalculator.page(TabAdvanced), "cmbCalcAdvFuncSelect",
                           platform::ComboBox::DropDownList),
      File3(tabCalculator.page(TabAdvanced), "File3"),
      Command21(tabCalculator.page(TabClassic), "Command21", "Reset"),
      CalcClear(tabCalculator.page(TabClassic), "CalcClear", "Clear"),
      Check1(tabCalculator.page(TabClassic), "Check1", "Date"),
      Check2(tabCalculator.page(TabClassic), "Check2", "Time"),
      List3(tabCalculator.page(TabClassic), "List3"), p_(p) {
    tabCalculator.move(120, 420, 9975, 4095);
    createAdvanced(tabCalculator.page(TabAdvanced));
    createClassic(tabCalculator.page(TabClassic));
    placeAdvanced();
    placeClassic();
    const char* rates[] = {"23.970", "24.000", "25.000", "29.970", "30.000"};
    for (int i = 0; i < 5; ++i)
        optFrameRate.add(page, "optFrameRate", i, QString::fromLatin1(rates[i]))
            .move(120 + i * 1200, 4620, 1095, 255);
    wireAdvanced();
    wireClassic();
    registerCommands();
}

void CalculatorTab::createAdvanced(platform::Container&) {
    for (platform::Label* b : {&Label14, &cmdExecCalcData, &cmdAdvCalcClipIt})
        MakeLabelButton(*b);
    Label14.setToolTipText(QStringLiteral("Create a new tablet"));
    cmdExecCalcData.setToolTipText(QStringLiteral("Execute data"));
    cmdAdvCalcClipIt.setToolTipText(QStringLiteral("Adds current result to clipboard (below)"));
    rtfCalcAdvDataInput.setToolTipText(QStringLiteral("Edit values and data"));
    rtfCalc.setToolTipText(QStringLiteral("Edit values and data"));
    cmbCalcAdvFuncSelect.setToolTipText(QStringLiteral("Select function to use with spreadsheet"));
    List11.setToolTipText(QStringLiteral("Select a tablet"));
    Label64.setBorderStyle(1);
    Label35.setBorderStyle(1);
    lblAdvCalc.setBorderStyle(1);
    File3.setPattern(QStringLiteral("*.sac"));
    File3.setVisible(false);
}

void CalculatorTab::createClassic(platform::Container& page) {
    const char* heads[] = {"Hours", "Min.", "Sec.", "x/1000"};
    const char* tips[] = {"Enter hours", "Enter minutes", "Enter seconds", "Enter x/1000"};
    const char* rows[] = {"A", "B", "Result", "History"};
    for (int i = 0; i < 4; ++i) {
        Label2.add(page, "Label2", i, QString::fromLatin1(heads[i])).setAlignment(2);
        Label3.add(page, "Label3", i, QString::fromLatin1(rows[i]));
        rtfCalcClassicA.add(page, "rtfCalcClassicA", i)
            .setToolTipText(QString::fromLatin1(tips[i]));
        rtfCalcClassicB.add(page, "rtfCalcClassicB", i)
            .setToolTipText(QString::fromLatin1(tips[i]));
    }
    const char* rest[] = {"00:", "00:", "00.", "000", "0000000"};
    for (int i = 0; i < 5; ++i) {
        platform::Label& result =
            lblCalcResult.add(page, "lblCalcResult", i, QString::fromLatin1(rest[i]));
        result.setAlignment(i == 4 ? 1 : 2);
        result.setBorderStyle(1);
        result.setBackColor(platform::SysWindowBackground);
    }
    const char* operations[] = {"A + B", "A - B", "B - A", "Cancel"};
    const char* operationTips[] = {"Increase value A + value B", "Decrease value A - value B",
                                   "Decrease value B + value A", "Cancel"};
    for (int i = 0; i < 4; ++i) {
        platform::Label& b = Command1.add(page, "Command1", i, QString::fromLatin1(operations[i]));
        b.setToolTipText(QString::fromLatin1(operationTips[i]));
        MakeLabelButton(b);
    }
    Command3.add(page, "Command3", ClipTime, QStringLiteral("Clip.T"));
    Command3.add(page, "Command3", ClipFrames, QStringLiteral("Clip.F"));
    for (auto& clip : Command3) {
        clip.setToolTipText(QStringLiteral("Adds current result to clipboard (below)"));
        MakeLabelButton(clip);
    }
    MakeLabelButton(Command21);
    MakeLabelButton(CalcClear);
    Command21.setToolTipText(QStringLiteral("Reset calculator"));
    CalcClear.setToolTipText(QStringLiteral("Clears the history list"));
    Check1.setToolTipText(QStringLiteral("Add date to history list"));
    Check2.setToolTipText(QStringLiteral("Add time to history list"));
}

void CalculatorTab::placeAdvanced() {
    Label65.move(120, 480, 375, 255);
    Label64.move(540, 480, 2775, 255);
    Label14.move(3420, 480, ButtonWidth, ButtonHeight);
    Label16.move(4680, 480, 375, 255);
    Label35.move(5100, 480, 3495, 255);
    cmbCalcAdvFuncSelect.move(5100, 450, 3495, 315);
    lblAdvCalc.move(120, 900, 2295, 315);
    rtfCalcAdvDataInput.move(2520, 900, 5055, 315);
    cmdExecCalcData.move(7680, 930, 975, ButtonHeight);
    cmdAdvCalcClipIt.move(8760, 930, 975, ButtonHeight);
    Calc.move(GridLeft, GridTop, GridWidth, GridHeight);
    Calc.setFixedRows(1);
    Calc.setFixedCols(1);
    List11.move(540, 780, 2775, 1455);
    ClosePicker(Label16, cmbCalcAdvFuncSelect);
    ClosePicker(Label65, List11);
    rtfCalc.setVisible(false);
}

void CalculatorTab::placeClassic() {
    for (int i = 0; i < 4; ++i) {
        const int left = FieldLeft + i * FieldPitch;
        Label2[i].move(left, 480, FieldWidth, 255);
        rtfCalcClassicA[i].move(left, RowA, FieldWidth, FieldHeight);
        rtfCalcClassicB[i].move(left, RowB, FieldWidth, FieldHeight);
        lblCalcResult[i].move(left, RowResult, FieldWidth, FieldHeight);
    }
    Label3[0].move(120, RowA + 30, 975, 255);
    Label3[1].move(120, RowB + 30, 975, 255);
    Label3[2].move(120, RowResult + 30, 975, 255);
    Label3[3].move(120, 2070, 975, 255);
    lblCalcResult[4].move(FieldLeft + 4 * FieldPitch, RowResult, 1500, FieldHeight);
    lblCalcResult[4].setToolTipText(QStringLiteral("Frames"));
    List3.move(120, 2340, 9735, 1635);
    placeClassicButtons();
}

void CalculatorTab::placeClassicButtons() {
    const int left = 5040, pitch = 1215;
    Command1[AplusB].move(left, RowA + 30, ButtonWidth, ButtonHeight);
    Command1[AminusB].move(left + pitch, RowA + 30, ButtonWidth, ButtonHeight);
    Command1[BminusA].move(left, RowB + 30, ButtonWidth, ButtonHeight);
    Command1[Cancel].move(left + pitch, RowB + 30, ButtonWidth, ButtonHeight);
    Command3[ClipTime].move(left + 2 * pitch, RowA + 30, ButtonWidth, ButtonHeight);
    Command3[ClipFrames].move(left + 2 * pitch, RowB + 30, ButtonWidth, ButtonHeight);
    Command21.move(left + 2 * pitch, RowResult + 30, ButtonWidth, ButtonHeight);
    CalcClear.move(left + 3 * pitch, RowResult + 30, ButtonWidth, ButtonHeight);
    Check1.move(left + 3 * pitch, RowA + 30, ButtonWidth, 255);
    Check2.move(left + 3 * pitch, RowB + 30, ButtonWidth, 255);
}

void CalculatorTab::wireAdvanced() {
    Label65.onClick = [this] { CalcTabletListToggle(); };
    Label16.onClick = [this] { CalcFunctionSelectToggle(); };
    Label14.onClick = [this] { p_.tablets.CalcTabletNew(); };
    List11.onClick = [this] { p_.tablets.CalcTabletSelect(); };
    cmbCalcAdvFuncSelect.onClick = [this] { FunctionKindClick(); };
    cmdExecCalcData.onClick = [this] { CalcAdvancedEnter(); };
    cmdAdvCalcClipIt.onClick = [this] { CalcAdvancedClip(); };
    Calc.onRowColChange = [this] { CalcAdvancedShowCell(); };
    Calc.onClick = [this] { CalcClick(); };
    Calc.onKeyPress = [this](int& key) { CalcKeyPress(key); };
    Calc.onScroll = [this] { CalcScroll(); };
    rtfCalc.onChange = [this] { CalcEditChange(); };
    rtfCalc.onKeyPress = [this](int& key) { CalcEditKeyPress(key); };
    rtfCalcAdvDataInput.onKeyPress = [this](int& key) { CalcInputKeyPress(key); };
    rtfCalcAdvDataInput.onGotFocus = [this] { SelectWholeText(rtfCalcAdvDataInput); };
    tabCalculator.onChange = [this](int) { tabCalculatorChange(); };
}

void CalculatorTab::wireClassic() {
    Command1.onClick([this](int index) { CalcClassicCompute(index); });
    Command3.onClick([this](int index) { CalcClassicClip(index); });
    Command21.onClick = [this] { CalcClassicReset(); };
    CalcClear.onClick = [this] { CalcClassicClear(); };
    Check1.onClick = [this] { DateBoxClick(); };
    Check2.onClick = [this] { TimeBoxClick(); };
    optFrameRate.onClick([this](int index) { FrameRateClick(index); });
    for (auto* field : {&rtfCalcClassicA, &rtfCalcClassicB}) {
        const int which = field == &rtfCalcClassicA ? 0 : 1;
        field->onKeyPress(
            [this, which](int index, int& key) { ClassicBoxKeyPress(which, index, key); });
        field->onGotFocus([field](int index) { SelectWholeText((*field)[index]); });
    }
}

void CalculatorTab::FillFunctionKinds() {
    const TextTables& t = p_.texts;
    cmbCalcAdvFuncSelect.clear();
    cmbCalcAdvFuncSelect.addItem(t.TextTable(4, 21) + QStringLiteral(" (+,-,*,/,..)"));
    cmbCalcAdvFuncSelect.addItem(t.TextTable(4, 22) + QStringLiteral(" (hh:mm:ss,000)"));
    cmbCalcAdvFuncSelect.addItem(t.TextTable(4, 23) + QStringLiteral(" (0,000 - E..)"));
    cmbCalcAdvFuncSelect.addItem(t.TextTable(4, 12) + QStringLiteral(" (a,A,..,z,Z)"));
    cmbCalcAdvFuncSelect.addItem(t.TextTable(4, 24) + QStringLiteral(" [") + t.TextTable(4, 22) +
                                 QStringLiteral(">frames]"));
    showingCell_ = true; // choosing the first kind at start is no user's choice
    cmbCalcAdvFuncSelect.setListIndex(KindFunction);
    showingCell_ = false;
}

void CalculatorTab::HeadCalcGrid() {
    Calc.setColWidth(0, 435);
    // As the document grid's time columns: wide enough for "00:00:00,000" in
    // the screen font.
    for (int c = 1; c < GridCols; ++c) {
        Calc.setColWidth(c, 1320);
        Calc.setTextMatrix(0, c, QString(QChar(64 + c)));
    }
    for (int r = 1; r < GridRows; ++r)
        Calc.setTextMatrix(r, 0, runtime::TrimStr(r));
}

QString CalculatorTab::ChosenFrameRate() const {
    for (auto it = optFrameRate.begin(); it != optFrameRate.end(); ++it)
        if (it->value()) return it->caption();
    return {};
}

// The tab shown is reported; the cell editor only sits on the advanced page.
void CalculatorTab::tabCalculatorChange() {
    const int tab = tabCalculator.tab();
    p_.macro.SetMacroAction(QString(), 2 + tab);
    if (tab == TabAdvanced)
        PlaceCellEditor();
    else
        rtfCalc.setVisible(false);
}
