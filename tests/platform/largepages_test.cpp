// The heap is marked for 2 MB pages where the kernel allows them.

#include "platform/LargePages.h"

#include <QFile>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

namespace {

// The "VmFlags:" line of the mapping in /proc/self/smaps that holds `address`.
QByteArray FlagsOfMappingAt(const void* address) {
    QFile smaps(QStringLiteral("/proc/self/smaps"));
    if (!smaps.open(QIODevice::ReadOnly)) return {};
    const auto at = reinterpret_cast<quintptr>(address);
    bool inside = false;
    for (const QByteArray& line : smaps.readAll().split('\n')) {
        const qsizetype dash = line.indexOf('-'), space = line.indexOf(' ');
        bool isRange = false;
        const quintptr from = line.left(dash).toULongLong(&isRange, 16);
        if (isRange && dash > 0 && space > dash)
            inside =
                from <= at && at < line.mid(dash + 1, space - dash - 1).toULongLong(nullptr, 16);
        else if (inside && line.startsWith("VmFlags:"))
            return line;
    }
    return {};
}

} // namespace

TEST(LargePages, ABufferOfTheLoadLiesInHeapMarkedForLargePages) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer keeps its own heap";
#endif
    if (!platform::LargeHeapPagesAllowed()) GTEST_SKIP() << "this kernel offers no huge pages";
    platform::UseLargeHeapPages();
    constexpr std::size_t Size = std::size_t{4} << 20; // about a large file's decoded text
    void* volatile buffer = std::malloc(Size);
    ASSERT_NE(buffer, nullptr);
    std::memset(buffer, 1, Size);
    const QByteArray flags = FlagsOfMappingAt(buffer);
    EXPECT_TRUE(flags.contains(" hg")) << flags.toStdString();
    std::free(buffer);
}
