#pragma once
// The current file and the routines that write subtitle files, keep their
// node files and make a file the current one.

#include <QStringList>

class Program;
class NodeTable;

class Files {
public:
    explicit Files(Program& p);

    // The current file: full path, name without folder, name up to its first
    // ".", the name with blanks as "_" for the server, and its format number.
    QString CurFileName;
    QString CurFileTitle;
    QString CurFileBase;
    QString FtpFileName;
    int CurFileIndex = 0;

    // Makes a file the current one: gives it the format's extension (the
    // argument receives the new name), sets the names above, shows them in the
    // status bar and the upload log, and leaves the name in the file chooser.
    void ShowFileInfo(QString& fileName, int format);

    // Writes the node file of the current document (its parts) for the file
    // named fileName (NodeFileOf). False when it could not be written, or when
    // a node file of that name records another path (it is not touched), with
    // the reason in *error where given; an old node file then stays as it was.
    bool SaveSubControl(const QString& fileName, QString* error = nullptr);
    // \System\Nodes\<name>-<hash>.sdf: the file's name and eight hex digits
    // of a hash of its full path, symbolic links and ".." resolved, so that
    // files of one name in two folders keep parts of their own and one file
    // reached two ways shares them. A name too long for it is cut.
    QString NodeFileOf(const QString& fileName) const;
    // The node file a load takes for fileName: its own (NodeFileOf), else the
    // one keyed by the path as given, else the one of its name alone
    // ("<title>.sdf"), as earlier versions named them, each only when it
    // records the same file; "" for none.
    QString NodeFileRecording(const QString& fileName) const;
    // The document is the one part over every line, named after the current
    // file, that a load gives a file without a node file.
    bool IsSinglePart() const;
    // Reads a node file (mode 0, from \System\Nodes\, into the document's
    // parts, see NodeFileRecording) or a collection
    // file (mode 1, from \Data\Files\, into items and the lines of its <Subs>
    // section). name receives the full path opened.
    // Nothing is changed unless the file is of this program version (a
    // different version is reported) and its counts and rows fit. Mode 0
    // always leaves the document with parts: when the node file is missing,
    // does not fit, or records another file than CurFileName, one part named
    // CurFileBase covers every line. True when the file's entries were taken.
    bool LoadDbsFile(QString& name, int mode);
    bool LoadDbsFile(QString& name, int mode, NodeTable& items, QStringList& lines);

    // The file menu's Save command: true when the document was saved.
    bool MenuSaveSubFile();

    // Writes the grid's rows firstRow..lastRow in a format: to the file
    // chooser's target, to the preview file, or as the partition engine's
    // parts. True when every file of the run was written.
    bool CreateSubFile(bool preview, bool fromPartitionList, int format, int firstRow, int lastRow,
                       bool showProgress);
    // ".srt" for SubRip and so on; "" for a number outside 1..16.
    static QString SetSubFileExt(int format);
    // 3 (Yes) when the file does not exist or the user agrees to overwrite it.
    int FileExist(const QString& fileName);
    // A file the user already agreed to overwrite: the next question about
    // it is taken as answered Yes, once.
    QString OverwriteAgreed;

    // The file the document was last read from or saved to, as it was then
    // (size, modification time, file number): another Mirel may save over it
    // meanwhile, and a save over such a file asks first.
    void RememberDiskState(const QString& path);
    bool IsRememberedFile(const QString& path) const;
    // True when `path` is that file and it exists but is no longer as it was.
    bool ChangedOnDisk(const QString& path) const;
    // The writer's question before it writes over such a file (in place of
    // the routine one): true when it is not changed, or the user says Yes.
    bool MayOverwriteChange(const QString& path);

    // A file as it is on disk (size, modification time, file number); a file
    // that does not exist has the empty state.
    struct DiskState {
        QString path; // canonical; "" for none
        long long size = -1, seconds = 0, nanoseconds = 0;
        unsigned long long inode = 0;
        bool operator==(const DiskState&) const = default;
    };
    static DiskState DiskStateOf(const QString& path);
    void RememberDiskState(const DiskState& state) { remembered_ = state; }
    // The writer's last look before it writes: a file that is no longer as it
    // was when the save's questions began (another program wrote it while one
    // was open) is asked about as changed on disk.
    bool MayOverwriteSince(const QString& path, const DiskState& seen);

private:
    bool askChangedOnDisk(const QString& path);
    DiskState remembered_;

    Program& p_;
};
