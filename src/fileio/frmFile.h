#pragma once
// The file chooser: a modal window shared by every command that asks for a
// file. A caller presets its controls (type, folder, file name, request text,
// which options are offered), shows it modally and then reads the pressed
// button from MsgResult, the full path from lblFullName and the chosen type
// from List3. It hides instead of closing and keeps its state between callers.
//
// Three panes (drives, folders, file types) open over the file list one at a
// time, each by its ">>" header. The answer is the folder the file list
// shows joined with the file name, or the media player's file when the
// option Check1 is offered and ticked.
//
// It opens over the main window, and its file list is read again each time
// it is shown. The name box never offers a file the list does not show: a
// new folder or type selects the name's file where it is listed, else the
// first file; where nothing is listed, a name that cannot be typed (Load,
// Add) is cleared. A name that can be typed (Save) is the user's: only a new
// folder replaces it, with the folder's first file as before. Saving a
// subtitle file, the name shows the extension of the type picked, and the
// type list follows a name typed: an extension of one other format shows
// that format, one that several share asks the user to pick among them, and
// an unknown one keeps the type picked. Ok writes the name the box shows:
// where the type would change the name, Ok shows it changed and waits. A
// full path typed is the answer as it stands. A name box that takes no
// typing looks so.

#include "document/Formats.h"
#include "document/MessageWindow.h"
#include "platform/CheckBox.h"
#include "platform/ControlArray.h"
#include "platform/DirList.h"
#include "platform/DriveList.h"
#include "platform/FileList.h"
#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/ListBox.h"
#include "platform/TextBox.h"

class Program;

class frmFile : public platform::Form {
public:
    explicit frmFile(Program& p);

    // Entries of the type list List3: 0 every supported file, 1..16 the
    // subtitle formats by number, then the program's own kinds of file.
    static constexpr int TypeCount = FileType::Count;
    enum Type {
        TypeSupported = FileType::Supported,
        TypeSettingFile = FileType::Settings,
        TypeVideo = FileType::Video,
        TypeAudio = FileType::Audio,
        TypeMacro = FileType::Macro,
        TypeTablet = FileType::Tablet
    };
    enum Button { Cancel = AnswerCancel, Ok = AnswerOk };

    platform::PictureBox pMove;    // the drag strip
    platform::Label Label3;        // the title
    platform::Label lblInfo;       // what the caller asks for
    platform::Label Label31;       // drive pane header
    platform::Label Label36;       // the chosen drive
    platform::ListBox List1;       // drive pane
    platform::DriveListBox Drive1; // the drives behind the pane, never shown
    platform::Label Label2;        // folder pane header
    platform::Label Label1;        // the folder shown
    platform::DirListBox List2;    // folder pane
    platform::Label Label6;        // type pane header
    platform::Label Label5;        // the chosen type
    platform::ListBox List3;       // type pane
    platform::FileListBox File1;   // the files of the folder, of the chosen type
    platform::Label Label7;        // Refresh
    platform::Label Label4;        // "Filename:"
    platform::TextBox txtFilename; // the file name
    platform::CheckBox Check1;     // answer the media player's file instead
    platform::Label lblFullName;   // the answer: folder and file name
    platform::Label lblMess;       // "Message:"
    platform::Label lblErr;        // the status line
    platform::ControlArray<platform::Label> cmdAction; // Cancel, Ok

    // Handlers.
    void PaneHeaderClick(platform::Label& header);
    void DriveChosen();
    void TypeChosen();
    void FolderMoved();
    void FileListPathChanged();
    void FileListPatternChanged();
    void FileChosen();
    void FileDoubleClicked();
    void FileNameEdited();
    void RefreshClick();
    void cmdActionClick(int index);
    void formActivate();

    // A caller's location preset: the drive that holds the folder, the
    // folder pane, the file list and the folder label. False (with the reason
    // in lblErr) when the folder cannot be opened; the chooser then stays
    // where it was.
    bool ShowFolder(const QString& folder);
    // A caller's question preset: the name field on, typed into (`typed`) or
    // only filled by a click on a file, the question in lblInfo, and the
    // media-name box offered or withheld.
    void PresetQuestion(bool typed, const QString& info, bool mediaName);
    // The file patterns of a type entry ("*.smi;*.sami").
    QString TypePattern(int type) const;

private:
    // "Drive", "Folder", "Type" before the panes' values.
    platform::ControlArray<platform::Label> lblPaneName;

    void createControls();
    void layOut();
    void layOutPanes();
    void wireHandlers();
    void formLoad();
    platform::Control* paneOf(const platform::Label& header);
    bool HasAnswer(bool media);
    void setPane(platform::Label& header, bool open);
    void formShow();
    void SyncNameToList(bool newFolder);
    void MatchNameToType();
    void ShowNameState();
    void ShowStatus(const QString& text);
    bool FollowsTypedName() const;
    void FollowTypedName();
    void AskTypeAmong(const QList<int>& formats);
    bool ShowsNameWritten();
    QString NamedPath() const;

    Program& p_;
    QString listedName_;     // the name the file list last put into the name box
    int pickedType_ = 0;     // the type the user or the caller picked
    bool following_ = false; // the type list is following the name typed
    QString nameHint_;       // the status line's last word about the name
};
