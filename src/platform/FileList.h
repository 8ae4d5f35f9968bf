#pragma once
// A file list: the files of one folder whose names match a pattern, sorted by
// name without case. Pattern holds one or more wildcard patterns separated by
// ";" ("*.smi;*.sami"), matched without case, since subtitle files come with
// their extensions in any case; "*.*" and "" list every file. Hidden files
// (names starting with ".") and folders are not listed.
//
// Setting Path to another readable folder reads it and runs PathChange;
// setting Pattern to another pattern reads the folder again and runs
// PatternChange; neither selects a file. Click runs for each change of the
// selected file, by the user or by ListIndex from code; DblClick runs for a
// double click on a file. Refresh reads the folder again and keeps the
// selected file selected while it is still listed; the list refreshes itself
// each time it comes into view (its window shown again), so it shows the
// files written meanwhile.

#include "platform/Control.h"

#include <QStringList>

class QListWidget;

namespace platform {

class FileListBox : public Control {
public:
    FileListBox(Container& parent, const QString& name);

    QString path() const { return path_; }
    // False (error() says why) when the folder cannot be read; nothing changes then.
    bool setPath(const QString& folder);
    QString error() const { return error_; }

    QString pattern() const { return pattern_; }
    void setPattern(const QString& patterns);
    // Whether a file name matches one of the ";"-separated patterns, without case.
    static bool matches(const QString& fileName, const QString& patterns);

    int listCount() const;
    // The name (without folder) of file index; "" outside the list.
    QString list(int index) const;
    // The selected file (-1 for none); indexes outside -1 .. ListCount - 1 are ignored.
    int listIndex() const;
    void setListIndex(int index);
    // The selected file's name ("" for none).
    QString fileName() const { return list(listIndex()); }

    void refresh() override;

    std::function<void()> onPathChange;
    std::function<void()> onPatternChange;

private:
    QListWidget* view() const;
    void readFolder();
    void userSelected();

    QString path_;
    QString pattern_ = QStringLiteral("*.*");
    QString error_;
    bool quiet_ = false;
};

} // namespace platform
