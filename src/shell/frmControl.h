#pragma once
// The progress window.

#include "platform/Form.h"

class Program;

class frmControl : public platform::Form {
public:
    explicit frmControl(Program& p);

private:
    Program& p_;
};
