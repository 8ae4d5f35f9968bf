// The classic calculator's handlers: A + B, A - B, B - A and Cancel on two
// time codes typed in four boxes each, the result as a time code and in
// frames, the history, the clips and the frame rate.
#include "calculator/CalcClip.h"
#include "calculator/CalculatorTab.h"
#include "document/TimeCode.h"
#include "platform/Keys.h"
#include "runtime/Numbers.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

#include <QDate>
#include <QLocale>
#include <QTime>
#include <cmath>
#include <optional>

namespace {

using Boxes = platform::ControlArray<platform::RichTextBox>;

// Carries thousandths into seconds, seconds into minutes and minutes into
// hours (once each; negative parts are not carried) and writes the parts back.
void Normalise(Boxes& b) {
    double ms = runtime::Val(b[3].text()), s = runtime::Val(b[2].text());
    double m = runtime::Val(b[1].text()), h = runtime::Val(b[0].text());
    const double c = ms > 999 ? std::floor(ms / 1000) : 0;
    s += c;
    const double d = s > 59 ? std::floor(s / 60) : 0;
    m += d;
    const double e = m > 59 ? std::floor(m / 60) : 0;
    h += e;
    b[3].setText(runtime::TrimStr(ms - 1000 * c));
    b[2].setText(runtime::TrimStr(s - 60 * d));
    b[1].setText(runtime::TrimStr(m - 60 * e));
    b[0].setText(runtime::TrimStr(h));
}

// Left-pads a box with "0"; false when its text is already wider.
bool Pad(platform::RichTextBox& box, int width) {
    const QString t = box.text();
    if (t.size() > width) return false;
    box.setText(QString(width - t.size(), QLatin1Char('0')) + t);
    return true;
}

// "hh:mm:ss,fff" from the four boxes; none when a part does not fit.
std::optional<QString> TimeOf(Boxes& b) {
    for (int i = 0; i < 3; ++i)
        if (!Pad(b[i], 2)) return std::nullopt;
    if (!Pad(b[3], 3)) return std::nullopt;
    return b[0].text() + QLatin1Char(':') + b[1].text() + QLatin1Char(':') + b[2].text() +
           QLatin1Char(',') + b[3].text();
}

// "{<now>} " for the history line when the box is ticked, else nothing.
template <class Now> QString Stamp(const platform::CheckBox& box, Now now) {
    if (box.value() != platform::CheckBox::Checked) return QString();
    return QStringLiteral("{") + now() + QStringLiteral("} ");
}

} // namespace

void CalculatorTab::CalcClassicCompute(int index) {
    if (index < AplusB || index > Cancel) return;
    const QString date = Stamp(Check1, [] {
        return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    });
    const QString time = Stamp(Check2, [] {
        return QLocale::system().toString(QTime::currentTime(), QLocale::LongFormat);
    });
    Normalise(rtfCalcClassicA);
    Normalise(rtfCalcClassicB);
    const std::optional<QString> a = TimeOf(rtfCalcClassicA);
    const std::optional<QString> b = a ? TimeOf(rtfCalcClassicB) : std::nullopt;
    if (!a || !b) {
        AddHistory(date + time +
                   QStringLiteral("{Error occured. Range= -9:59:59,999 to 99:59:59,999}"));
        p_.calc.CalcInvokeTarget = -1;
        p_.macro.SetMacroAction(QString(), 301 + index);
        return;
    }
    QString r;
    if (index == AplusB) r = TimeCalc(*a, *b, QStringLiteral("+"));
    if (index == AminusB) r = TimeCalc(*a, *b, QStringLiteral("-"));
    if (index == BminusA) r = TimeCalc(*b, *a, QStringLiteral("-"));
    QString flag =
        r.startsWith(QLatin1Char('-')) ? QStringLiteral(" {negative result!}") : QString();
    lblCalcResult[0].setCaption(r.left(2) + QLatin1Char(':'));
    lblCalcResult[1].setCaption(r.mid(3, 2) + QLatin1Char(':'));
    lblCalcResult[2].setCaption(r.mid(6, 2) + QLatin1Char(','));
    lblCalcResult[3].setCaption(r.right(3));
    ShowFrames(r);
    const double length = p_.players.mediaDuration();
    if (!p_.players.mediaFileName().isEmpty() && length > 0 && TimeToMs(r) / 1000 >= length)
        flag = QStringLiteral(" {result >= movie length!}");
    if (index == AplusB || index == AminusB)
        AddHistory(date + time + *a +
                   (index == AplusB ? QStringLiteral(" + ") : QStringLiteral(" - ")) + *b +
                   QStringLiteral(" = ") + r + flag);
    else if (index == BminusA)
        AddHistory(date + time + *b + QStringLiteral(" - ") + *a + QStringLiteral(" = ") + r +
                   flag);
    else
        List3.setListIndex(List3.listCount() - 1);
    p_.calc.ReturnResult(index == Cancel ? *a : r);
    p_.macro.SetMacroAction(QString(), 301 + index);
}

