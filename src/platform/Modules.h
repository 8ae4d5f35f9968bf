#pragma once
// Mirel's own modules (libmirel_media.so, libmirel_print.so), loaded when
// first needed so that a start maps neither their libraries nor what those
// pull in.

#include <QFunctionPointer>

namespace platform {

// The entry `entry` of the module `name` ("mirel_print"), found beside the
// program or, for the tests, where the build made it; the module stays
// loaded for the life of the program. nullptr when it is nowhere or does not
// load.
QFunctionPointer ModuleEntry(const char* name, const char* entry);

} // namespace platform
