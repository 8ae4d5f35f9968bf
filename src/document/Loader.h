#pragma once
// Loading a subtitle file into the document: the one entry through which a
// file enters the grid (command line, last file, Load and Add, recent files,
// downloads).
//
// A load checks everything before it changes anything: the file is read and
// decoded once, its format recognised, its reader found and its lines counted
// against the reading limit, and a changed document is offered for saving.
// Only then is the document reset (on a load) and the file read into rows; the
// completion brings the parts, the line list, the edit area and the window
// state in line with what was read. A media file goes to the player instead,
// and its companion subtitle file (same name, a subtitle extension) is loaded
// in its place when the settings ask for it.

#include <QString>

class Program;
class LineSource;
class ReaderFrame;
struct ReadRequest;
struct SubtitleReader;

class Loader {
public:
    explicit Loader(Program& p);

    // fileName: full path (a video's companion subtitle replaces it).
    // format: in, the format asked for (0 detects); out, the format read.
    // startRow: 1 loads (replaces the document), the spare row's index adds;
    // out, one past the last row written.
    // detectOnly: only recognise the format (nothing else changes).
    // showProgress: log the load in the progress window.
    // interactive: ask about bad lines and tell why a file was refused or
    // failed; otherwise those pass without a message.
    // A call made while a load runs does nothing (LoadOk false).
    void LoadSubFile(QString& fileName, int& format, int& startRow, bool detectOnly,
                     bool showProgress, bool interactive);

    // True when the last call read a subtitle file into the document (bad
    // lines passed over count as read); false when it was refused, failed,
    // was cancelled, only detected the format or opened a media file.
    bool LoadOk = false;
    // True while a load runs; commands that change the document wait for it.
    bool Loading() const { return loading_; }

    // A media file: .avi, .mp3, .wav, .mpg or .wmv, in any case.
    static bool IsMediaFile(const QString& fileName);
    // The subtitle file beside a video with the same name (compared without
    // case) and a subtitle extension, the first in name order; "" when none.
    static QString FindCompanionSubtitle(const QString& mediaPath);

private:
    struct Call;
    enum class MediaStep { NotMedia, Opened, Companion };

    bool Load(Call& c);
    bool RefuseAppend(Call& c);
    void ShowProgressWindow(Call& c);
    void EnterBusyState();
    MediaStep OpenMedia(Call& c);
    void MediaLog(Call& c, double duration);
    void EnableMediaControls(double duration);
    bool CheckFormat(Call& c, LineSource& source);
    int FormatOfExtension(const Call& c, LineSource& source);
    bool YieldsASubtitle(const ReadRequest& request, LineSource& source,
                         const SubtitleReader& reader);
    QString FormatNameOf(int format) const;
    bool ConfirmUnsavedDocument(Call& c);
    bool Refuse(Call& c, const QString& text, const QString& title, int kind = 2,
                const QString& buttons = QStringLiteral("ok"));
    bool ReadIntoDocument(Call& c, ReaderFrame& frame, const SubtitleReader& reader);
    void ResetDocument(Call& c);
    void ClearDiagnoseMessages(int fromRow);
    void WarnWrongFormat(const Call& c);
    void ResetFileState(Call& c);
    void AddToRecentFiles(const QString& path);
    void Complete(Call& c, const ReaderFrame& frame, bool ok);
    void CompleteParts(const Call& c, const ReaderFrame& frame, bool ok);
    void AppendPart(int firstRow, int lastRow);
    void SinglePart();
    void SetRangeFields();
    void ReleaseControls(Call& c);
    void FinishProgressLog(Call& c, bool read);

    Program& p_;
    bool loading_ = false;
};
