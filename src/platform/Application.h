#pragma once
// The end of the running program: leaves the application's event loop.

namespace platform {

// Ends the program's event loops, so that main() returns, whatever windows
// are still open or hidden.
void EndApplication();

} // namespace platform
