#pragma once
// The file chooser: a modal window shared by every command that asks for a
// file. It hides instead of closing and keeps its state between callers.

#include "platform/Form.h"
#include "platform/Label.h"

class Program;

class frmFile : public platform::Form {
public:
    explicit frmFile(Program& p);

    // The chosen file's full path: the answer callers read.
    platform::Label lblFullName;

private:
    Program& p_;
};
