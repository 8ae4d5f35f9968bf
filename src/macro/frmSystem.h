#pragma once
// The system window: the macro variables in use, under their heading. A
// borderless window, dragged by its top strip.

#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/ListBox.h"

class Program;

class frmSystem : public platform::Form {
public:
    explicit frmSystem(Program& p);

    platform::PictureBox pMove; // the drag strip
    platform::Label Label68;    // heading of the macro-variable list
    platform::ListBox lstVar;   // one line per macro variable: name:=value

private:
    void layOut();

    Program& p_;
};
