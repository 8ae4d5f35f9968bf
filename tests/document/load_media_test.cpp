// A media file given to LoadSubFile goes to the player, and a video's
// companion subtitle file is loaded in its place when the settings ask.

#include "document/Loader.h"
#include "document/frmMessageBox.h"
#include "platform/Grid.h"
#include "shell/frmControl.h"
#include "shell/frmSettings.h"
#include "support/Printing.h"
#include "support/TestProgram.h"

#include <QDir>

namespace {

const QByteArray OneEntry = "1\r\n00:00:01,000 --> 00:00:02,000\r\nCompanion\r\n";

class MediaLoad : public ::testing::Test {
protected:
    QString folder() { return t.folder() + "/Data/Files/"; }
    QString touch(const QString& name, const QByteArray& bytes = "x") {
        return t.writeDataFile("" + name, bytes);
    }
    void load(QString& name, int& format, bool progress = false) {
        int row = 1;
        t->loader.LoadSubFile(name, format, row, false, progress, true);
    }
    void loadCompanions(bool on) {
        t->settings().Check7[10].setValue(on ? platform::CheckBox::Checked
                                             : platform::CheckBox::Unchecked);
    }
    TestProgram t;
};

TEST_F(MediaLoad, AMediaFileOpensInThePlayerAndLeavesTheDocument) {
    loadCompanions(false);
    QString name = touch("Movie.AVI"), before = name;
    touch("Movie.srt", OneEntry);
    int format = 0;
    load(name, format, true);
    EXPECT_FALSE(t->loader.LoadOk);
    EXPECT_EQ(name, before);
    EXPECT_EQ(t->doc.lineCount(), 0);
    EXPECT_EQ(t->players.mediaFileName(), before);
    EXPECT_EQ(t.main().tabMain.tab(), frmMain::TabPlayer);
    PlayerTab& player = t.main().player;
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(player.Command8[i].enabled()) << i;
    EXPECT_TRUE(player.Slider1.enabled());
    EXPECT_EQ(player.Label27.caption(), "Media Player [Stopped]");
    const QString log = t->control().Text1.text();
    for (const char* line : {"Media analiser started ... ", "Format:AVI", "  Length: 00:00:00,000",
                             "  Frames:  0 at 25.000 fps", "Reading finished.", "File closed."})
        EXPECT_TRUE(log.contains(line)) << line << " in " << log.toStdString();
    EXPECT_EQ(t->host.screen.mousePointer(), platform::Screen::PointerDefault);
}

TEST_F(MediaLoad, AVideosCompanionSubtitleIsLoadedWhenTheSettingsAskForIt) {
    loadCompanions(true);
    touch("movie.rt", OneEntry);   // extension of two letters: the length differs
    touch("movie2.srt", OneEntry); // another name
    touch("movie.sami", OneEntry);
    const QString companion = touch("Movie.srt", OneEntry);
    QString name = touch("movie.avi");
    int format = 4; // a companion is always recognised
    load(name, format);
    EXPECT_EQ(name, companion);
    EXPECT_EQ(format, 9);
    EXPECT_TRUE(t->loader.LoadOk);
    EXPECT_EQ(t->doc.grid().textMatrix(1, 3), " Companion");

    // Sound files and other videos get no companion.
    for (const char* media : {"movie.mp3", "movie.wmv"}) {
        QString other = touch(media);
        format = 0;
        load(other, format);
        EXPECT_EQ(other, folder() + media);
        EXPECT_FALSE(t->loader.LoadOk) << media;
    }
}

TEST_F(MediaLoad, ACompanionAsksBeforeItReplacesAChangedDocument) {
    loadCompanions(true);
    touch("film.srt", OneEntry);
    QString name = touch("film.mpg");
    t->doc.FileChanged = true;
    int format = 0;
    t.reply(frmMessageBox::Cancel);
    load(name, format);
    EXPECT_FALSE(t->loader.LoadOk);
    EXPECT_EQ(t->doc.lineCount(), 0);
    EXPECT_TRUE(t->doc.FileChanged);
}

TEST_F(MediaLoad, CompanionSearch) {
    EXPECT_TRUE(Loader::IsMediaFile("a.WaV"));
    EXPECT_FALSE(Loader::IsMediaFile("a.mpeg"));
    EXPECT_FALSE(Loader::IsMediaFile("a.srt"));
    EXPECT_EQ(Loader::FindCompanionSubtitle(folder() + "none.avi"), "");
    touch("clip.SUB", "x");
    touch("clip.txt", "x");
    EXPECT_EQ(Loader::FindCompanionSubtitle(folder() + "clip.avi"), folder() + "clip.SUB")
        << "the first in name order, whatever the case";
}

} // namespace
