#include "document/EditArea.h"

EditArea::EditArea(Program& p) : p_(p) {}

void EditArea::ShowCurrentLine() {}

void EditArea::subShowSubtitle(const QString&, int) {}
