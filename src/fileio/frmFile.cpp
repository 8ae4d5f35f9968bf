#include "fileio/frmFile.h"

#include "platform/Keys.h"
#include "platform/Palette.h"
#include "runtime/Strings.h"

#include "shell/LabelButton.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

#include <QDir>
#include <algorithm>

namespace {

constexpr int WindowWidth = 8400, WindowHeight = 6720;
constexpr int Margin = 120, InnerWidth = WindowWidth - 2 * Margin;
constexpr int ButtonWidth = 975, ButtonHeight = 255, ToggleWidth = 435;
constexpr int StatusTop = 6300, StatusHeight = 255;
// The panes and the file list share one place; an open pane lies over the list.
constexpr int ListTop = 1980, ListHeight = 2760;
const QString Open = QStringLiteral(">>");
const QString Close = QStringLiteral("<<");
QString TypeOrChooseName(const Program& p) {
    return p.texts.Say("Type a file name or choose one in the list.");
}
QString ChooseName(const Program& p) {
    return p.texts.Say("Choose a file in the list: Ok needs its name.");
}

QString joinPath(const QString& folder, const QString& name) {
    if (folder.isEmpty()) return name;
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

} // namespace

frmFile::frmFile(Program& p)
    : Form(p.host, "frmFile"), pMove(*this, "pMove"), Label3(*this, "Label3", "File Handling"),
      lblInfo(*this, "lblInfo", "Information about file handling here"),
      Label31(*this, "Label31", Open), Label36(*this, "Label36"), List1(*this, "List1"),
      Drive1(*this, "Drive1"), Label2(*this, "Label2", Open), Label1(*this, "Label1"),
      List2(*this, "List2"), Label6(*this, "Label6", Open),
      Label5(*this, "Label5", "File listing (*.*)"), List3(*this, "List3"), File1(*this, "File1"),
      Label7(*this, "Label7", "Refresh"), Label4(*this, "Label4", "Filename:"),
      txtFilename(*this, "txtFilename"),
      Check1(*this, "Check1", "Save as current loaded media name"),
      lblFullName(*this, "lblFullName"), lblMess(*this, "lblMess", "Message:"),
      lblErr(*this, "lblErr", "Ready"), p_(p) {
    createControls();
    layOut();
    wireHandlers();
    onLoad = [this] { formLoad(); };
    onShow = [this] { formShow(); };
    openOver([&p]() -> const platform::Form* { return p.hasMain() ? &p.main() : nullptr; });
    load(); // the panes are filled before the first caller presets them
    lblFullName.setCaption(p.files.CurFileName);
}

void frmFile::createControls() {
    cmdAction.add(*this, "cmdAction", Cancel, "Cancel");
    cmdAction.add(*this, "cmdAction", Ok, "Ok");
    const char* names[] = {"Drive:", "Folder:", "Type:"};
    for (int i = 0; i < 3; ++i)
        lblPaneName.add(*this, "lblPaneName", i, QString::fromLatin1(names[i]));
    Drive1.setVisible(false);
}

void frmFile::layOut() {
    setCaption("File Handling");
    move(0, 0, WindowWidth, WindowHeight);
    pMove.move(0, 0, WindowWidth, 300);
    pMove.setBackColor(platform::palette::ButtonRest);
    Label3.move(Margin, 390, 4000, 255);
    Label3.setFontBold(true);
    lblInfo.move(Margin, 660, InnerWidth, 255);
    constexpr int NameWidth = 780;
    const int valueLeft = Margin + ToggleWidth + 120 + NameWidth;
    platform::Label* headers[] = {&Label31, &Label2, &Label6};
    platform::Label* values[] = {&Label36, &Label1, &Label5};
    const char* tips[] = {"Drives", "Folders", "File types"};
    for (int i = 0; i < 3; ++i) {
        const int top = 1020 + i * 300;
        headers[i]->move(Margin, top, ToggleWidth, ButtonHeight);
        headers[i]->setToolTipText(QString::fromLatin1(tips[i]));
        MakeLabelButton(*headers[i]);
        lblPaneName[i].move(Margin + ToggleWidth + 120, top, NameWidth, ButtonHeight);
        values[i]->move(valueLeft, top, WindowWidth - Margin - valueLeft, ButtonHeight);
    }
    layOutPanes();
    Label7.move(WindowWidth - Margin - ButtonWidth, ListTop + ListHeight + 90, ButtonWidth,
                ButtonHeight);
    MakeLabelButton(Label7);
    Label4.move(Margin, 5220, ButtonWidth, 255);
    txtFilename.move(Margin + 1020, 5175, InnerWidth - 1020, 315);
    Check1.move(Margin + 1020, 5550, 5000, 255);
    lblFullName.move(Margin, 5880, InnerWidth, 255);
    lblFullName.setForeColor(platform::palette::ButtonRest);
    lblMess.move(Margin, StatusTop, 900, StatusHeight);
    const int buttonsLeft = WindowWidth - Margin - 2 * ButtonWidth - 60;
    lblErr.move(Margin + 900, StatusTop, buttonsLeft - 60 - (Margin + 900), StatusHeight);
    lblErr.setWordWrap(true); // up to Cancel, and the window grows for its lines
    for (auto it = cmdAction.begin(); it != cmdAction.end(); ++it) {
        const int fromRight = it.index() == Ok ? 1 : 2;
        it->move(WindowWidth - Margin - fromRight * ButtonWidth - (fromRight - 1) * 60, StatusTop,
                 ButtonWidth, ButtonHeight);
        MakeLabelButton(*it);
    }
}

void frmFile::layOutPanes() {
    File1.move(Margin, ListTop, InnerWidth, ListHeight);
    for (platform::Control* pane :
         {static_cast<platform::Control*>(&List1), static_cast<platform::Control*>(&List2),
          static_cast<platform::Control*>(&List3)}) {
        pane->move(Margin, ListTop, InnerWidth, ListHeight);
        pane->setVisible(false);
    }
}

void frmFile::wireHandlers() {
    attachDragStrip(pMove);
    for (platform::Label* header : {&Label31, &Label2, &Label6})
        header->onClick = [this, header] { PaneHeaderClick(*header); };
    List1.onClick = [this] { DriveChosen(); };
    List3.onClick = [this] { TypeChosen(); };
    List2.onChange = [this] { FolderMoved(); };
    List2.onClick = [this] { FolderMoved(); };
    File1.onPathChange = [this] { FileListPathChanged(); };
    File1.onPatternChange = [this] { FileListPatternChanged(); };
    File1.onClick = [this] { FileChosen(); };
    File1.onDblClick = [this] { FileDoubleClicked(); };
    txtFilename.onChange = [this] { FileNameEdited(); };
    // Return in the name is Ok, as in every file chooser.
    txtFilename.onKeyPress = [this](int& key) {
        if (key != platform::KeyReturn) return;
        key = 0;
        if (cmdAction[Ok].enabled()) cmdActionClick(Ok);
    };
    Label7.onClick = [this] { RefreshClick(); };
    cmdAction.onClick([this](int i) { cmdActionClick(i); });
    onActivate = [this] { formActivate(); };
    // Closing the window other than by its buttons is a Cancel; it only hides.
    onQueryUnload = [this](int& cancel, int) {
        cancel = 1;
        cmdActionClick(Cancel);
    };
    onEscape = [this] { cmdActionClick(Cancel); };
}

// The drive of the program folder is chosen, every type listed, the panes
// closed and the file list on the program's subtitle folder.
void frmFile::formLoad() {
    for (int i = 0; i < Drive1.listCount(); ++i)
        List1.addItem(Drive1.list(i));
    for (int type = 0; type < TypeCount; ++type)
        List3.addItem(p_.texts.Told(formats::Filter(type).section(QLatin1Char('|'), 0, 0)));
    List1.setListIndex(Drive1.indexOf(p_.folder.root()));
    List3.setListIndex(TypeSupported);
    PaneHeaderClick(Label6);
    const QString files = p_.folder.path(runtime::Place::FilesFolder);
    QDir().mkpath(files);
    if (!List2.setPath(files)) List2.setPath(p_.folder.root());
}

platform::Control* frmFile::paneOf(const platform::Label& header) {
    if (&header == &Label31) return &List1;
    if (&header == &Label2) return &List2;
    if (&header == &Label6) return &List3;
    return nullptr;
}

void frmFile::setPane(platform::Label& header, bool open) {
    header.setCaption(open ? Close : Open);
    platform::Control* pane = paneOf(header);
    pane->setVisible(open);
    if (open) pane->zOrder(0);
}

// At most one pane is open: opening one closes the others.
void frmFile::PaneHeaderClick(platform::Label& header) {
    if (!paneOf(header)) return;
    if (header.caption() == Close) {
        setPane(header, false);
    } else if (header.caption() == Open) {
        for (platform::Label* other : {&Label31, &Label2, &Label6})
            if (other != &header) setPane(*other, false);
        setPane(header, true);
    }
}

void frmFile::DriveChosen() {
    ShowStatus(p_.texts.TextTable(4, 39));
    const int index = List1.listIndex();
    if (index < 0) return;
    Label36.setCaption(List1.text());
    PaneHeaderClick(Label31);
    if (!Drive1.setListIndex(index)) {
        ShowStatus(Drive1.error());
        return;
    }
    if (!List2.setPath(Drive1.drive())) {
        ShowStatus(List2.error());
        return;
    }
    PaneHeaderClick(Label2);
}

void frmFile::TypeChosen() {
    const int index = List3.listIndex();
    if (index < 0) return;
    Label5.setCaption(List3.text());
    File1.setPattern(TypePattern(index));
    if (following_) return; // the name chose it: the name stays, the pane too
    pickedType_ = index;
    MatchNameToType();
    PaneHeaderClick(Label6);
}

// A name typed to save a subtitle file under decides the type shown.
bool frmFile::FollowsTypedName() const {
    return visible() && !txtFilename.locked() && pickedType_ >= 0 && pickedType_ < Format::Count;
}

// An extension of one format shows that format; one that several share
// keeps a picked type among them and otherwise asks for the pick; any other
// name shows the type picked.
void frmFile::FollowTypedName() {
    if (!FollowsTypedName()) return;
    const QList<int> owners =
        formats::FormatsWithExtension(formats::ExtensionOf(txtFilename.text()));
    int type = pickedType_;
    if (owners.size() == 1) type = owners[0];
    if (type != List3.listIndex()) {
        following_ = true;
        List3.setListIndex(type);
        following_ = false;
    }
    if (owners.size() > 1 && !owners.contains(pickedType_)) AskTypeAmong(owners);
}

void frmFile::AskTypeAmong(const QList<int>& owners) {
    QStringList names;
    for (int format : owners)
        names << formats::Name(format);
    const QString last = names.takeLast();
    nameHint_ = p_.texts.Say("\"%1\" is the extension of %2 and %3: pick the type to write.",
                             formats::ExtensionOf(txtFilename.text()),
                             names.join(QStringLiteral(", ")), last);
    ShowStatus(nameHint_);
    if (Label6.caption() == Open) PaneHeaderClick(Label6);
}

// Ok writes the name as the box shows it, in the type the list shows. Where
// the type would still change the name (no extension, another type's), the
// box shows the name changed and Ok waits for the next press.
bool frmFile::ShowsNameWritten() {
    if (!FollowsTypedName()) return true;
    const QString name = txtFilename.text();
    const int type = List3.listIndex();
    const QList<int> owners = formats::FormatsWithExtension(formats::ExtensionOf(name));
    if (owners.size() > 1 && !owners.contains(type)) {
        AskTypeAmong(owners);
        return false;
    }
    if (!formats::IsSubtitleFormat(type)) return true;
    const QString written = formats::WithExtension(name, type);
    if (written == name) return true;
    txtFilename.setText(written);
    nameHint_ = p_.texts.Say("The name now ends in the type's extension: Ok writes it as shown.");
    ShowStatus(nameHint_);
    return false;
}

// A name typed to save a subtitle file under shows the extension it will be
// written with: "src.srt" becomes "src.sub" when MicroDVD is picked.
void frmFile::MatchNameToType() {
    const int type = List3.listIndex();
    const QString name = txtFilename.text();
    if (txtFilename.locked() || !formats::IsSubtitleFormat(type) || runtime::Trim(name).isEmpty())
        return;
    txtFilename.setText(formats::WithExtension(name, type));
}

QString frmFile::TypePattern(int type) const {
    if (type < 0 || type >= TypeCount) return QStringLiteral("*.*");
    return formats::Filter(type).section(QLatin1Char('|'), 1);
}

// The folder selected (or, with none selected, the open one) is the one
// listed, shown and answered from.
void frmFile::FolderMoved() {
    const QString folder = List2.list(List2.listIndex());
    if (folder.isEmpty()) return;
    Label1.setCaption(folder);
    if (!File1.setPath(folder)) ShowStatus(File1.error());
}

void frmFile::FileListPathChanged() {
    SyncNameToList(true);
}

void frmFile::FileListPatternChanged() {
    SyncNameToList(false);
}

// The list was read again as the window came into view (files written or
// removed meanwhile): the name box follows it, and shows the extension of
// the type preset and whether it takes typing.
void frmFile::formShow() {
    pickedType_ = List3.listIndex();
    SyncNameToList(false);
    MatchNameToType();
    txtFilename.setBackColor(txtFilename.locked() ? platform::SysButtonFace
                                                  : platform::SysWindowBackground);
    ShowNameState();
}

void frmFile::SyncNameToList(bool newFolder) {
    const bool typed = !txtFilename.locked();
    for (int i = 0; i < File1.listCount(); ++i)
        if (File1.list(i) == txtFilename.text()) {
            File1.setListIndex(i);
            FileChosen();
            return;
        }
    // A name typed to save under stays in every folder: taking the new
    // folder's first file instead would have Ok overwrite it. An empty box,
    // or one holding the old folder's file, offers the new folder's first.
    const QString name = txtFilename.text();
    const bool ownName = !runtime::Trim(name).isEmpty() && name != listedName_;
    if (typed && (!newFolder || ownName)) return;
    if (File1.listCount() > 0) {
        File1.setListIndex(0);
        FileChosen(); // also when the first file was selected already
    } else if (!typed) {
        txtFilename.setText(QString()); // Ok goes with it
    }
}

void frmFile::FileChosen() {
    if (File1.listIndex() < 0) return;
    listedName_ = File1.fileName();
    txtFilename.setText(listedName_);
    cmdAction[Ok].setEnabled(true);
}

void frmFile::FileDoubleClicked() {
    if (File1.listIndex() < 0) return;
    FileChosen();
    cmdActionClick(Ok);
}

void frmFile::FileNameEdited() {
    ShowNameState();
    FollowTypedName();
}

// Ok is offered while the name box holds a name; while it is empty the
// status line says why Ok does nothing.
void frmFile::ShowNameState() {
    const bool named = !txtFilename.text().isEmpty();
    cmdAction[Ok].setEnabled(named);
    const QString why = txtFilename.locked() ? ChooseName(p_) : TypeOrChooseName(p_);
    const QString shown = lblErr.caption();
    if (!named)
        ShowStatus(why);
    else if (shown == ChooseName(p_) || shown == TypeOrChooseName(p_) || shown == nameHint_)
        ShowStatus(p_.texts.TextTable(4, 39));
}

// The status line wraps beside the buttons; the window grows below for its
// lines (moving up where it would pass the screen's bottom) and takes its
// height again for one line.
void frmFile::ShowStatus(const QString& text) {
    lblErr.setCaption(text);
    const int screen = host().screen.height();
    const int room = screen > 0 ? screen - WindowHeight : 0;
    const int extra = std::clamp(lblErr.textHeight() - StatusHeight, 0, std::max(0, room));
    lblErr.setHeight(StatusHeight + extra);
    setHeight(WindowHeight + extra);
    if (screen > 0 && top() + height() > screen) setTop(std::max(0, screen - height()));
}

void frmFile::RefreshClick() {
    File1.refresh();
}

void frmFile::PresetQuestion(bool typed, const QString& info, bool mediaName) {
    txtFilename.setEnabled(true);
    txtFilename.setLocked(!typed);
    lblInfo.setCaption(info);
    Check1.setEnabled(mediaName);
}

bool frmFile::ShowFolder(const QString& folder) {
    if (Drive1.setDrive(folder)) Label36.setCaption(Drive1.drive());
    if (!List2.setPath(folder)) {
        ShowStatus(List2.error());
        return false;
    }
    if (!File1.setPath(folder)) ShowStatus(File1.error());
    Label1.setCaption(List2.path());
    return true;
}

// The answer is built for Cancel too; callers ignore it then. A withheld
// Check1 cannot be the user's choice, so only an offered one counts. Ok with
// no name to answer says why and leaves the window open, and so does one the
// type would change: the box holds the very name the file is written under.
void frmFile::cmdActionClick(int index) {
    const bool media = Check1.enabled() && Check1.value() == platform::CheckBox::Checked;
    if (index == Ok && !HasAnswer(media)) return;
    if (index == Ok && !media && !ShowsNameWritten()) return;
    if (media)
        lblFullName.setCaption(p_.players.mediaFileName());
    else
        lblFullName.setCaption(NamedPath());
    p_.messages.MsgResult = index;
    if (index == Cancel) p_.macro.MacroRunning = false;
    hide();
}

// The name box's name in the folder listed; a full path typed is that path.
QString frmFile::NamedPath() const {
    const QString name = txtFilename.text();
    if (QDir::isAbsolutePath(name)) return QDir::cleanPath(name);
    return joinPath(File1.path(), name);
}

bool frmFile::HasAnswer(bool media) {
    QString why;
    if (media && p_.players.mediaFileName().isEmpty())
        why = p_.texts.Say("No media file is loaded in the player, so there is no media name to "
                           "use.\r\nUntick the option or type a file name.");
    else if (!media && runtime::Trim(txtFilename.text()).isEmpty())
        why = TypeOrChooseName(p_);
    if (why.isEmpty()) return true;
    p_.messages.ShowMessage(why, KindExclamation, QStringLiteral("ok"),
                            QStringLiteral("File Handling"));
    return false;
}

void frmFile::formActivate() {
    p_.macro.SetMacroAction(QString(), 37);
}
