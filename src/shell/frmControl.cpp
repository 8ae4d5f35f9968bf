#include "shell/frmControl.h"

#include "shell/Program.h"

frmControl::frmControl(Program& p) : Form(p.host, "frmControl"), p_(p) {}
