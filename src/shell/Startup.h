#pragma once
// The program's start: the version texts, the scratch folder and the
// transfer folder's fetched files removed, then the first window: with a file
// on the command line the main window at once, else the splash, which loads
// the main window behind itself.

#include <QString>
#include <QStringList>

class Program;
struct ShellState;

// The program's own version numbers.
struct ProgramVersionNumbers {
    static constexpr int Major = 4;
    static constexpr int Minor = 0;
    static constexpr int Revision = 0;
};

// The entry procedure: runs once, before the event loop starts.
void Main(Program& p);

// The text of the command line: the file name the program was started with
// ("" for none).
QString GetCommandLine(const Program& p);
// The command line as one text from the program's arguments (the program's
// name first): the arguments after it joined by blanks, without the quotation
// marks a shell or a file manager may leave around the whole.
QString CommandLineText(const QStringList& arguments);
// The file a command line names: a relative name is taken from the folder
// the program was started in, so the whole program (and the recent and last
// files it keeps) works with the full path.
QString CommandLineFile(const QString& commandLine, const QString& startFolder);

// "Mirel", "4.00", "400".
void SetVersionTexts(ShellState& s);
// Removes this run's scratch folder (snapshots and previews) and what no
// running Mirel owns in \Data\Temporarily; the folders of other running
// Mirels stay. Failures are ignored.
void EmptyScratchFolder(const Program& p);
// Removes the temporary files that writes of ended runs left beside the
// program folder's files (".Macro.sdf.4711.mirel-part"); a file Mirel did not
// make stays whatever its name.
void RemoveCutShortWrites(const Program& p);
// Deletes what the online requests of an earlier run fetched into the
// transfer folder (the program folder): message.htm, sublist.sdf and
// version.sdf. Nothing outside the program folder is touched.
void DeleteTransferFiles(const Program& p);
