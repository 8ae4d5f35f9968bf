#include "platform/LargePages.h"

#include <cstddef> // defines __GLIBC__

#if defined(__linux__) && defined(__GLIBC__)
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace platform {

#if defined(__linux__) && defined(__GLIBC__)
namespace {} // namespace

bool LargeHeapPagesAllowed() {
    std::FILE* f = std::fopen("/sys/kernel/mm/transparent_hugepage/enabled", "r");
    if (!f) return false;
    char mode[128] = {};
    const std::size_t n = std::fread(mode, 1, sizeof mode - 1, f);
    std::fclose(f);
    mode[n] = '\0';
    return std::strstr(mode, "[always]") || std::strstr(mode, "[madvise]");
}

namespace {

// Where the heap begins (0 when it cannot be told).
std::uintptr_t HeapStart() {
    std::FILE* f = std::fopen("/proc/self/maps", "r");
    if (!f) return 0;
    char line[512];
    std::uintptr_t start = 0;
    while (std::fgets(line, sizeof line, f))
        if (std::strstr(line, "[heap]")) {
            start = std::strtoull(line, nullptr, 16);
            break;
        }
    std::fclose(f);
    return start;
}

} // namespace

void UseLargeHeapPages() {
    if (!LargeHeapPagesAllowed()) return;
    constexpr std::size_t Reserve = std::size_t{64} << 20;
    constexpr std::size_t Grow = std::size_t{8} << 20;
    // Buffers up to 16 MB come from the heap rather than from mappings of
    // their own, which would be fresh small pages again on every load.
    mallopt(M_MMAP_THRESHOLD, 16 << 20);
    // The heap grows in steps of the reserve and keeps what it has.
    mallopt(M_TOP_PAD, static_cast<int>(Reserve));
    mallopt(M_TRIM_THRESHOLD, static_cast<int>(2 * Reserve));
    auto* const before = static_cast<char*>(sbrk(0));
    // More than the heap has free, so that it grows now, by the reserve.
    void* volatile grow = std::malloc(Grow);
    std::free(grow);
    auto* const after = static_cast<char*>(sbrk(0));
    if (before == reinterpret_cast<char*>(-1) || after <= before) return;
    // The whole heap, the free rest below the old end included; the kernel
    // gives large pages where a whole 2 MB of it is touched.
    const std::uintptr_t from = HeapStart();
    const auto to = reinterpret_cast<std::uintptr_t>(after);
    if (from != 0 && to > from) madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
}

#else

void UseLargeHeapPages() {}
bool LargeHeapPagesAllowed() {
    return false;
}

#endif

} // namespace platform
