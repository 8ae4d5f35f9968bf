#include "fileio/Files.h"

Files::Files(Program& p) : p_(p) {}
