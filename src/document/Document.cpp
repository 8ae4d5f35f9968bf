#include "document/Document.h"

Document::Document(Program& p) : p_(p) {}
