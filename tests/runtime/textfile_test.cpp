#include "runtime/SafeWrite.h"
#include "runtime/TextFile.h"
#include "support/FileBytes.h"
#include "support/FileSizeLimit.h"
#include "support/Printing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using runtime::Encoding;

namespace {

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// Sets an environment variable for one test and puts the old value back.
class EnvGuard {
public:
    EnvGuard(const char* name, const QByteArray& value)
        : name_(name), old_(qgetenv(name)), wasSet_(qEnvironmentVariableIsSet(name)) {
        qputenv(name, value);
    }
    ~EnvGuard() {
        if (wasSet_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    QByteArray old_;
    bool wasSet_;
};

class TextFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    QString path(const QString& name) const { return dir_.filePath(name); }
    QString write(const QString& name, const QByteArray& bytes) {
        return writeFileAt(path(name), bytes);
    }
    QByteArray bytesOf(const QString& name) const { return readBytes(path(name)); }
    QStringList entries() const {
        return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }
    runtime::TextFileContent read(const QByteArray& bytes) {
        return runtime::ReadTextFile(write(QStringLiteral("in.txt"), bytes));
    }

    QTemporaryDir dir_;
};

// "é😀" and "b" in UTF-16 code units: U+00E9, U+D83D U+DE00, CR LF, U+0062.
const char16_t kUtf16Text[] = u"\u00E9\U0001F600\r\nb";

} // namespace

TEST_F(TextFileTest, ReadsUtf16ByItsByteOrderMark) {
    for (const bool bigEndian : {false, true}) {
        const auto content = read(utf16(kUtf16Text, bigEndian));
        ASSERT_TRUE(content.ok) << content.error.toStdString();
        EXPECT_EQ(content.lines, QStringList({U("é😀"), U("b")}));
        EXPECT_EQ(content.encoding, bigEndian ? Encoding::Utf16BE : Encoding::Utf16LE);
        EXPECT_TRUE(content.hadBom);
    }
    EXPECT_EQ(runtime::DecodeText(QByteArray("\xFF\xFE"
                                             "a\0b",
                                             5)),
              U("a\uFFFD"))
        << "an odd last byte is a replacement character";
}

TEST_F(TextFileTest, ReadsUtf8WithAndWithoutMark) {
    auto content = read("\xEF\xBB\xBF"
                        "caf\xC3\xA9\r\n\xE2\x82\xAC \xF0\x9F\x98\x80");
    ASSERT_TRUE(content.ok);
    EXPECT_EQ(content.lines, QStringList({U("café"), U("€ 😀")})) << "the mark is dropped";
    EXPECT_EQ(content.encoding, Encoding::Utf8);
    EXPECT_TRUE(content.hadBom);

    content = read("caf\xC3\xA9\n");
    EXPECT_EQ(content.lines, QStringList({U("café")}));
    EXPECT_EQ(content.encoding, Encoding::Utf8);
    EXPECT_FALSE(content.hadBom);
}

// Each line break form, alone and mixed, in a UTF-8 file and a code-page one;
// ASCII runs longer than eight bytes around the bytes that decide the form.
TEST_F(TextFileTest, SplitsLinesAtEveryBreakFormWhateverTheEncoding) {
    struct Case {
        QByteArray bytes;
        QStringList lines;
        Encoding encoding;
    };
    const Case cases[] = {
        {"one\rtwo\nthree\r\nfour", {"one", "two", "three", "four"}, Encoding::Utf8},
        {"a\n\rb\r\r\nc\n", {"a", "", "b", "", "c"}, Encoding::Utf8},
        {"\xEF\xBB\xBF\r\n\r\nx", {"", "", "x"}, Encoding::Utf8},
        {"a long ASCII line\r\ncaf\xC3\xA9 and more text",
         {"a long ASCII line", U("café and more text")},
         Encoding::Utf8},
        {"a long ASCII line\r\ncaf\xE9\rend",
         {"a long ASCII line", U("café"), "end"},
         Encoding::CodePage},
        {"\xEF\xBB\xBFsixteen bytes ok\xE9\nx", {U("sixteen bytes ok\uFFFD"), "x"}, Encoding::Utf8},
    };
    for (const Case& c : cases) {
        const auto content = read(c.bytes);
        EXPECT_EQ(content.lines, c.lines) << c.bytes.toStdString();
        EXPECT_EQ(content.encoding, c.encoding) << c.bytes.toStdString();
    }
}

TEST_F(TextFileTest, AMarkedUtf8FileStaysUtf8WhereAByteIsBroken) {
    Encoding used = Encoding::CodePage;
    EXPECT_EQ(runtime::DecodeText("\xEF\xBB\xBF"
                                  "a\xE9z",
                                  &used),
              U("a\uFFFDz"));
    EXPECT_EQ(used, Encoding::Utf8);
}

TEST_F(TextFileTest, ReadsOtherBytesAsWindows1252) {
    const auto content = read("caf\xE9 \x80\r\n\x9F\x89\x8A\xA0\xFF\x81\x8D\x8F\x90\x9D");
    ASSERT_TRUE(content.ok);
    EXPECT_EQ(content.lines,
              QStringList({U("café €"), U("Ÿ‰Š\u00A0ÿ\u0081\u008D\u008F\u0090\u009D")}));
    EXPECT_EQ(content.encoding, Encoding::CodePage);
    EXPECT_FALSE(content.hadBom);
}

TEST_F(TextFileTest, Windows1252TableAgreesWithTheSystemConverter) {
    QStringDecoder system("windows-1252");
    if (!system.isValid()) GTEST_SKIP() << "QStringDecoder has no windows-1252 on this machine";
    QByteArray all;
    for (int b = 0x80; b <= 0xFF; ++b)
        all.append(char(b));
    EXPECT_EQ(runtime::DecodeText(all), system.decode(all));
}

// Broken UTF-8 makes the file a code-page file; each of these is a fault a
// lenient check would let through.
TEST_F(TextFileTest, OnlyWellFormedUtf8CountsAsUtf8) {
    const QByteArray broken[] = {"\xC0\x80",         "\xC1\xBF",         "\xE0\x80\x80",
                                 "\xED\xA0\x80",     "\xF0\x80\x80\x80", "\xF4\x90\x80\x80",
                                 "\xF5\x80\x80\x80", "a\xE2\x82",        "\x80",
                                 "\xC3\xA9\xBF",     "\xE2\x28\xA1"};
    for (const QByteArray& bytes : broken) {
        Encoding used = Encoding::Utf8;
        runtime::DecodeText(bytes, &used);
        EXPECT_EQ(used, Encoding::CodePage) << bytes.toHex().toStdString();
    }
    const QByteArray good[] = {"plain ascii",  "\xC2\x80",         "\xED\x9F\xBF",
                               "\xEE\x80\x80", "\xF0\x90\x80\x80", "\xF4\x8F\xBF\xBF"};
    for (const QByteArray& bytes : good) {
        Encoding used = Encoding::CodePage;
        runtime::DecodeText(bytes, &used);
        EXPECT_EQ(used, Encoding::Utf8) << bytes.toHex().toStdString();
    }
    EXPECT_EQ(runtime::DecodeText("\xF4\x8F\xBF\xBF"), QString::fromUcs4(U"\U0010FFFF", 1));
}

TEST_F(TextFileTest, MirelCodepageNamesTheCodePage) {
    {
        EnvGuard codepage("MIREL_CODEPAGE", "windows-1251");
        if (!QStringDecoder("windows-1251").isValid())
            GTEST_SKIP() << "QStringDecoder has no windows-1251 on this machine";
        const auto content = read("\xC0\xE1");
        EXPECT_EQ(content.lines, QStringList({U("Аб")}));
        EXPECT_EQ(content.encoding, Encoding::CodePage);
        EXPECT_EQ(runtime::DecodeText("\xC3\xA9"), U("é")) << "valid UTF-8 still comes first";
    }
    {
        EnvGuard codepage("MIREL_CODEPAGE", "no-such-codepage");
        EXPECT_EQ(runtime::DecodeText("\xC0\xE1\x80"), U("Àá€")) << "an unknown name is 1252";
    }
    EXPECT_EQ(runtime::DecodeText("\xC0\xE1"), U("Àá")) << "the variable was put back";
}

TEST(TextFileLines, EndAtCrLfLoneCrOrLoneLf) {
    const std::pair<const char*, QStringList> cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\n\r\n", {"a", ""}},
        {"a\rb\nc\r\nd", {"a", "b", "c", "d"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {"\n", {""}},
        {"\r", {""}},
        {"\r\n\n", {"", ""}},
        {" a \t\r\n", {" a \t"}},
    };
    for (const auto& [text, lines] : cases)
        EXPECT_EQ(runtime::SplitLines(QString::fromLatin1(text)), lines)
            << QByteArray(text).toHex().toStdString();
}

TEST_F(TextFileTest, ReadingSplitsLinesTheSameWay) {
    EXPECT_EQ(read("1\r00:00:01,000\n\r\nx\r\r\n").lines,
              QStringList({"1", "00:00:01,000", "", "x", ""}));
    EXPECT_TRUE(read("").ok);
    EXPECT_TRUE(read("").lines.isEmpty());
}

TEST_F(TextFileTest, ReportsAFileThatCannotBeOpened) {
    const QString missing = path(QStringLiteral("nothing.srt"));
    auto content = runtime::ReadTextFile(missing);
    EXPECT_FALSE(content.ok);
    EXPECT_EQ(content.error, "Cannot open " + missing + ": No such file or directory");
    EXPECT_TRUE(content.lines.isEmpty());

    content = runtime::ReadTextFile(dir_.path());
    EXPECT_FALSE(content.ok);
    EXPECT_TRUE(content.error.startsWith("Cannot open " + dir_.path() + ": "))
        << content.error.toStdString();
}

TEST_F(TextFileTest, WritesUtf8WithCrLfAndNoMark) {
    QString error;
    ASSERT_TRUE(runtime::WriteTextFile(path("out.srt"), {U("1"), U("café €"), U("")}, &error))
        << error.toStdString();
    EXPECT_EQ(bytesOf("out.srt"), QByteArray("1\r\ncaf\xC3\xA9 \xE2\x82\xAC\r\n\r\n"));

    ASSERT_TRUE(runtime::WriteTextFile(path("out.srt"), {}));
    EXPECT_EQ(bytesOf("out.srt"), QByteArray()) << "an old, longer file is replaced whole";

    ASSERT_TRUE(runtime::WriteTextFileRaw(path("raw.txt"), U("a\nb\r\né")));
    EXPECT_EQ(bytesOf("raw.txt"), QByteArray("a\nb\r\n\xC3\xA9"));
    EXPECT_EQ(entries(), QStringList({"out.srt", "raw.txt"})) << "no temporary file is left";
}

TEST_F(TextFileTest, WrittenLinesReadBackUnchanged) {
    const QStringList lines = {U("Ünïcödé 😀"), U(""), U("  spaces  "), U("Аб")};
    ASSERT_TRUE(runtime::WriteTextFile(path("round.txt"), lines));
    const auto content = runtime::ReadTextFile(path("round.txt"));
    EXPECT_EQ(content.lines, lines);
    EXPECT_EQ(content.encoding, Encoding::Utf8);
    EXPECT_FALSE(content.hadBom);
}

TEST_F(TextFileTest, WritingIntoAMissingFolderFailsAndLeavesNothing) {
    const QString target = path("missing/out.srt");
    QString error;
    EXPECT_FALSE(runtime::WriteTextFile(target, {"a"}, &error));
    EXPECT_TRUE(error.startsWith("Cannot write " + target + ": ")) << error.toStdString();
    EXPECT_FALSE(runtime::WriteTextFileRaw(target, "a", &error));
    EXPECT_TRUE(error.contains(target));
    EXPECT_TRUE(entries().isEmpty()) << entries().join(", ").toStdString();
}

TEST_F(TextFileTest, WritingBelowAFileFails) {
    write("plain", "x");
    const QString target = path("plain/out.srt");
    QString error;
    EXPECT_FALSE(runtime::WriteTextFile(target, {"a"}, &error));
    EXPECT_TRUE(error.startsWith("Cannot write " + target + ": ")) << error.toStdString();
    EXPECT_EQ(bytesOf("plain"), "x");
}

TEST_F(TextFileTest, AFailedWriteLeavesTheOldFileWhole) {
    const QString target = write("keep.srt", "old\r\n");
    const QStringList big(50, QString(1000, QLatin1Char('x')));
    QString error;
    bool written = true;
    {
        FileSizeLimit limit(4096);
        if (!limit.active()) GTEST_SKIP() << "cannot limit the file size (setrlimit failed)";
        written = runtime::WriteTextFile(target, big, &error);
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(error, "Cannot write " + target + ": " + QString::fromLocal8Bit(std::strerror(EFBIG)))
        << "the system's reason, not a guess";
    EXPECT_EQ(bytesOf("keep.srt"), "old\r\n");
    EXPECT_EQ(entries(), QStringList({"keep.srt"})) << "the temporary file is removed";
    EXPECT_TRUE(runtime::WriteTextFile(target, big)) << "the same write works without the limit";
}

// A write through a link writes the file it names, with the old file's
// permissions; what a killed write of the same file left beside it goes, not
// a running write's, nor another file's.
TEST_F(TextFileTest, AWriteKeepsTheLinkAndRightsAndRemovesWhatAKilledWriteLeft) {
    QProcess ended;
    ended.start(QStringLiteral("true"), {});
    ASSERT_TRUE(ended.waitForStarted());
    const QString left = QString(".%1.mirel-part").arg(ended.processId());
    ASSERT_TRUE(ended.waitForFinished());
    const QString running = QString(".%1.mirel-part").arg(getppid());
    for (const QString& name :
         {".a.srt" + left, ".a.srt" + running, ".b.srt" + left, "a.srt" + left})
        write(name, "x");
    const QString target = write("a.srt", "old");
    ASSERT_TRUE(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner));
    ASSERT_TRUE(QFile::link(target, path("link.srt")));
    ASSERT_TRUE(runtime::WriteTextFile(path("link.srt"), {"new"}));
    EXPECT_EQ(bytesOf("a.srt"), "new\r\n");
    EXPECT_TRUE(QFileInfo(path("link.srt")).isSymLink());
    EXPECT_EQ(QFile::permissions(target),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    EXPECT_EQ(entries(), QStringList({".a.srt" + running, ".b.srt" + left, "a.srt", "a.srt" + left,
                                      "link.srt"}));
    // A second name (a hard link) holds what the first was saved with, longer and shorter.
    ASSERT_EQ(::link(QFile::encodeName(target).constData(),
                     QFile::encodeName(path("hard.srt")).constData()),
              0);
    for (const QStringList& text : {QStringList{"a longer text", "in two lines"}, {"b"}}) {
        ASSERT_TRUE(runtime::WriteTextFile(path("hard.srt"), text));
        EXPECT_EQ(bytesOf("a.srt"), bytesOf("hard.srt"));
        EXPECT_EQ(bytesOf("a.srt"), text.join("\r\n").toUtf8() + "\r\n");
    }
}

TEST_F(TextFileTest, AppendingAddsLinesAndCreatesTheFile) {
    const QString log = path("transfer.log");
    QString error;
    ASSERT_TRUE(runtime::AppendTextLines(log, {"a"}, &error)) << error.toStdString();
    ASSERT_TRUE(runtime::AppendTextLines(log, {U("b"), U("é")}));
    EXPECT_EQ(bytesOf("transfer.log"), QByteArray("a\r\nb\r\n\xC3\xA9\r\n"));

    const QString missing = path("missing/transfer.log");
    EXPECT_FALSE(runtime::AppendTextLines(missing, {"a"}, &error));
    EXPECT_TRUE(error.startsWith("Cannot write " + missing + ": ")) << error.toStdString();
}

// A U+FEFF that stands in the text (not the file's own mark before it) is
// text: the whole-file decoder and the line reader give it back alike.
TEST_F(TextFileTest, AByteOrderMarkInsideTheTextIsKept) {
    const QByteArray bom = "\xEF\xBB\xBF"; // U+FEFF in UTF-8
    const QString mark(QChar(0xFEFF));
    const struct Case {
        QByteArray bytes;
        QStringList lines;
    } cases[] = {
        {"a\r\n" + bom + "b", {"a", mark + "b"}},
        {bom + "a\n" + bom + "b\n", {"a", mark + "b"}},
        {bom + bom + "a", {mark + "a"}},
        {"first line\r\n" + bom + "\r\n" + bom + bom, {"first line", mark, mark + mark}},
        // The bytes of a cut-off sequence at the end of such a line are
        // replacement characters, one a byte.
        {bom + "a\n" + bom + "b\xE2\x82", {"a", mark + "b\uFFFD\uFFFD"}},
        {bom + bom + "a\xF0\x9F\x98\r\nz", {mark + "a\uFFFD\uFFFD\uFFFD", "z"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(read(c.bytes).lines, c.lines) << c.bytes.toStdString();
        EXPECT_EQ(runtime::SplitLines(runtime::DecodeText(c.bytes)), c.lines)
            << c.bytes.toStdString();
    }
}

// A UTF-16 code unit of a pair that lacks its partner is no character: it is
// read as U+FFFD, so writing the line back keeps every character.
TEST_F(TextFileTest, AnUnpairedSurrogateIsReadAsAReplacementCharacter) {
    struct Case {
        std::u16string units;
        QString line;
    };
    const QString r(QChar::ReplacementCharacter);
    const Case cases[] = {
        {u"\xDD0D", r},
        {u"Tablet \xDD0D", "Tablet " + r},
        {u"a\xD83D"
         u"b",
         "a" + r + "b"},
        {u"\xDE00\xD83D", r + r},
        {u"x\xD83D", "x" + r},
        {u"\xD83D\xDE00\xDE00", U("😀") + r},
    };
    for (const Case& c : cases) {
        const auto content = read(utf16(c.units));
        ASSERT_EQ(content.lines.size(), 1);
        EXPECT_EQ(content.lines[0], c.line);
        ASSERT_TRUE(runtime::WriteTextFile(path("back.txt"), content.lines));
        EXPECT_EQ(runtime::ReadTextFile(path("back.txt")).lines, QStringList({c.line}))
            << "written back as read";
        EXPECT_FALSE(bytesOf("back.txt").contains('?'));
    }
}

// A name too long to be part of the temporary file's gives it a short one, for a new file and an
// old one; what a killed write left under that name goes at the next save and at the start's sweep.
TEST_F(TextFileTest, EveryLegalNameCanBeWrittenWhole) {
    const QString name = QString(123, QChar(0xE9)) + "nnnnn.srt"; // 255 bytes
    const auto left = [&](const QString& file, qint64 pid) {
        const QString temporary = QFileInfo(runtime::TemporaryPathFor(path(file), true)).fileName();
        return temporary.left(temporary.indexOf('.', 1)) + QString(".%1.mirel-part").arg(pid);
    };
    const QStringList names = {name, left(name, 9999999), left(name, getppid()),
                               left("b.srt", 9999999)}; // one ended write, one running
    for (const QString& file : names.mid(1))
        write(file, "x");
    const auto now = [&] {
        const QStringList e = entries();
        return QSet<QString>(e.cbegin(), e.cend());
    };
    for (const char* text : {"new", "newer"})
        ASSERT_TRUE(runtime::WriteTextFile(path(name), {text}));
    EXPECT_EQ(bytesOf(name), "newer\r\n");
    EXPECT_EQ(now(), QSet<QString>({names[0], names[2], names[3]}));
    runtime::RemoveLeftTemporaries(dir_.path());
    EXPECT_EQ(now(), QSet<QString>({names[0], names[2]}));
}

namespace {

// This executable's own fchmod, fsync and pwrite stand before the system's: a row makes one or
// two of them fail from a given call on.
struct Fault {
    const char* call = nullptr;
    int error = 0, from = 0; // from: the calls let through first
};
struct Armed {
    Fault faults[2];
    int calls[2] = {};
    qint64 sizeAtFirstWrite = -1; // the file's length when a byte was first written into it
} armed;

bool Fails(const char* call) {
    for (int i = 0; i < 2; ++i) {
        const Fault& f = armed.faults[i];
        if (!f.call || std::strcmp(f.call, call) != 0 || armed.calls[i]++ < f.from) continue;
        errno = f.error;
        return true;
    }
    return false;
}

template <typename F> F Next(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" {
int fchmod(int fd, mode_t mode) {
    return Fails("fchmod") ? -1 : Next<int (*)(int, mode_t)>("fchmod")(fd, mode);
}
int fsync(int fd) {
    return Fails("fsync") ? -1 : Next<int (*)(int)>("fsync")(fd);
}
ssize_t pwrite(int fd, const void* data, size_t size, off_t at) {
    struct stat st {};
    if (armed.faults[0].call && armed.sizeAtFirstWrite < 0 && ::fstat(fd, &st) == 0)
        armed.sizeAtFirstWrite = st.st_size;
    if (Fails("pwrite")) return -1;
    return Next<ssize_t (*)(int, const void*, size_t, off_t)>("pwrite")(fd, data, size, at);
}
} // extern "C"

namespace {

struct FaultRow {
    const char* name;
    Fault faults[2];
    mode_t mode; // the old file's permissions
    bool othersFile, saved,
        inPlace;                // another user's (only root can make one); new text; inode kept
    const char* told = nullptr; // in the message of a write that fails; none when it works
};
const FaultRow kFaultRows[] = {
    {"APrivateFileStaysPrivate", {{"fchmod", EPERM}}, 0600, false, true, false},
    {"PermissionsANewFileCannotTakeAreKeptInPlace", {{"fchmod", EPERM}}, 0664, false, true, true},
    {"AnotherUsersFileStaysTheirs", {}, 0666, true, true, false},
    {"AFolderThatDidNotReachTheDiskIsTold",
     {{"fsync", EIO, 1}},
     0644,
     false,
     true,
     false,
     "Input/output error. The file holds the new text, but its folder did not reach the disk"},
    {"AFailedPutBackLeavesNothingPastTheOldText",
     {{"fchmod", EPERM}, {"pwrite", EIO}},
     0664,
     false,
     false,
     true,
     "its old text could not be put back (Input/output error)"},
};

class WriteFault : public TextFileTest, public ::testing::WithParamInterface<FaultRow> {};

} // namespace

// The file ends whole, old or new, with its owner, group and permissions, or the message says what
// became of it.
TEST_P(WriteFault, KeepsTheFileItsOwnerAndRightsOrSaysWhatBecameOfThem) {
    const FaultRow& row = GetParam();
    if (row.othersFile && geteuid() != 0) {
        GTEST_SKIP() << "only root can make another user's file";
    }
    const QByteArray old = "old text\r\n", wanted(8192, 'n');
    const QByteArray target = QFile::encodeName(write("a.srt", old));
    ASSERT_EQ(::chmod(target.constData(), row.mode), 0);
    ASSERT_TRUE(!row.othersFile || ::chown(target.constData(), 65533, 65533) == 0);
    struct stat before {
    }, after{};
    ASSERT_EQ(::stat(target.constData(), &before), 0);
    const mode_t mask = ::umask(022);
    armed = {{row.faults[0], row.faults[1]}};
    QString error;
    const bool written = runtime::WriteFileBytes(QFile::decodeName(target), wanted, &error);
    const qint64 sizeAtFirstWrite = armed.sizeAtFirstWrite;
    armed = {};
    ::umask(mask);
    ASSERT_EQ(::stat(target.constData(), &after), 0);
    EXPECT_EQ(written, !row.told) << error.toStdString();
    EXPECT_TRUE(!row.told || error.contains(row.told)) << error.toStdString();
    EXPECT_EQ(bytesOf("a.srt"), row.saved ? wanted : old);
    EXPECT_EQ(std::tuple(after.st_mode & 07777, after.st_uid, after.st_gid),
              std::tuple(row.mode, before.st_uid, before.st_gid));
    EXPECT_EQ(after.st_ino == before.st_ino, row.inPlace);
    EXPECT_TRUE(!row.inPlace || sizeAtFirstWrite == old.size()) << "room taken, length kept";
    EXPECT_EQ(entries(), QStringList({"a.srt"})) << "no temporary file is left";
}

INSTANTIATE_TEST_SUITE_P(Rows, WriteFault, ::testing::ValuesIn(kFaultRows),
                         [](const auto& info) { return std::string(info.param.name); });
