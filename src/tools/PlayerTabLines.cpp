// The Player tab's line list and position slider.

#include "document/TimeCode.h"
#include "platform/Grid.h"
#include "runtime/Numbers.h"
#include "shell/Picker.h"
#include "shell/Program.h"
#include "tools/PlayerTab.h"

#include <algorithm>
#include <cmath>

// Opening the list rebuilds it when the lines changed since it was built.
void PlayerTab::PlayerLineSelectToggle() {
    if (Label50.caption() == QLatin1String(">>") && !p_.doc.LineListValid)
        p_.doc.RebuildLineCombo();
    TogglePicker(Label50, Combo1);
}

// The chosen line becomes the current line, its start the player's position.
// A list gone stale meanwhile is rebuilt first; an entry that no longer
// stands for a line is ignored.
void PlayerTab::PlayerLineChosen() {
    const int index = Combo1.listIndex();
    if (index < 0) return;
    if (!p_.doc.LineListValid) p_.doc.RebuildLineCombo();
    if (index >= p_.doc.lineCount()) return;
    p_.doc.CurLine = index + 1;
    p_.doc.grid().setRow(index + 1);
    const QString entry = Combo1.list(index);
    const QString start = entry.left(12);
    txtDuration.setText(start);
    MediaPlayer1.setCurrentPosition(TimeToMs(start) / 1000);
    Label51.setCaption(entry);
    PlayerLineSelectToggle();
}

// One step of the slider is a second, so media of any length can be moved
// through: the end is the length rounded up.
void PlayerTab::SetSliderLength(double seconds) {
    Slider1.setMax(seconds > 0 ? static_cast<int>(std::ceil(seconds)) : 0);
    Slider1.setLargeChange(std::max(1, Slider1.max() / 10));
}

// While the handle is held the play timer rests; the slider shows the time it
// points at and moves the player there when let go.
void PlayerTab::PlayerSliderMouseDown() {
    if (MediaPlayer1.isOpen()) timPlayer.setEnabled(false);
}

void PlayerTab::PlayerSliderScroll() {
    if (!MediaPlayer1.isOpen()) return;
    const QString time = SecondsTime(Slider1.value());
    Slider1.setText(time);
    txtDuration.setText(time);
}

void PlayerTab::PlayerSliderMouseUp() {
    if (!MediaPlayer1.isOpen()) return;
    MediaPlayer1.setCurrentPosition(Slider1.value());
    timPlayer.setEnabled(true);
}
