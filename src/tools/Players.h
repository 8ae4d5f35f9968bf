#pragma once
// The media player and the script player as the rest of the program reaches
// them: what the play timer drives, the media file, and the Stop commands the
// loader runs. The players' controls and handlers belong to the Player and
// Script Player tabs of the main window.

#include <QString>

class Program;

class Players {
public:
    explicit Players(Program& p);

    // What the play timer drives: the media player or the script player's clock.
    enum Mode { MediaMode = 0, ScriptMode = 1 };
    int PlayTimerMode = MediaMode;

    // Gives the media player a file; its length is known once this returns.
    void OpenMedia(const QString& fileName);
    // The media player's file ("" before one was given) and its length in
    // seconds (0 when it did not open).
    QString mediaFileName() const;
    double mediaDuration() const;

    // The Script Player tab's Play (0) and Stop (1).
    void ScriptPlayerPlayStop(int index);
    // The Player tab's transport buttons (1 is Stop).
    void PlayerTransport(int index);

private:
    Program& p_;
};
