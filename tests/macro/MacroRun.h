#pragma once
// Macros for the run tests: stored in a slot and listed in the macro list as
// the user's macros are, then run with the Macros tab's Go button.

#include "macro/frmSystem.h"
#include "support/ListItems.h"
#include "support/TestProgram.h"

#include <QStringList>

// One tick of the recorder's timer, as the event loop runs it: only while it is on.
inline void tick(frmMain& w) {
    if (w.recorder.Timer2.enabled()) w.recorder.Timer2Tick();
}
inline void tick(TestProgram& t) {
    tick(t.main());
}

// A SubRip text of `lines` lines, one a second.
inline QByteArray subRipLines(int lines) {
    QByteArray text;
    for (int i = 1; i <= lines; ++i)
        text += QString("%1\r\n00:00:%2,000 --> 00:00:%2,500\r\nLine %1\r\n\r\n")
                    .arg(i)
                    .arg(i % 60, 2, 10, QChar('0'))
                    .toUtf8();
    return text;
}

// The main window after its load (its lists filled as at start), with a
// three-line document the commands can work on.
inline void loadFixture(TestProgram& t) {
    t.main().load();
    mustLoad(t.program(), t.writeDataFile("fixture.srt", subRipLines(3)));
}

// Lists a new macro in the macro list, as New does, on the next free slot
// (which the test names), and stores its lines 1.. .
inline void defineMacro(TestProgram& t, int slot, const QString& name, const QStringList& lines) {
    ASSERT_EQ(t.main().macroEditor.AddMacroEntry(name), slot);
    auto& cells = t->macroLibrary.MacroStore[static_cast<std::size_t>(slot)];
    for (int l = 0; l < lines.size(); ++l)
        cells[static_cast<std::size_t>(l + 1)] = lines[l];
}

// Picks the macro in the macro list and presses Go.
inline void pressGo(TestProgram& t, int slot) {
    t.main().macroPickers.Combo5.setListIndex(slot);
    t.main().executeList.Command31.onClick();
}

// The lines of the last execute list.
inline QStringList executeList(TestProgram& t) {
    return itemsOf(t->system().lstExec);
}

// The values of the macro variables in use, in slot order.
inline QStringList variableValues(TestProgram& t) {
    QStringList values;
    for (const QString& entry : t->macro.mcrVar)
        if (!entry.isEmpty()) values << entry.mid(entry.indexOf(":=") + 2);
    return values;
}
