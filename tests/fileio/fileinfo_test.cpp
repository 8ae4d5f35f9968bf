// Making a file the current one: the name takes its format's extension, the
// current-file names, the status bar, the upload log and the file chooser.

#include "fileio/frmFile.h"
#include "platform/ListBox.h"
#include "support/Printing.h"
#include "support/TestProgram.h"

namespace {

struct Named {
    const char* given;
    int format;
    const char *name, *title, *base, *ftp;
};

TEST(FileInfo, NamesTakeTheFormatsExtension) {
    const Named cases[] = {
        {"/My Subs/movie one.txt", 9, "/My Subs/movie one.srt", "movie one.srt", "movie one",
         "movie_one.srt"},
        {"/subs/noext", 9, "/subs/noext.srt", "noext.srt", "noext", "noext.srt"},
        // An extension that no type has is part of the name.
        {"/subs/a.b.c", 10, "/subs/a.b.c", "a.b.c", "a", "a.b.c"},
        {"/subs/clip.mp4", 10, "/subs/clip.ssa", "clip.ssa", "clip", "clip.ssa"},
        // No format: the name stays as it is.
        {"/subs/plain", 0, "/subs/plain", "plain", "plain", "plain"},
        // Only the file's own name has an extension, and one of the format's stays.
        {"/home/j.doe/film", 9, "/home/j.doe/film.srt", "film.srt", "film", "film.srt"},
        {"/subs/LOUD.SRT", 9, "/subs/LOUD.SRT", "LOUD.SRT", "LOUD", "LOUD.SRT"},
        {"/subs/talk.smi", 7, "/subs/talk.smi", "talk.smi", "talk", "talk.smi"},
        // The writer's extension, the one the file is then written under.
        {"/subs/talk.txt", 7, "/subs/talk.smi", "talk.smi", "talk", "talk.smi"},
    };
    TestProgram t;
    Files& f = t->files;
    for (const Named& c : cases) {
        QString name = c.given;
        f.ShowFileInfo(name, c.format);
        EXPECT_EQ(name, c.name) << c.given;
        EXPECT_EQ(f.CurFileName, c.name);
        EXPECT_EQ(f.CurFileTitle, c.title);
        EXPECT_EQ(f.CurFileBase, c.base);
        EXPECT_EQ(f.FtpFileName, c.ftp);
        EXPECT_EQ(f.CurFileIndex, c.format);
        EXPECT_EQ(t->doc.FileNodes.Name(0), c.base);
        EXPECT_EQ(t->fileChooser().lblFullName.caption(), c.name);
    }
}

TEST(FileInfo, StatusBarAndUploadLog) {
    TestProgram t;
    const QByteArray user = qgetenv("USER");
    qputenv("USER", "mira");                          // the login name shows as the editor
    QString name = "/x/" + QString(96, 'a') + ".srt"; // 103 characters
    t->files.ShowFileInfo(name, 9);
    platform::StatusBar& bar = t.main().StatusBar1;
    EXPECT_EQ(bar.panelText(1), name.left(38) + " .. " + name.right(38));
    EXPECT_EQ(bar.panelText(2), "SubRip");

    QString sami = "/x/short.smi";
    t->files.ShowFileInfo(sami, 7);
    EXPECT_EQ(bar.panelText(1), "/x/short.smi");
    EXPECT_EQ(bar.panelText(2), "Synch. Accessible Media Interchange");

    const platform::ListBox& log = t.main().online.List8;
    ASSERT_EQ(log.listCount(), 18) << "each call adds its block of nine below the last";
    const QStringList block = {"-- New File --",
                               "Editor: mira",
                               "Filename: /x/short.smi",
                               "FTPname: short.smi",
                               "Format: Synch. Accessible Media Interchange",
                               "Language: English"};
    for (int i = 0; i < block.size(); ++i)
        EXPECT_EQ(log.list(9 + i), block[i]);
    EXPECT_TRUE(log.list(15).startsWith("Date: "));
    EXPECT_TRUE(log.list(16).startsWith("Time: "));
    EXPECT_EQ(log.list(17), "Status:");
    qputenv("USER", user);
}

} // namespace
