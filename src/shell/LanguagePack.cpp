#include "shell/LanguagePack.h"

#include "fileio/frmFile.h"
#include "platform/ListBox.h"
#include "runtime/Numbers.h"
#include "runtime/TextFile.h"
#include "shell/LanguageSections.h"
#include "shell/Program.h"
#include "shell/frmControl.h"
#include "shell/frmMain.h"
#include "shell/frmSettings.h"

#include <cmath>
#include <cstdint>
#include <optional>

namespace {

const QString EndPack = QStringLiteral("[End Pack]");
constexpr int HeaderLines = 5;

// The text after the first ":=" of a header line ("" when it has none).
QString HeaderValue(const QString& line) {
    const qsizetype at = line.indexOf(QStringLiteral(":="));
    return at < 0 ? QString() : line.mid(at + 2);
}

// A plain name: not empty, no folder separator, no "..".
bool PlainName(const QString& name) {
    return !name.trimmed().isEmpty() && !name.contains(QLatin1Char('/')) &&
           !name.contains(QLatin1Char('\\')) && !name.contains(QStringLiteral(".."));
}

// The item number: the leading number rounded to the nearest whole number
// (halves to the even one); none outside -32768 .. 32767.
std::optional<int> ItemNumber(const QString& text) {
    const double v = std::nearbyint(runtime::Val(text));
    if (!std::isfinite(v) || v < -32768 || v > 32767) return std::nullopt;
    return static_cast<int>(v);
}

class PackReader {
public:
    PackReader(Program& p, QString file) : p_(p), file_(std::move(file)) {}
    void Run();

private:
    bool ReadHeader();
    void ReadBody();
    // What is wrong with an item line, "" when it was applied or skipped.
    QString ReadLine(const QString& line);
    QString ReadItem(const QString& line);
    void Fail(const QString& why);
    void WrongVersion(const QString& line);

