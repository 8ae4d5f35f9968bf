// Without libFuzzer a fuzz target is a plain program that replays inputs:
// each argument is a file, or a folder whose files are all replayed (the
// checked-in corpus). It prints one line per input and a closing count;
// a crash or a sanitizer report ends it with a failure.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

QStringList InputsOf(const QString& argument) {
    const QFileInfo info(argument);
    if (!info.isDir()) return {argument};
    QStringList files;
    const QDir dir(argument);
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
        files << dir.filePath(name);
    return files;
}

} // namespace

int main(int argc, char** argv) {
    int replayed = 0, unreadable = 0;
    for (int i = 1; i < argc; ++i)
        for (const QString& path : InputsOf(QString::fromLocal8Bit(argv[i]))) {
            QFile f(path);
            if (!f.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
                ++unreadable;
                continue;
            }
            const QByteArray bytes = f.readAll();
            std::printf("replay %s (%lld bytes)\n", qPrintable(path),
                        static_cast<long long>(bytes.size()));
            std::fflush(stdout);
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                   static_cast<std::size_t>(bytes.size()));
            ++replayed;
        }
    std::printf("replayed %d inputs, %d unreadable\n", replayed, unreadable);
    return unreadable == 0 && replayed > 0 ? 0 : 1;
}
