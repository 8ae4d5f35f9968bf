#pragma once
// The media player and the script player as the rest of the program drives
// them. Until the players exist, stopping them has nothing to stop.

class Program;

class Players {
public:
    explicit Players(Program& p);

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
