#include "tools/FrameRateTab.h"

#include "document/TimeCode.h"
#include "platform/Grid.h"
#include "runtime/Numbers.h"
#include "shell/LabelButton.h"
#include "shell/Picker.h"
#include "shell/Program.h"
#include "tools/TimingMilliseconds.h"
#include "tools/TimingTools.h"

namespace {
const QString Tool = QStringLiteral("Frame rate");
const QString Open = QStringLiteral("<<");
const char* const Rates[] = {"23.970", "24.000", "25.000", "29.970", "30.000"};
constexpr int FromList = 0, ToList = 1;

double MsOf(const QString& time) {
    qint64 ms = 0;
    return timing::PlainMs(time, ms) ? double(ms) : TimeToMs(time);
}
} // namespace

FrameRateTab::FrameRateTab(Program& p, platform::Container& page)
    : Label29(page, "Label29", ">>"), Label45(page, "Label45", ">>"), Label46(page, "Label46"),
      Label49(page, "Label49"), Command52(page, "Command52", "Go"), p_(p) {
    place(page);
    wire();
    registerCommands();
}

void FrameRateTab::place(platform::Container& page) {
    const char* captions[] = {"From", "To"};
    platform::Label* pickers[] = {&Label29, &Label45};
    platform::Label* values[] = {&Label46, &Label49};
    for (int i = 0; i < 2; ++i) {
        const int left = 120 + i * 2040;
        Label32.add(page, "Label32", i, QString::fromLatin1(captions[i]))
            .move(left, 450, 1875, 240);
        pickers[i]->move(left, 720, 375, 255);
        values[i]->move(left + 420, 720, 1455, 255);
        Combo14.add(page, "Combo14", i, platform::ComboBox::DropDownList)
            .move(left + 420, 690, 1455, 315);
        ClosePicker(*pickers[i], Combo14[i]);
    }
    Combo14[FromList].setToolTipText("The frame rate the times were made for");
    Combo14[ToList].setToolTipText("The frame rate to convert them to");
    Command52.move(4140, 720, 675, 255);
    Command52.setToolTipText("Convert every time of the document");
    MakeLabelButton(Command52);
}

void FrameRateTab::wire() {
    Label29.onClick = [this] { FrameRateFromPickerToggle(); };
    Label45.onClick = [this] { FrameRateToPickerToggle(); };
    Combo14.onClick([this](int index) { FrameRateSelect(index); });
    Command52.onClick = [this] { FrameRateGo(); };
}

void FrameRateTab::FillRates() {
    for (int i = 0; i < 2; ++i)
        for (const char* rate : Rates)
            Combo14[i].addItem(QString::fromLatin1(rate));
}

void FrameRateTab::FrameRateFromPickerToggle() {
    TogglePicker(Label29, Combo14[FromList]);
}
void FrameRateTab::FrameRateToPickerToggle() {
    TogglePicker(Label45, Combo14[ToList]);
}

// The choice shows in its label and the picker toggles (a click in the open
// list closes it). Choosing no item reports nothing.
void FrameRateTab::FrameRateSelect(int index) {
    if (index != FromList && index != ToList) return;
    const int item = Combo14[index].listIndex();
    (index == FromList ? Label46 : Label49).setCaption(Combo14[index].text());
    if (showing_) return;
    TogglePicker(index == FromList ? Label29 : Label45, Combo14[index]);
    if (item >= 0) p_.macro.SetMacroAction(QString(), (index == FromList ? 538 : 543) + item);
}

void FrameRateTab::ShowRate(int item) {
    showing_ = true;
    for (int i = 0; i < 2; ++i)
        Combo14[i].setListIndex(item);
    showing_ = false;
}

// A macro picks a rate without leaving the list open.
void FrameRateTab::PickRate(int list, int item) {
    platform::Label& picker = list == FromList ? Label29 : Label45;
    const bool open = picker.caption() == Open;
    Combo14[list].setListIndex(item);
    if (!open && picker.caption() == Open) TogglePicker(picker, Combo14[list]);
}

void FrameRateTab::FrameRateGo() {
    p_.macro.SetMacroAction(QString(), 548);
    const double from = runtime::Val(Combo14[FromList].text());
    const double to = runtime::Val(Combo14[ToList].text());
    if (!(from > 0) || !(to > 0)) {
        timing::Refuse(p_, Tool,
                       QStringLiteral("Choose the frame rate to convert from and the one "
                                      "to convert to first."));
        return;
    }
    if (!p_.history.SaveSnapshot(QStringLiteral("Changed Framerate"),
                                 QStringLiteral("[From: ") + Label46.caption() +
                                     QStringLiteral("] [To: ") + Label49.caption() +
                                     QLatin1Char(']')))
        return;
    Convert(to / from);
    p_.edit.ShowCurrentLine();
    p_.doc.FileChanged = true;
    p_.doc.LineListValid = false;
}

// Each time is cut down to the whole millisecond, never rounded up.
void FrameRateTab::Convert(double ratio) {
    platform::Grid& g = p_.doc.grid();
    const int lines = p_.doc.lineCount();
    for (int r = 1; r <= lines; ++r)
        for (int c = 1; c <= 2; ++c)
            g.setTextMatrix(r, c,
                            timing::SecondsToTimeCode(MsOf(g.textMatrix(r, c)) * ratio / 1000));
}

void FrameRateTab::registerCommands() {
    CommandRegistry& c = p_.commands;
    for (int list : {FromList, ToList})
        for (int k = 0; k < 5; ++k)
            c.add(QStringLiteral("Editor.FR.Set.") +
                      (list == FromList ? QStringLiteral("From.") : QStringLiteral("To.")) +
                      QString::fromLatin1(Rates[k]),
                  (list == FromList ? 538 : 543) + k, [this, list, k] { PickRate(list, k); });
    c.add(QStringLiteral("Editor.FR.Go"), 548, [this] { FrameRateGo(); });
}
