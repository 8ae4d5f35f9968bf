#include "macro/Macro.h"

Macro::Macro(Program& p) : p_(p) {}
