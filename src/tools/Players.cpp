#include "tools/Players.h"

#include "shell/Program.h"
#include "shell/frmMain.h"

Players::Players(Program& p) : p_(p) {}

void Players::OpenMedia(const QString& fileName) {
    p_.main().player.MediaPlayer1.setFileName(fileName);
}

QString Players::mediaFileName() const {
    return p_.hasMain() ? p_.main().player.MediaPlayer1.fileName() : QString();
}

double Players::mediaDuration() const {
    return p_.hasMain() ? p_.main().player.MediaPlayer1.duration() : 0;
}

void Players::ScriptPlayerPlayStop(int index) {
    p_.main().scriptPlayer.ScriptPlayerPlayStop(index);
}

void Players::PlayerTransport(int index) {
    p_.main().player.PlayerTransport(index);
}