void CalculatorTab::AddHistory(const QString& line) {
    List3.addItem(line);
    List3.setListIndex(List3.listCount() - 1);
}

// The frames of a time at the current rate, not rounded.
void CalculatorTab::ShowFrames(const QString& time) {
    const double seconds = TimeToMs(time) / 1000;
    lblCalcResult[4].setCaption(runtime::Str(seconds * runtime::Val(p_.shell.FrameRateText)));
}

QString CalculatorTab::ResultTime() const {
    QString time;
    for (int i = 0; i < 4; ++i)
        time += lblCalcResult[i].caption();
    return time;
}

void CalculatorTab::CalcClassicReset() {
    for (auto* boxes : {&rtfCalcClassicA, &rtfCalcClassicB})
        for (auto& box : *boxes)
            box.setText(QString());
    const char* rest[] = {"00:", "00:", "00.", "000", "0000000"};
    for (int i = 0; i < 5; ++i)
        lblCalcResult[i].setCaption(QString::fromLatin1(rest[i]));
    rtfCalcClassicA[0].setFocus();
    p_.macro.SetMacroAction(QString(), 305);
}

void CalculatorTab::CalcClassicClear() {
    List3.clear();
    p_.macro.SetMacroAction(QString(), 306);
}

void CalculatorTab::CalcClassicClip(int index) {
    if (index == ClipTime) {
        AddClipboardItem(p_, QStringLiteral("Calc.Class.Result.T:"), ResultTime().trimmed());
        p_.macro.SetMacroAction(QString(), 307);
    } else if (index == ClipFrames) {
        AddClipboardItem(p_, QStringLiteral("Calc.Class.Result.F:"), lblCalcResult[4].caption());
        p_.macro.SetMacroAction(QString(), 341);
    }
}

void CalculatorTab::DateBoxClick() {
    const int v = Check1.value();
    if (v == platform::CheckBox::Checked || v == platform::CheckBox::Unchecked)
        p_.macro.SetMacroAction(QString(), v == platform::CheckBox::Checked ? 308 : 309);
}

void CalculatorTab::TimeBoxClick() {
    const int v = Check2.value();
    if (v == platform::CheckBox::Checked || v == platform::CheckBox::Unchecked)
        p_.macro.SetMacroAction(QString(), v == platform::CheckBox::Checked ? 310 : 311);
}

// Enter in a box only reports it (field 0 is A, 1 is B).
void CalculatorTab::ClassicBoxKeyPress(int field, int index, int& keyAscii) {
    if (keyAscii != platform::KeyReturn) return;
    Boxes& boxes = field == 0 ? rtfCalcClassicA : rtfCalcClassicB;
    p_.macro.SetMacroAction(boxes[index].text(), (field == 0 ? 317 : 321) + index);
}

// The rate becomes the program's frame rate: the result's frames and the
// tablet are worked out again, and the frame-rate tool starts from it.
void CalculatorTab::FrameRateClick(int index) {
    p_.macro.SetMacroAction(QString(), 312 + index);
    p_.shell.FrameRateText = optFrameRate[index].caption();
    ShowFrames(ResultTime());
    // The tablet speaks only to a user at the shown window, never at start.
    p_.tablets.ToDoCalc(p_.main().visible());
    p_.main().frameRate.ShowRate(index);
}
