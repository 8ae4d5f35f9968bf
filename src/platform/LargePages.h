#pragma once
// The heap on large pages.

namespace platform {

// A start fills some twenty megabytes of fresh heap (a large file's lines,
// its grid, the windows), and the kernel hands out fresh memory a 4 KB page
// at a time, each page a fault. On Linux with transparent huge pages allowed
// ("madvise" or "always"), this grows the heap once by a reserve it marks for
// 2 MB pages, so that memory arrives in 512 times fewer faults; large
// buffers are taken from that heap too. Memory is only used where it is
// touched, so the reserve costs address space, not memory. Call it first in
// main, before anything else allocates much. Does nothing elsewhere.
void UseLargeHeapPages();

// The kernel gives 2 MB pages to a range that asks for them.
bool LargeHeapPagesAllowed();

} // namespace platform
