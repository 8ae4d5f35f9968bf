// The file chooser's lists: files of a folder by pattern (read again each
// time their window is shown), the folder tree as a list, the drives, and
// drops onto a window.

#include "platform/DirList.h"
#include "platform/DriveList.h"
#include "platform/FileList.h"
#include "platform/Form.h"
#include "platform/Host.h"
#include "support/FileBytes.h"
#include "support/ListItems.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

struct Lists : ::testing::Test {
    platform::Host host;
    platform::Form form{host, "frmTest"};
    QTemporaryDir dir;

    QString make(const QString& relative) {
        const QString path = dir.filePath(relative);
        if (relative.endsWith('/'))
            QDir().mkpath(path);
        else
            writeFileAt(path, {});
        return QDir::cleanPath(path);
    }
};

TEST_F(Lists, FilePatternsMatchWithoutCaseAndSortByName) {
    for (const char* n : {"b.SRT", "a.srt", "c.Sami", "d.smi", "e.txt", "noext", ".hidden.srt"})
        make(n);
    make("folder.srt/");
    platform::FileListBox files(form, "File1");
    ASSERT_TRUE(files.setPath(dir.path()));
    EXPECT_EQ(itemsOf(files), QStringList({"a.srt", "b.SRT", "c.Sami", "d.smi", "e.txt", "noext"}))
        << "*.* lists every file, dotted or not; folders and hidden files stay out";
    files.setPattern("*.srt");
    EXPECT_EQ(itemsOf(files), QStringList({"a.srt", "b.SRT"}));
    files.setPattern("*.smi;*.sami");
    EXPECT_EQ(itemsOf(files), QStringList({"c.Sami", "d.smi"}));
    EXPECT_TRUE(platform::FileListBox::matches("MOVIE.ZEG", "*.sub;*.zeg"));
    EXPECT_FALSE(platform::FileListBox::matches("movie.zeg.bak", "*.zeg"));
}

TEST_F(Lists, FileListEventsAndRefresh) {
    make("one/a.srt");
    make("one/b.srt");
    make("two/c.srt");
    platform::FileListBox files(form, "File1");
    int pathChanges = 0, patternChanges = 0, clicks = 0;
    files.onPathChange = [&] { ++pathChanges; };
    files.onPatternChange = [&] { ++patternChanges; };
    files.onClick = [&] { ++clicks; };
    ASSERT_TRUE(files.setPath(dir.filePath("one")));
    EXPECT_TRUE(files.setPath(dir.filePath("one/")));
    EXPECT_EQ(pathChanges, 1) << "the same folder again is no change";
    EXPECT_EQ(files.listIndex(), -1) << "a new folder selects nothing by itself";

    files.setListIndex(1);
    EXPECT_EQ(files.fileName(), "b.srt");
    EXPECT_EQ(clicks, 1);
    form.show();
    make("one/a2.srt"); // written while the window is shown
    EXPECT_EQ(itemsOf(files), QStringList({"a.srt", "b.srt"}));
    form.hide();
    form.show(); // shown again: the list is read again
    EXPECT_EQ(itemsOf(files), QStringList({"a.srt", "a2.srt", "b.srt"}));
    EXPECT_EQ(files.fileName(), "b.srt") << "the selected file stays selected";
    EXPECT_EQ(clicks, 1);
    form.hide();

    EXPECT_FALSE(files.setPath(dir.filePath("missing")));
    EXPECT_FALSE(files.error().isEmpty());
    EXPECT_EQ(files.path(), QDir::cleanPath(dir.filePath("one"))) << "a bad folder changes nothing";
    files.setPattern("*.txt");
    EXPECT_EQ(patternChanges, 1);
    EXPECT_EQ(files.listCount(), 0);
}

