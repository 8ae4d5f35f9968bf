// The heap is marked for 2 MB pages where the kernel allows them.

#include "platform/LargePages.h"

#include <QFile>
#include <QRegularExpression>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

namespace {

// The flags of the mapping that holds `address`, from /proc/self/smaps.
QString FlagsOfMappingAt(const void* address) {
    QFile smaps(QStringLiteral("/proc/self/smaps"));
    if (!smaps.open(QIODevice::ReadOnly)) return {};
    const auto at = reinterpret_cast<quintptr>(address);
    static const QRegularExpression range(QStringLiteral("^([0-9a-f]+)-([0-9a-f]+) "));
    bool inside = false;
    for (const QByteArray& raw : smaps.readAll().split('\n')) {
        const QString line = QString::fromLatin1(raw);
        const QRegularExpressionMatch m = range.match(line);
        if (m.hasMatch())
            inside = m.captured(1).toULongLong(nullptr, 16) <= at &&
                     at < m.captured(2).toULongLong(nullptr, 16);
        else if (inside && line.startsWith(QLatin1String("VmFlags:")))
            return line;
    }
    return {};
}

bool HugePagesAllowed() {
    QFile mode(QStringLiteral("/sys/kernel/mm/transparent_hugepage/enabled"));
    if (!mode.open(QIODevice::ReadOnly)) return false;
    const QByteArray text = mode.readAll();
    return text.contains("[always]") || text.contains("[madvise]");
}

} // namespace

TEST(LargePages, ABufferOfTheLoadLiesInHeapMarkedForLargePages) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer keeps its own heap";
#endif
    if (!HugePagesAllowed()) GTEST_SKIP() << "this kernel offers no transparent huge pages";
    platform::UseLargeHeapPages();
    // About what a large file's decoded text takes.
    constexpr std::size_t Size = std::size_t{4} << 20;
    void* volatile buffer = std::malloc(Size);
    ASSERT_NE(buffer, nullptr);
    std::memset(buffer, 1, Size);
    EXPECT_TRUE(FlagsOfMappingAt(buffer).contains(QLatin1String(" hg")))
        << FlagsOfMappingAt(buffer).toStdString();
    std::free(buffer);
}