    Program& p_;
    QString file_;
    QStringList lines_;
    int line_ = 0; // the line being read, counted from 1
    QString section_ = QStringLiteral("[Main Menu]");
};

void PackReader::Run() {
    const QString path = LanguagePackPath(p_, file_);
    if (path.isEmpty()) return Fail(QStringLiteral("not a file of the language folder"));
    const runtime::TextFileContent content = runtime::ReadTextFile(path);
    if (!content.ok) return Fail(QStringLiteral("the file cannot be read"));
    lines_ = content.lines;
    if (lines_.size() < HeaderLines) {
        line_ = static_cast<int>(lines_.size()) + 1;
        return Fail(QStringLiteral("the pack ends before its fifth line"));
    }
    if (ReadHeader()) ReadBody();
}

// False when the pack is for another version.
bool PackReader::ReadHeader() {
    line_ = 1;
    const QString version = Unscramble(lines_[0]);
    if (HeaderValue(version) != p_.shell.ProgramVersion) {
        WrongVersion(version);
        return false;
    }
    p_.shell.LanguageName = HeaderValue(Unscramble(lines_[1]));
    p_.shell.LanguageAuthor = HeaderValue(Unscramble(lines_[2]));
    p_.shell.LanguageFolder = PlainHelpFolder(HeaderValue(Unscramble(lines_[3])));
    return true;
}

void PackReader::ReadBody() {
    for (line_ = HeaderLines + 1; line_ <= lines_.size(); ++line_) {
        const QString plain = Unscramble(lines_[line_ - 1]).trimmed();
        if (plain == EndPack) return;
        const QString fault = ReadLine(plain);
        if (!fault.isEmpty()) return Fail(fault);
    }
}

QString PackReader::ReadLine(const QString& line) {
    if (IsPackSection(line)) {
        section_ = line;
        return {};
    }
    if (line.isEmpty() || line.startsWith(QLatin1Char('[')) || line.endsWith(QLatin1Char(']')) ||
        line.startsWith(QStringLiteral("//")))
        return {};
    return ReadItem(line);
}

QString PackReader::ReadItem(const QString& line) {
    const qsizetype comma = line.indexOf(QLatin1Char(','));
    const qsizetype caret = line.indexOf(QLatin1Char('^'));
    if (comma < 0) return QStringLiteral("the item has no \",\"");
    if (caret < 0) return QStringLiteral("the item has no \"^\"");
    if (caret < comma) return QStringLiteral("the item's \"^\" comes before its \",\"");
    const std::optional<int> number = ItemNumber(line.left(comma));
    if (!number) return QStringLiteral("the item number is out of range");
    return ApplyPackItem(p_, section_,
                         {*number, line.mid(comma + 1, caret - comma - 1), line.mid(caret + 1)});
}

// Reading stops; what was applied stays, and the built-in English is in use
// from the next start on unless the user chooses the pack again.
void PackReader::Fail(const QString& why) {
    const QString where =
        line_ > 0 ? QStringLiteral(", line %1: ").arg(line_) : QStringLiteral(": ");
    p_.shell.LanguageFile.clear();
    p_.messages.ShowMessage(p_.texts.TextTable(4, 40) + QStringLiteral("/n") +
                                MessageWindow::Verbatim(file_ + where + why),
                            KindQuestion, QStringLiteral("ok"), p_.texts.TextTable(4, 41));
}

// The message names the pack's version ("3.00"), not its header line
// ("Version:=3.00"); a first line without a key is named whole.
void PackReader::WrongVersion(const QString& line) {
    const QString version = line.contains(QStringLiteral(":=")) ? HeaderValue(line) : line;
    p_.messages.ShowMessage(
        p_.texts.Say("Wrong language pack version. You are trying to load version %1./nPack will "
                     "not be loaded.",
                     MessageWindow::Verbatim(version)),
        KindExclamation, QStringLiteral("ok"), p_.texts.TextTable(9, 13));
}

// What the windows showed before the pack was read: their captions, the
// player's state and the read log's result, in the pack's words.
void ShowInPackWords(Program& p) {
    p.languageTargets.setWords([&p](const QString& text) { return p.texts.Said(text); });
    p.languageTargets.CaptionWindows();
    p.main().player.ShowState(1); // no media plays while the main window loads
    p.control().lblEnd.setCaption(p.texts.TextTable(9, 17));
    if (!p.hasFileChooser()) return; // its types, listed before the pack's texts were read
    frmFile& chooser = p.fileChooser();
    platform::ListBox& types = chooser.List3;
    for (int i = 0; i < types.listCount(); ++i) {
        const QString told = p.texts.Told(types.list(i));
        if (i == types.listIndex() && chooser.Label5.caption() == types.list(i))
            chooser.Label5.setCaption(told); // the type chosen
        types.setList(i, told);
    }
}

} // namespace

QString Unscramble(const QString& text, const QString& key) {
    const qsizetype width = key.size();
    if (width == 0) return text;
    const double keyValue = runtime::Val(key); // the pack's number: checked before the rounding
    const qint64 k = std::fabs(keyValue) < 1e18 ? std::llround(keyValue) : 0;
    QByteArray bytes;
    for (qsizetype i = 0; i < text.size(); i += width) {
        const double v = std::nearbyint(runtime::Val(QStringView(text).mid(i, width)));
        const bool fits = std::isfinite(v) && v >= INT32_MIN && v <= INT32_MAX;
        const qint64 code = fits ? (static_cast<qint32>(v) ^ static_cast<qint32>(k)) : -1;
        if (code >= 0 && code <= 255)
            bytes.append(static_cast<char>(code));
        else if (!bytes.isEmpty())
            bytes.append(bytes.back());
    }
    return runtime::DecodeText(bytes);
}

QString PlainHelpFolder(const QString& name) {
    return PlainName(name) ? name : QStringLiteral("English");
}

QString LanguagePackPath(const Program& p, const QString& fileName) {
    if (!PlainName(fileName)) return {};
    return p.folder.path(runtime::Place::LanguageFolder, fileName);
}

void LoadLanguage(Program& p) {
    p.sysVars.InitSysVarHelp();
    p.shell.LanguageName.clear();
    p.shell.LanguageAuthor.clear();
    p.shell.LanguageFolder = QStringLiteral("English");
    p.languageTargets.clearLabels();
    if (p.shell.LanguageFile.isEmpty() || !p.settings().useLanguagePack()) return;
    PackReader(p, p.shell.LanguageFile).Run();
    ShowInPackWords(p);
}
