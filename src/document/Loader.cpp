// LoadSubFile: the request and its checks, up to the reset of the document.
// The media branch is in LoadMedia.cpp, the reset and completion in
// LoadCompletion.cpp.

#include "document/Loader.h"

#include "runtime/Strings.h"
#include "runtime/TextFile.h"

#include "document/FormatDetection.h"
#include "document/LoaderCall.h"
#include "document/MessageWindow.h"
#include "document/ReaderFrame.h"
#include "platform/Grid.h"
#include "shell/Program.h"
#include "shell/frmControl.h"
#include "shell/frmMain.h"
#include "shell/frmSettings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>

namespace {

// Clears the running flag however the load ends.
struct RunningFlag {
    explicit RunningFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~RunningFlag() { flag_ = false; }
    RunningFlag(const RunningFlag&) = delete;
    RunningFlag& operator=(const RunningFlag&) = delete;
    bool& flag_;
};

} // namespace

Loader::Loader(Program& p) : p_(p) {}

void Loader::LoadSubFile(QString& fileName, int& format, int& startRow, bool detectOnly,
                         bool showProgress, bool interactive) {
    if (loading_) { // the grid is being filled: a second load is refused
        LoadOk = false;
        return;
    }
    RunningFlag running(loading_);
    Call c{fileName, format, startRow, detectOnly, showProgress, interactive, format, startRow};
    LoadOk = Load(c);
}

bool Loader::Load(Call& c) {
    // An add's rows always go after the document's last line (so an add to an
    // empty document is a load).
    if (c.startRow > 1) c.startRow = c.firstRow = std::max(1, p_.doc.grid().rows() - 1);
    if (RefuseAppend(c)) return false;
    ShowProgressWindow(c);
    EnterBusyState();
    if (OpenMedia(c) == MediaStep::Opened) return false;

    // The questions below may be open while another program saves over the
    // file: what a later save checks is the file as read, not as it is then.
    c.read = Files::DiskStateOf(c.fileName);
    LineSource source = LineSource::FromFile(c.fileName);
    if (!CheckFormat(c, source)) return false;
    const SubtitleReader& reader = *ReaderFor(c.format);
    ReaderFrame frame(p_, source, c.request());
    frame.CountPass(reader);
    if (!frame.WithinReadingLimit())
        return Refuse(c, frame.ReadingLimitText(), QStringLiteral("Reading limit"), 0,
                      QStringLiteral("cancel"));
    if (!YieldsASubtitle(c.request(), source, reader))
        return Refuse(c,
                      p_.texts.Say("'%1' was not loaded: it holds no subtitle that Mirel can "
                                   "read as %2.",
                                   MessageWindow::Verbatim(c.fileName), FormatNameOf(c.format)),
                      p_.texts.TextTable(9, 14));
    if (!ConfirmUnsavedDocument(c)) return false;
    if (!ReadIntoDocument(c, frame, reader)) return false;
    if (source.eightBit() && p_.doc.TextCodePage.isEmpty()) {
        p_.doc.TextCodePage = runtime::SystemCodePage();
        p_.settings().ReadTextInScript(false); // in the script the user chose
    }
    return true;
}

// A document holds at most 99 parts, and each added file makes one.
bool Loader::RefuseAppend(Call& c) {
    if (!c.add() || p_.doc.FileNodes.Count() < NodeTable::MaxCount) return false;
    p_.messages.ShowMessage(p_.texts.TextTable(9, 18), KindQuestion, QStringLiteral("ok"),
                            QStringLiteral("File.Add Error"));
    return true;
}

// Started with a file on the command line, the program loads it without
// showing the log.
void Loader::ShowProgressWindow(Call& c) {
    if (!p_.shell.CommandLine.isEmpty() || !c.showProgress) return;
    p_.control().StartLoadLog();
}

// The window repaints before the load, but takes no click or key meanwhile:
// those run after the load, in the order made.
void Loader::EnterBusyState() {
    p_.main().player.timPlayer.setEnabled(false);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    p_.host.screen.setMousePointer(platform::Screen::PointerHourglass);
}

