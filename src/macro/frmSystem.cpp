#include "macro/frmSystem.h"

#include "shell/Program.h"

frmSystem::frmSystem(Program& p) : Form(p.host, "frmSystem"), p_(p) {}
