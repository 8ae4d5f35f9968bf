// What each action button reads, for the recorder: one table per tool names
// every control its actions read. A Go is recorded after the lines that give
// those controls the values the user's click read; a control no command sets
// is named in a comment instead. A field is described by every command that
// sets it and by the line that would set it to what it holds now.

#include "fileio/frmFile.h"
#include "macro/Recorder.h"
#include "runtime/Numbers.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

namespace {

using FieldLine = Recorder::FieldLine;
using ReadField = Recorder::ReadField;
using Reads = std::map<int, Recorder::ActionReads>;

// A text field set by the command `code` with its text as data; `mirror`
// shows the same text, and what is typed there is typed here too. One the
// current line's display fills in is `refreshed`.
template <class Box>
ReadField TextField(int code, const Box& field, bool refreshed = false,
                    const platform::TextField* mirror = nullptr) {
    std::vector<const platform::TextField*> shown{&field};
    if (mirror) shown.push_back(mirror);
    return {{code},
            [code, &field] {
                return FieldLine{code, field.text()};
            },
            false,
            shown,
            refreshed};
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

// A tick box set by its On and its Off command.
ReadField Tick(int on, int off, const platform::CheckBox& box) {
    return Choice(on, 2, [on, off, &box] {
        return box.value() == platform::CheckBox::Checked ? 0 : off - on;
    });
}

// The editor grid's current cell, "column,row" of Editor.Cel.Select; the
// row taken from `row` (the current one unless given).
ReadField EditorCell(Program& p, std::function<int()> row = {}) {
    return {{549},
            [&p, row = std::move(row)] {
                const platform::Grid& g = p.doc.grid();
                const int r = row ? std::clamp(row(), 0, g.rows() - 1) : g.row();
                return FieldLine{549, runtime::TrimStr(g.col()) + u',' + runtime::TrimStr(r)};
            },
            true};
}

void TimingTools(Program& p, Reads& r) {
    frmMain& w = p.main();
    ShiftTab& shift = w.shift;
    EditorTab& editor = w.editor;
    r[518] = {{TextField(519, editor.Text1[0]), TextField(520, editor.Text1[1]),
               Choice(515, 2, [&shift] { return shift.Combo2.listIndex(); }),
               TextField(517, shift.rtfShiftDuration)}};
    r[522] = {{TextField(525, editor.Text1[2]), TextField(526, editor.Text1[3]),
               TextField(523, editor.rtfStretchFirst), TextField(524, editor.rtfStretchLast)}};
    TimeTab& time = w.timeTab;
    BasicTab& basic = editor.basic;
    const ReadField start = TextField(531, time.rtfTimeStart, true, &basic.rtfLineStart),
                    end = TextField(532, time.rtfTimeEnd, true, &basic.rtfLineEnd);
    const ReadField step = TextField(533, time.rtfDurShift);
    r[530] = {{EditorCell(p), start, end}};
    r[534] = r[535] = {{EditorCell(p), start, end, step}};
    r[536] = r[537] = {{EditorCell(p), start, end, step}};
    auto& rates = w.frameRate.Combo14;
    r[548] = {{Choice(538, 5, [&rates] { return rates[0].listIndex(); }),
               Choice(543, 5, [&rates] { return rates[1].listIndex(); })}};
}

void TextTools(Program& p, Reads& r) {
    frmMain& w = p.main();
    SearchTab& search = w.search;
    // Replace starts at the row the last grid click chose.
    r[508] = {{EditorCell(p, [&p] { return p.edit.SearchIndex; }),
               Choice(509, 2, [&search] { return search.Option1[1].value() ? 1 : 0; }),
               TextField(506, search.rtfSearch), TextField(507, search.rtfReplace)}};
    FilterTab& filters = w.filter;
    r[513] = {{Tick(511, 512, filters.Check4[0]), Tick(566, 567, filters.Check4[1])},
              {{QStringLiteral("characters a line"), [&filters] {
                    return filters.Check4[1].value() == platform::CheckBox::Checked
                               ? filters.txtMaxCount.text()
                               : QString();
                }}}};
    auto& fonts = w.editor.font.Combo9;
    r[514] = {{EditorCell(p)},
              {{QStringLiteral("font"), [&fonts] { return fonts[0].text(); }},
               {QStringLiteral("style"), [&fonts] { return fonts[1].text(); }}}};
    BasicTab& basic = w.editor.basic;
    r[501] = r[502] = r[505] = {{EditorCell(p)}};
    r[504] = {{EditorCell(p), TextField(505, basic.rtfSubEditBasic, true)}};
    PartitionTab& partition = w.partition;
    r[404] = {{Choice(405, 16, [&partition] { return partition.combo3.listIndex(); })}};
}

void Calculators(Program& p, Reads& r) {
    CalculatorTab& calc = p.main().calculator;
    r[201] = {{{{209},
                [&calc] {
                    return FieldLine{209, QString(QChar(64 + calc.Calc.col())) + u',' +
                                              runtime::TrimStr(calc.Calc.row())};
                },
                true},
               Choice(203, 5, [&calc] { return calc.cmbCalcAdvFuncSelect.listIndex(); }),
               TextField(208, calc.rtfCalcAdvDataInput)},
              {},
              208};
    Recorder::ActionReads classic;
    for (int i = 0; i < 4; ++i) {
        classic.fields.push_back(TextField(317 + i, calc.rtfCalcClassicA[i]));
        classic.fields.push_back(TextField(321 + i, calc.rtfCalcClassicB[i]));
    }
    classic.fields.push_back(Choice(312, 5, [&calc] {
        for (int i = 0; i < 5; ++i)
            if (calc.optFrameRate[i].value()) return i;
        return -1;
    }));
    classic.fields.push_back(Tick(308, 309, calc.Check1));
    classic.fields.push_back(Tick(310, 311, calc.Check2));
    r[301] = r[302] = r[303] = classic;
}

} // namespace

void Recorder::buildFieldTable() {
    TimingTools(p_, reads_);
    TextTools(p_, reads_);
    Calculators(p_, reads_);
    // A save or an add reads the type chosen in the chooser.
    const ReadField type{
        {1401}, [this] {
            return FieldLine{1401, runtime::TrimStr(p_.fileChooser().List3.listIndex())};
        }};
    reads_[103] = reads_[104] = {{type}};
}