TEST_F(Lists, FolderListShowsAncestorsAndSubfoldersAndOpensOnlyOnDemand) {
    const QString root = make("top/");
    make("top/Beta/");
    make("top/alpha/");
    make("top/.git/");
    make("top/file.txt");
    platform::DirListBox folders(form, "List2");
    int changes = 0, clicks = 0;
    folders.onChange = [&] { ++changes; };
    folders.onClick = [&] { ++clicks; };
    ASSERT_TRUE(folders.setPath(root));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(folders.listIndex(), -1);
    EXPECT_EQ(folders.list(-1), root);
    EXPECT_EQ(folders.list(-2), QFileInfo(root).absolutePath());
    const int depth = int(root.count('/'));
    EXPECT_EQ(folders.list(-depth - 1), "/") << "the tree starts at the root";
    EXPECT_EQ(folders.list(-depth - 2), "");
    ASSERT_EQ(folders.listCount(), 2) << "hidden folders stay out";
    EXPECT_EQ(folders.list(0), root + "/alpha");
    EXPECT_EQ(folders.list(1), root + "/Beta");

    folders.setListIndex(1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(folders.path(), root) << "selecting is not opening";
    auto* view = static_cast<QTreeWidget*>(folders.widget());
    ASSERT_EQ(view->currentItem()->text(0), "Beta");
    emit view->itemDoubleClicked(view->currentItem(), 0);
    EXPECT_EQ(folders.path(), root + "/Beta");
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(folders.listIndex(), -1);
    EXPECT_FALSE(folders.setPath(root + "/nothing"));
    EXPECT_EQ(folders.path(), root + "/Beta");
}

TEST_F(Lists, TheOpenFolderGivenAgainIsNoChangeAndOnlyTheFolderListReadsItAgain) {
    const QString root = make("again/");
    platform::DirListBox folders(form, "Dir1");
    platform::FileListBox files(form, "File1");
    int folderChanges = 0, fileChanges = 0;
    folders.onChange = [&] { ++folderChanges; };
    files.onPathChange = [&] { ++fileChanges; };
    ASSERT_TRUE(folders.setPath(root));
    ASSERT_TRUE(files.setPath(root));
    make("again/sub/");
    make("again/new.srt");
    EXPECT_TRUE(folders.setPath(root + "/"));
    EXPECT_TRUE(files.setPath(root + "/"));
    EXPECT_EQ(folderChanges, 1);
    EXPECT_EQ(fileChanges, 1);
    EXPECT_EQ(folders.listCount(), 1) << "the folder list reads its folder again";
    EXPECT_EQ(files.listCount(), 0) << "the file list keeps what it read";
    EXPECT_FALSE(folders.setPath(""));
    EXPECT_EQ(folders.error(), "No folder given");
    EXPECT_EQ(folders.path(), root);
}

TEST_F(Lists, DrivesAreTheRootHomeAndVolumesAndAMissingOneIsRefused) {
    const QStringList roots = platform::DriveListBox::systemRoots();
    ASSERT_GE(roots.size(), 1);
    EXPECT_EQ(roots.first(), "/");
    EXPECT_TRUE(roots.contains(QDir::cleanPath(QDir::homePath())));
    for (const QString& r : roots)
        EXPECT_FALSE(r.startsWith("/proc") || r.startsWith("/sys") || r.startsWith("/dev"))
            << r.toStdString();

    platform::DriveListBox drives(form, "Drive1");
    const QString inner = make("vol/inner/");
    drives.setRoots({"/", dir.filePath("vol"), dir.filePath("gone")});
    EXPECT_EQ(drives.indexOf(inner + "/x.srt"), 1) << "the deepest place holding the path";
    EXPECT_EQ(drives.indexOf("/etc"), 0);
    int changes = 0;
    drives.onChange = [&] { ++changes; };
    EXPECT_TRUE(drives.setDrive(inner));
    EXPECT_EQ(drives.drive(), dir.filePath("vol"));
    EXPECT_FALSE(drives.setListIndex(2));
    EXPECT_FALSE(drives.error().isEmpty());
    EXPECT_EQ(drives.listIndex(), 1) << "a drive that is not ready leaves the choice";
    EXPECT_EQ(changes, 1);
}

TEST_F(Lists, AnythingDroppedOnAWindowRunsItsDropHandler) {
    form.show();
    QMimeData data;
    data.setText("anything");
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form.window(), &enter);
    EXPECT_FALSE(enter.isAccepted()) << "without a handler the window takes no drops";

    int drops = 0;
    form.onDragDrop = [&] { ++drops; };
    QDragEnterEvent enter2(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form.window(), &enter2);
    EXPECT_TRUE(enter2.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form.window(), &drop);
    EXPECT_EQ(drops, 1);
}

} // namespace
