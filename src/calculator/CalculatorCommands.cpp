// The calculators' commands under their macro names: groups
// "Calculator.Advanced" (2xx) and "Calculator.Classic" (3xx), and the View
// commands of the calculator's two pages.
#include "calculator/CalculatorTab.h"
#include "runtime/Numbers.h"
#include "shell/Program.h"

namespace {
const QString Advanced = QStringLiteral("Calculator.Advanced.");
const QString Classic = QStringLiteral("Calculator.Classic.");
} // namespace

void CalculatorTab::registerCommands() {
    CommandRegistry& c = p_.commands;
    c.add(QStringLiteral("View.Calculator.Advanced"), 2,
          [this] { tabCalculator.setTab(TabAdvanced); });
    c.add(QStringLiteral("View.Calculator.Classic"), 3,
          [this] { tabCalculator.setTab(TabClassic); });
    registerAdvancedCommands();
    registerClassicCommands();
    registerClassicStores();
}

void CalculatorTab::registerAdvancedCommands() {
    CommandRegistry& c = p_.commands;
    c.add(Advanced + QStringLiteral("Enter"), 201, [this] { CalcAdvancedEnter(); });
    c.add(Advanced + QStringLiteral("Clip"), 202, [this] { CalcAdvancedClip(); });
    const char* kinds[] = {"Set.Function", "Set.Timecode", "Set.Value", "Set.Text", "Set.Convert"};
    for (int k = 0; k < 5; ++k)
        c.add(Advanced + QString::fromLatin1(kinds[k]), 203 + k,
              [this, k] { cmbCalcAdvFuncSelect.setListIndex(k); });
    c.add(Advanced + QStringLiteral("Cel.Value"), 208, [this](const QString& data) {
        rtfCalcAdvDataInput.setText(data);
        CalcAdvancedEnter();
        p_.macro.SetMacroAction(data, 208);
    });
    c.add(Advanced + QStringLiteral("Cel.Select"), 209,
          [this](const QString& data) { SelectCell(data); });
    c.add(Advanced + QStringLiteral("Tablet.New"), 210, [this] { p_.tablets.CalcTabletNew(); });
    c.add(Advanced + QStringLiteral("Tablet.Select"), 211, [this] { CalcTabletListToggle(); });
    c.add(Advanced + QStringLiteral("Function.Select"), 212,
          [this] { CalcFunctionSelectToggle(); });
}

void CalculatorTab::registerClassicCommands() {
    CommandRegistry& c = p_.commands;
    const char* operations[] = {"A+B", "A-B", "B-A", "Cancel"};
    for (int i = 0; i < 4; ++i)
        c.add(Classic + QString::fromLatin1(operations[i]), 301 + i,
              [this, i] { CalcClassicCompute(i); });
    c.add(Classic + QStringLiteral("Reset"), 305, [this] { CalcClassicReset(); });
    c.add(Classic + QStringLiteral("Clear"), 306, [this] { CalcClassicClear(); });
    c.add(Classic + QStringLiteral("Clip.T"), 307, [this] { CalcClassicClip(ClipTime); });
    c.add(Classic + QStringLiteral("Clip.F"), 341, [this] { CalcClassicClip(ClipFrames); });
    const char* boxes[] = {"Set.Date.On", "Set.Date.Off", "Set.Time.On", "Set.Time.Off"};
    for (int i = 0; i < 4; ++i)
        c.add(Classic + QString::fromLatin1(boxes[i]), 308 + i, [this, i] {
            (i < 2 ? Check1 : Check2)
                .setValue(i % 2 == 0 ? platform::CheckBox::Checked : platform::CheckBox::Unchecked);
        });
    for (int i = 0; i < 5; ++i)
        c.add(Classic + QStringLiteral("Set.FPS to ") + optFrameRate[i].caption(), 312 + i,
              [this, i] { optFrameRate[i].setValue(true); });
    for (int i = 0; i < 4; ++i) {
        const QString cell = QString::number(i + 1) + QStringLiteral(".Value");
        c.add(Classic + QStringLiteral("Cel.A") + cell, 317 + i, [this, i](const QString& data) {
            rtfCalcClassicA[i].setText(data);
            p_.macro.SetMacroAction(data, 317 + i);
        });
        c.add(Classic + QStringLiteral("Cel.B") + cell, 321 + i, [this, i](const QString& data) {
            rtfCalcClassicB[i].setText(data);
            p_.macro.SetMacroAction(data, 321 + i);
        });
    }
}

// The store family: a box's or a result label's text becomes a macro
// variable, named by the data ("mcrVar[n]" when there is none).
void CalculatorTab::registerClassicStores() {
    CommandRegistry& c = p_.commands;
    auto joined = [](const auto& controls, int count, auto text) {
        QString all;
        for (int i = 0; i < count; ++i)
            all += text(controls[i]);
        return all;
    };
    auto boxText = [](const platform::RichTextBox& b) { return b.text(); };
    auto caption = [](const platform::Label& l) { return l.caption(); };
    for (int i = 0; i < 4; ++i) {
        const QString n = QString::number(i + 1);
        c.add(Classic + QStringLiteral("mcrVar.Set.Cel.A") + n, 325 + i,
              [=, this](const QString& d) { StoreMcrVar(d, rtfCalcClassicA[i].text(), 325 + i); });
        c.add(Classic + QStringLiteral("mcrVar.Set.Cel.B") + n, 329 + i,
              [=, this](const QString& d) { StoreMcrVar(d, rtfCalcClassicB[i].text(), 329 + i); });
        c.add(Classic + QStringLiteral("Cel.T") + n + QStringLiteral(".Value"), 335 + i,
              [=, this](const QString& d) { StoreMcrVar(d, lblCalcResult[i].caption(), 335 + i); });
    }
    c.add(Classic + QStringLiteral("mcrVar.Set.Cel.A1-A4"), 333, [=, this](const QString& d) {
        StoreMcrVar(d, joined(rtfCalcClassicA, 4, boxText), 333);
    });
    c.add(Classic + QStringLiteral("mcrVar.Set.Cel.B1-B4"), 334, [=, this](const QString& d) {
        StoreMcrVar(d, joined(rtfCalcClassicB, 4, boxText), 334);
    });
    c.add(Classic + QStringLiteral("mcrVar.Set.Cel.T1-T4"), 339,
          [=, this](const QString& d) { StoreMcrVar(d, joined(lblCalcResult, 4, caption), 339); });
    c.add(Classic + QStringLiteral("mcrVar.Set.Cel.F1-F4"), 340,
          [this](const QString& d) { StoreMcrVar(d, lblCalcResult[4].caption(), 340); });
}

void CalculatorTab::StoreMcrVar(const QString& data, const QString& value, int code) {
    p_.macro.StoreVariable(data, value);
    p_.macro.SetMacroAction(data, code);
}
