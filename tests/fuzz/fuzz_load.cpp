// Fuzz target: a file loaded through LoadSubFile, as a user's Open or Add
// does, then written back in a format the input picks.
//   byte 0: the format asked for (0 detects, 1..16)
//   byte 1: bit 0 adds after a small document; bits 1-2 the file's
//           extension (the asked format's, ".sub", ".txt" or none);
//           bits 3-7 the format written afterwards
//   the rest: the file's bytes

#include "FuzzProgram.h"

#include "document/Formats.h"
#include "document/Loader.h"
#include "fileio/Files.h"
#include "fileio/frmFile.h"
#include "platform/Grid.h"
#include "platform/Label.h"

namespace {

QString ExtensionFor(int format, int choice) {
    switch (choice) {
    case 0:
        return formats::WrittenExtension(format == 0 ? Format::SubRip : format);
    case 1:
        return QStringLiteral(".sub");
    case 2:
        return QStringLiteral(".txt");
    default:
        return QString();
    }
}

void Load(Program& p, const QString& path, int format, bool add) {
    QString name = path;
    int asked = format;
    int row = add ? p.doc.grid().rows() - 1 : 1;
    p.doc.FileChanged = false; // no question about the previous document
    p.loader.LoadSubFile(name, asked, row, false, false, false);
}

// The document written as a user's save writes it.
void Write(Program& p, int format) {
    const QString target = fuzz::ProgramFolder() + QStringLiteral("/Data/Files/written") +
                           formats::WrittenExtension(format);
    p.fileChooser().lblFullName.setCaption(target);
    p.files.CreateSubFile(false, false, format, 1, p.doc.lineCount(), false);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    Program& p = fuzz::SharedProgram();
    const int format = data[0] % (formats::FormatCount + 1);
    const bool add = data[1] & 1;
    const QString extension = ExtensionFor(format, (data[1] >> 1) & 3);
    const int written = (data[1] >> 3) % formats::FormatCount + 1;
    // Every input starts from the same small document.
    static const QByteArray start = "1\r\n00:00:01,000 --> 00:00:02,000\r\nStart\r\n";
    Load(p, fuzz::WriteInput(QStringLiteral("start.srt"), start), Format::SubRip, false);
    const QString path =
        fuzz::WriteInput(QStringLiteral("input") + extension, fuzz::Bytes(data + 2, size - 2));
    Load(p, path, format, add);
    if (p.doc.lineCount() > 0) Write(p, written);
    return 0;
}
