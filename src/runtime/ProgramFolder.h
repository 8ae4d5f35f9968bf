#pragma once
// The program folder: every file Mirel keeps lives below it, at a fixed
// relative path such as "\System\Settings\set.sdf". The folder is MIREL_HOME
// when that is set, else the folder of the executable (the build copies the
// program folder template dist/ there).

#include <QString>

namespace runtime {

class ProgramFolder {
public:
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

private:
    QString root_;
};

} // namespace runtime
