#pragma once
// The file chooser answered as a user answers it, for the load tests that go
// through the file menu: a file picked in a folder's list, or a name typed.

#include "fileio/frmFile.h"
#include "support/TestProgram.h"

#include <QFileInfo>
#include <functional>

// Queues the answer to the next chooser: `check` run on it as it opens (where
// given), the type `type` chosen (-1 leaves it), the file's folder opened,
// the file picked in the list, then Ok.
inline void pickInChooser(TestProgram& t, const QString& path, int type = -1,
                          const std::function<void(frmFile&)>& check = {}) {
    const QFileInfo info(path);
    const QString folder = info.absolutePath(), name = info.fileName();
    t.answer<frmFile>([=](frmFile& f) {
        if (check) check(f);
        if (type >= 0) f.List3.setListIndex(type);
        f.List2.setPath(folder);
        f.File1.refresh();
        int index = -1;
        for (int i = 0; i < f.File1.listCount(); ++i)
            if (f.File1.list(i) == name) index = i;
        ASSERT_GE(index, 0) << name.toStdString() << " is not listed";
        f.File1.setListIndex(index);
        ASSERT_TRUE(f.cmdAction[frmFile::Ok].enabled());
        f.cmdActionClick(frmFile::Ok);
    });
}

// Queues the answer to the next chooser: the type `type`, the folder of
// `path` opened and its file name typed, Ok.
inline void typeInChooser(TestProgram& t, const QString& path, int type) {
    const QFileInfo info(path);
    const QString folder = info.absolutePath(), name = info.fileName();
    t.answer<frmFile>([=](frmFile& f) {
        f.List3.setListIndex(type);
        f.List2.setPath(folder);
        f.txtFilename.setText(name);
        ASSERT_TRUE(f.cmdAction[frmFile::Ok].enabled());
        f.cmdActionClick(frmFile::Ok);
    });
}

// File > Open with the chooser answered: the file picked as `type`.
inline void openThroughMenu(TestProgram& t, const QString& path, int type = -1) {
    pickInChooser(t, path, type);
    t->fileCommands.MenuLoadFile();
}
