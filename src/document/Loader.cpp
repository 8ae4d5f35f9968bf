#include "document/Loader.h"

Loader::Loader(Program& p) : p_(p) {}

void Loader::LoadSubFile(QString&, int&, int&, bool, bool, bool) {}
