#pragma once
// The system window.

#include "platform/Form.h"

class Program;

class frmSystem : public platform::Form {
public:
    explicit frmSystem(Program& p);

private:
    Program& p_;
};
