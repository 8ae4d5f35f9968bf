// The setting-file reader and writer, and the Save Settings command.

#include "fileio/SettingFile.h"

#include "document/MessageWindow.h"
#include "fileio/FileCommands.h"
#include "fileio/frmFile.h"
#include "platform/Grid.h"
#include "runtime/Numbers.h"
#include "runtime/TextFile.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

#include <QRegularExpression>
#include <limits>

namespace {

const QString ClipboardSection = QStringLiteral("{clipboard}");
const QString PartitionSection = QStringLiteral("{partitionlist}");
const QString FontSection = QStringLiteral("{system font}");
const QString Extension = QStringLiteral(".scd");

enum class Mode { None, Clipboard, Partition, Font };

class Reader {
public:
    explicit Reader(Program& p) : p_(p), main_(p.main()) {}
    void Run(const QStringList& lines);

private:
    void Begin();
    void Take(const QString& line);
    void Enter(const QString& line);
    void AddPart(const QString& line);
    void ApplyFont(const QString& line);

    Program& p_;
    frmMain& main_;
    Mode mode_ = Mode::None;
    int row_ = 0;      // the partition list's last part
    int fontLine_ = 0; // lines read in the font section
};

void Reader::Run(const QStringList& lines) {
    Begin();
    for (qsizetype i = 1; i < lines.size(); ++i) { // the first line names the file
        const QString& line = lines[i];
        if (line.startsWith(QLatin1Char('{')) && line.endsWith(QLatin1Char('}')))
            mode_ = Mode::None;
        Take(line);
        Enter(line);
    }
    if (main_.clipboard.List1.listCount() > 0) main_.clipboard.List1.setListIndex(0);
}

// Both lists start empty: the partition list keeps its header and a spare row.
void Reader::Begin() {
    main_.clipboard.List1.clear();
    platform::Grid& grid = main_.partition.grid;
    grid.setRows(2);
    for (int c = 0; c < grid.cols(); ++c)
        grid.setTextMatrix(1, c, QString());
    grid.setRow(0);
}

void Reader::Take(const QString& line) {
    switch (mode_) {
    case Mode::Clipboard:
        main_.clipboard.List1.addItem(line);
        break;
    case Mode::Partition:
        AddPart(line);
        break;
    case Mode::Font:
        ApplyFont(line);
        break;
    case Mode::None:
        break;
    }
}

void Reader::Enter(const QString& line) {
    if (line == ClipboardSection) {
        mode_ = Mode::Clipboard;
    } else if (line == PartitionSection) {
        mode_ = Mode::Partition;
        for (platform::Label& button : main_.clipboard.command4)
            button.setEnabled(true);
    } else if (line == FontSection) {
        mode_ = Mode::Font;
        fontLine_ = 0;
    }
}

// "name>length"; a line without ">" is no part and is passed over.
void Reader::AddPart(const QString& line) {
    const qsizetype gt = line.indexOf(QLatin1Char('>'));
    if (gt < 0) return;
    platform::Grid& grid = main_.partition.grid;
    ++row_;
    grid.setRow(row_);
    grid.setTextMatrix(row_, 0, runtime::TrimStr(row_));
    grid.setTextMatrix(row_, 1, setting_file::PartName(line.left(gt)));
    grid.setTextMatrix(row_, 2, line.mid(gt + 1));
    grid.setRows(grid.rows() + 1);
}

// Line 1 the font name, line 2 the style: a number is the list index (a
// 16-bit value), any other text the item's own text.
void Reader::ApplyFont(const QString& line) {
    static const QRegularExpression number(QStringLiteral("^\\s*[-+]?\\d+\\s*$"));
    const int box = fontLine_++;
    if (box > 1 || line.trimmed().isEmpty()) return;
    platform::ComboBox& target = main_.editor.font.Combo9[box];
    if (!number.match(line).hasMatch()) {
        target.setText(line);
        return;
    }
    const double value = runtime::Val(line);
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        return;
    target.setListIndex(static_cast<int>(value));
}

QStringList Compose(Program& p) {
    frmMain& main = p.main();
    QStringList lines{QStringLiteral("Mirel Setting file ") + p.shell.ProgramVersion,
                      ClipboardSection};
    const platform::ListBox& clipboard = main.clipboard.List1;
    for (int i = 0; i < clipboard.listCount(); ++i)
        lines << clipboard.list(i);
    lines << PartitionSection;
    const platform::Grid& grid = main.partition.grid;
    for (int r = 1; r <= grid.rows() - 2; ++r) {
        QString name = setting_file::PartName(grid.textMatrix(r, 1));
        name.replace(QLatin1Char('>'), QLatin1Char('_')); // ">" ends the name
        lines << name + QLatin1Char('>') + grid.textMatrix(r, 2);
    }
    lines << FontSection << main.editor.font.Combo9[0].text() << main.editor.font.Combo9[1].text();
    return lines;
}

} // namespace

namespace setting_file {

QString PartName(const QString& name) {
    QString safe = name;
    safe.replace(QLatin1Char('/'), QLatin1Char('_'));
    safe.replace(QLatin1String(".."), QLatin1String("_"));
    return safe;
}

bool Read(Program& p, const QString& path) {
    const runtime::TextFileContent content = runtime::ReadTextFile(path);
    if (!content.ok) {
        p.messages.ShowMessage(p.texts.Say("The setting file could not be read (%1).",
                                           MessageWindow::Verbatim(content.error)),
                               KindExclamation, QStringLiteral("ok"), p.texts.TextTable(9, 14));
        return false;
    }
    Reader(p).Run(content.lines);
    return true;
}

bool Write(Program& p, const QString& path, QString* error) {
    return runtime::WriteTextFile(path, Compose(p), error);
}

} // namespace setting_file

// ---- Save Settings ----------------------------------------------------------------

// An empty folder leaves the chooser where it was; the media-name option has
// no meaning for a setting file and is withheld.
frmFile& FileCommands::PresetChooserForSettings() {
    frmFile& chooser = p_.fileChooser();
    chooser.List3.setListIndex(frmFile::TypeSettingFile);
    chooser.txtFilename.setText(QString());
    chooser.PresetQuestion(true, p_.texts.TextTable(6, 2), false);
    return chooser;
}

// The chosen name gets the ".scd" extension, which Load recognises.
void FileCommands::MenuSaveSettings() {
    InstantHelp(HelpSaveSettings);
    frmFile& chooser = PresetChooserForSettings();
    chooser.showModal();
    if (p_.messages.MsgResult == AnswerCancel) return;
    QString name = chooser.lblFullName.caption();
    if (name.isEmpty() || name.endsWith(QLatin1Char('/'))) return; // no file was named
    if (!name.endsWith(Extension, Qt::CaseInsensitive)) name += Extension;
    if (p_.files.FileExist(name) == AnswerYes) {
        QString error;
        if (!setting_file::Write(p_, name, &error))
            ReportFailure(p_.texts.Say("The settings were not saved (%1).",
                                       MessageWindow::Verbatim(p_.texts.Told(error))),
                          p_.texts.TextTable(9, 13));
    }
    p_.macro.SetMacroAction(QString(), ActionSaveSettings);
}
