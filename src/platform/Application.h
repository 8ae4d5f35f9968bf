#pragma once
// The end of the running program: leaves the application's event loop, and
// then ends the process.

namespace platform {

// Ends the program's event loops, so that main() returns, whatever windows
// are still open or hidden.
void EndApplication();

// Ends the process at once with `code`, once the program has done what its end
// needs (the state files are written by then): the windows, the player and the
// libraries are not taken down one by one, which took seconds.
[[noreturn]] void EndProcess(int code);

} // namespace platform
