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

#include "platform/FolderList.h"

#include <QStringList>

class QListWidget;

namespace platform {

class FileListBox : public FolderList {
public:
    FileListBox(Container& parent, const QString& name);

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

protected:
    void readFolder() override;
    void pathChanged() override;

private:
    QListWidget* view() const;
    void userSelected();

    QString pattern_ = QStringLiteral("*.*");
    bool quiet_ = false;
};

} // namespace platform
