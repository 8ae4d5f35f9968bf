#pragma once
// The calculators' results go to the clipboard tab's list as items "label",
// the item's number (the list's count + 1), ">" and the value.

#include <QString>

class Program;

// Appends the item, selects it and enables the clipboard's item buttons.
void AddClipboardItem(Program& p, const QString& label, const QString& value);
