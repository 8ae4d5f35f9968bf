// The fields each action button reads, for the recorder: a Go is recorded
// after the lines that give those fields the values the user's click read.
// A field is described by every command that sets it and by the line that
// would set it to what it holds now.

#include "fileio/frmFile.h"
#include "macro/Recorder.h"
#include "runtime/Numbers.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

namespace {

using FieldLine = Recorder::FieldLine;
using ReadField = Recorder::ReadField;

// A text field set by the command `code` with its text as data.
ReadField TextField(int code, const platform::RichTextBox& field) {
    return {{code}, [code, &field] { return FieldLine{code, field.text()}; }};
}

// A choice set by one command per item, `first` + the item's position; no
// line while nothing is chosen.
ReadField Choice(int first, int items, std::function<int()> chosen) {
    std::vector<int> codes;
    for (int i = 0; i < items; ++i)
        codes.push_back(first + i);
    return {codes, [first, items, chosen = std::move(chosen)] {
                const int item = chosen();
                return item >= 0 && item < items ? FieldLine{first + item, QString()} : FieldLine{};
            }};
}

} // namespace

void Recorder::buildFieldTable() {
    frmMain& w = p_.main();
    ShiftTab& shift = w.shift;
    reads_[518] = {Choice(515, 2, [&shift] { return shift.Combo2.listIndex(); }),
                   TextField(517, shift.rtfShiftDuration)};
    reads_[522] = {TextField(523, w.editor.rtfStretchFirst),
                   TextField(524, w.editor.rtfStretchLast)};
    reads_[530] = {TextField(531, w.timeTab.rtfTimeStart), TextField(532, w.timeTab.rtfTimeEnd)};
    auto& rates = w.frameRate.Combo14;
    reads_[548] = {Choice(538, 5, [&rates] { return rates[0].listIndex(); }),
                   Choice(543, 5, [&rates] { return rates[1].listIndex(); })};
    SearchTab& search = w.search;
    reads_[508] = {TextField(506, search.rtfSearch), TextField(507, search.rtfReplace),
                   Choice(509, 2, [&search] { return search.Option1[1].value() ? 1 : 0; })};
    CalculatorTab& calc = w.calculator;
    reads_[201] = {{{209},
                    [&calc] {
                        return FieldLine{209, QString(QChar(64 + calc.Calc.col())) +
                                                  QLatin1Char(',') +
                                                  runtime::TrimStr(calc.Calc.row())};
                    }},
                   Choice(203, 5, [&calc] { return calc.cmbCalcAdvFuncSelect.listIndex(); }),
                   TextField(208, calc.rtfCalcAdvDataInput)};
    // A save writes in the type chosen in the chooser.
    reads_[104] = {
        {{1401}, [this] {
             return FieldLine{1401, runtime::TrimStr(p_.fileChooser().List3.listIndex())};
         }}};
}