// The file must open, its format be known and readable.
bool Loader::CheckFormat(Call& c, LineSource& source) {
    if (!source.ok())
        return Refuse(c, MessageWindow::Verbatim(source.error()), p_.texts.TextTable(9, 14));
    c.format = DetectFileFormat(source.lines(), c.format);
    if (c.format == Format::None) c.format = FormatOfExtension(c, source);
    if (c.detectOnly) {
        p_.host.screen.setMousePointer(platform::Screen::PointerDefault);
        return false;
    }
    if (c.format == Format::None)
        return Refuse(c,
                      p_.texts.Say("The format of '%1' was not recognised: it is not a subtitle "
                                   "file Mirel can read.",
                                   MessageWindow::Verbatim(c.fileName)),
                      QStringLiteral("Unknown format"));
    if (!ReaderFor(c.format))
        return Refuse(c,
                      p_.texts.Say("'%1' was not loaded: %2 files cannot be read.",
                                   MessageWindow::Verbatim(c.fileName), FormatNameOf(c.format)),
                      p_.texts.TextTable(9, 19));
    return true;
}

// A file whose lines announce no format is read in the one format its
// extension names, when that format's reader finds a subtitle in it (a file
// without text is taken as it is); ".sub" names five formats and decides none.
int Loader::FormatOfExtension(const Call& c, LineSource& source) {
    const QList<int> named =
        formats::FormatsWithExtension(QLatin1Char('.') + QFileInfo(c.fileName).suffix());
    if (named.size() != 1) return Format::None;
    const SubtitleReader* reader = ReaderFor(named.first());
    if (!reader) return Format::None;
    ReadRequest asNamed = c.request();
    asNamed.format = named.first();
    return YieldsASubtitle(asNamed, source, *reader) ? named.first() : Format::None;
}

// A file with text in which the reader finds no subtitle would load as an
// empty document: it is refused instead, and the document stays.
bool Loader::YieldsASubtitle(const ReadRequest& request, LineSource& source,
                             const SubtitleReader& reader) {
    const QStringList& lines = source.lines();
    const bool hasText = std::any_of(lines.begin(), lines.end(),
                                     [](const QString& l) { return !l.trimmed().isEmpty(); });
    return !hasText || ReaderFrame::FindsASubtitle(p_, source, request, reader);
}

QString Loader::FormatNameOf(int format) const {
    if (format < 0 || format >= Format::Count) return p_.texts.Say("format %1", format);
    return p_.shell.FormatName[static_cast<std::size_t>(format)];
}

// A refused file leaves everything as it was; the user learns why.
bool Loader::Refuse(Call& c, const QString& text, const QString& title, int kind,
                    const QString& buttons) {
    if (c.interactive) p_.messages.ShowMessage(text, kind, buttons, title);
    if (c.showProgress) {
        frmControl& control = p_.control();
        control.Text1.setText(control.Text1.text() + runtime::CrLf + text);
        control.Text1.refresh();
        control.lblEnd.setCaption(p_.texts.TextTable(9, 14));
        if (control.chkClose.value() == platform::CheckBox::Checked) control.hide();
    }
    p_.host.screen.setMousePointer(platform::Screen::PointerDefault);
    return false;
}

// A changed document is offered for saving before a load replaces it. The
// load goes on after No, or after Yes once the document was saved.
bool Loader::ConfirmUnsavedDocument(Call& c) {
    if (!p_.doc.FileChanged || c.add()) return true;
    const int answer = p_.messages.ShowMessage(
        p_.texts.Say("Mirel is about to load '%1',\r\nbut file '%2'\r\nhas been changed and not "
                     "saved.\r\n\r\nDo you want to save now?\r\nIf you choose '%3', all changes "
                     "are lost.",
                     MessageWindow::Verbatim(c.fileName),
                     MessageWindow::Verbatim(p_.files.CurFileName),
                     p_.messages.ButtonWord(AnswerNo)),
        KindQuestion, QStringLiteral("yesnocancel"), QStringLiteral("Warning: File not saved"),
        false, {p_.files.CurFileName, Question::UnsavedWork});
    if (answer == AnswerNo) return true;
    if (answer == AnswerYes && p_.files.MenuSaveSubFile()) return true;
    p_.host.screen.setMousePointer(platform::Screen::PointerDefault);
    if (p_.hasControl()) p_.control().hide();
    return false;
}
