#pragma once
// The sections of a language pack and what each item of a section relabels:
// captions and tool tips of controls (by window and control name, see
// LanguageTargets), menu and tab captions, entries of the text tables, the
// captions of the two trees and the system variables' descriptions. One table
// row per section; an item number that its section does not list is skipped.

#include <QString>

class Program;

// One item line of a pack: its number, the caption before "^" and the tool
// tip after it.
struct PackItem {
    int number = 0;
    QString caption;
    QString tip;
};

// Whether the (trimmed) line is the name of a known section, with its case.
bool IsPackSection(const QString& line);

// Applies an item of a section. Returns "" when it was applied or skipped, or
// what is wrong when the item is a fault of the pack (a table entry or a tab
// that does not exist).
QString ApplyPackItem(Program& p, const QString& section, const PackItem& item);
