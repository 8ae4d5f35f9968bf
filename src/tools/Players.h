#pragma once
// The media player and the script player as the rest of the program drives
// them. Until the players play, MediaPlayer1 holds what the program knows of
// the media file it was given, and stopping them has nothing to stop.

#include <QString>

class Program;

// The media player's file and its length in seconds. The length stays 0
// until a player can measure it.
struct MediaPlayerState {
    QString FileName;
    double Duration = 0;
};

class Players {
public:
    explicit Players(Program& p);

    MediaPlayerState MediaPlayer1;
    // Gives the media player a file (the file is opened; its length is known
    // from then on).
    void OpenMedia(const QString& fileName);

    // Index 1 stops the script player's clock.
    void ScriptPlayerPlayStop(int index);
    // Index 1 stops the media player.
    void PlayerTransport(int index);

    int scriptStops() const { return scriptStops_; }
    int mediaStops() const { return mediaStops_; }

private:
    Program& p_;
    int scriptStops_ = 0;
    int mediaStops_ = 0;
};
