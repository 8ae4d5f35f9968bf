#pragma once
// The program folder: every file Mirel keeps lives below it, at a fixed
// relative path such as "\System\Settings\set.sdf". The folder is MIREL_HOME
// when that is set, else the folder of the executable (the build copies the
// program folder template dist/ there).
//
// Several runs of Mirel may share one program folder. Each run keeps its
// scratch files in a folder of its own below \Data\Temporarily, held with a
// lock file for as long as the run lasts, so that another run never empties
// or overwrites them.

#include <QString>
#include <memory>

namespace runtime {

// The places below the program folder, each spelled once (relative()).
enum class Place {
    System,            // \System: state files, node files, language packs
    SettingsFile,      // \System\Settings\set.sdf: the settings
    RecentFile,        // \System\recent.sdf: the recent-file list
    LastFile,          // \System\last.sdf: the files open at the last exit
    PositionFile,      // \System\pos.sdf: the main window's position
    SearchFile,        // \System\sr.sdf: the search history
    MacroFile,         // \System\Macro.sdf: the macro store
    WizardFile,        // \System\wizard.sdf: the wizard list
    InternetFile,      // \System\i.set: the help and server addresses
    DownloadList,      // \System\sublist.sdf: the stored download list
    TipFile,           // \System\tip.sdf: the tips
    HelpCenterFile,    // \System\helpcenter.htm: the help window's start page
    NodesFolder,       // \System\Nodes: one node file per subtitle file
    LanguageFolder,    // \System\Language: the language packs
    HelpFolder,        // \System\Language\Help: one folder of help pages per language
    SoundsFolder,      // \System\Sounds: the player's sounds
    FilesFolder,       // \Data\Files: subtitle and collection files
    CalculatorFolder,  // \Data\Calculator: calculator tablets
    MacroFolder,       // \Data\Macro: macro plug-ins
    MacroExportFolder, // \Data\Macro\Export: exported macros
    ScratchFolder,     // \Data\Temporarily\<run>: this run's scratch files (see path())
};

class ProgramFolder {
public:
    // The relative path of a place, written with "\".
    static QString relative(Place place);
    // The full path of a place. The scratch folder is this run's own folder
    // below \Data\Temporarily; the first call takes it (see scratchFolder).
    QString path(Place place) const { return path(placePath(place)); }
    // A file in a folder place (see path(folder, name)).
    QString path(Place folder, const QString& fileName) const {
        return path(placePath(folder), fileName);
    }

    explicit ProgramFolder(const QString& root);

    // MIREL_HOME, else the executable's folder.
    static QString locate();

    const QString& root() const { return root_; }
    // Joins a relative path written with "\" or "/" ("\System\recent.sdf")
    // onto the program folder.
    // A path that would lead outside the program folder gives "".
    QString path(const QString& relative) const;
    // A file in one of the program's folders: the folder is a fixed relative
    // path, the name is taken as it stands ("\" and ".." are ordinary
    // characters of a Linux file name; "/" becomes "_").
    QString path(const QString& relativeFolder, const QString& fileName) const;

    // Removes from \Data\Temporarily what no running Mirel owns: loose files
    // (older runs kept their files there) and the folders of runs that ended
    // without removing theirs, told by a lock that no living process holds,
    // or empty and without a lock, named after a process that has ended.
    // Folders of running Mirels, this one's included, and folders that are
    // no run's stay.
    void clearUnownedScratch() const;
    // Whether this run holds its scratch folder (taken by the first use of
    // the scratch place): false while it could not be made or locked.
    bool holdsScratch() const;
    // Removes this run's scratch folder with everything in it and gives up
    // its lock; a later use takes a new folder.
    void releaseScratch() const;
    // The name of the lock file in a run's scratch folder.
    static QString scratchLockName();

private:
    struct ScratchRun;
    QString placePath(Place place) const;
    // This run's folder, relative: taken on first use ("run-" and the process
    // id, and a number when another program object of this process holds
    // that), emptied then. When it cannot be created or locked the name is
    // still given, and the next use tries again.
    QString scratchFolder() const;

    QString root_;
    std::shared_ptr<ScratchRun> scratch_;
};

} // namespace runtime
