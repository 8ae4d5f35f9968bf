#pragma once
// The current-line edit area of the Editor tab and the basic line operations.

#include <QString>

class Program;

class EditArea {
public:
    explicit EditArea(Program& p);

    // Brings the edit area, CurLine and ScriptTime in line with the grid.
    void ShowCurrentLine();
    // Shows one text line of the current line in the script player.
    void subShowSubtitle(const QString& text, int index);

private:
    Program& p_;
};
