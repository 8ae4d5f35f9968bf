#include "tools/Players.h"

Players::Players(Program& p) : p_(p) {}

void Players::OpenMedia(const QString& fileName) {
    MediaPlayer1.FileName = fileName;
    MediaPlayer1.Duration = 0; // nothing measures a media file's length yet
}

void Players::ScriptPlayerPlayStop(int index) {
    if (index == 1) ++scriptStops_;
}

void Players::PlayerTransport(int index) {
    if (index == 1) ++mediaStops_;
}
