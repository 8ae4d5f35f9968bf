#pragma once
// A media player control: opens a video or sound file, plays, pauses and stops
// it, and reads and moves its position, in seconds. Playing goes on by itself
// after play() returns; the program polls the position.
//
// Where the window system offers OpenGL the control's area shows the video;
// where it does not, the area says so and files play without video; on a
// headless platform (offscreen, minimal) the player runs without video and
// without sound, so tests can play real files. The control starts with no
// file; the player behind it (a module of its own, with the playing library
// and OpenGL) is loaded and started when the first file is opened.
//
// A file opens stopped at its start. setFileName() returns once the file is
// open, has failed to open, or after OpenWaitMs at the most; a file that did
// not open keeps its name but has no position and no duration, and play,
// pause and position changes do nothing to it. A position written is clamped
// to 0 .. duration and reads back as written until the player got there.

#include "platform/Control.h"
#include "platform/MediaPlayerEngine.h"

#include <memory>

namespace platform {

class MediaPlayer : public Control {
public:
    enum State { Closed, Stopped, Playing, Paused };
    static constexpr int OpenWaitMs = 5000;

    // A player without video serves sounds; its area stays empty.
    MediaPlayer(Container& parent, const QString& name, bool video = true);
    ~MediaPlayer() override;

    QString fileName() const;
    // Opens the file; "" closes the one open.
    void setFileName(const QString& path);
    bool isOpen() const;
    State playState() const;

    void play();
    void pause();
    // Pauses where it is; the position stays.
    void stop();

    double currentPosition() const;
    void setCurrentPosition(double seconds);
    // 0 while no file is open or its length is unknown.
    double duration() const;

    // Waits (without running the window's events) until an opening file is
    // open or has failed, for ms milliseconds at the most; true when open.
    bool waitUntilOpen(int ms);
    // Whether the control's area shows video (once a file was opened).
    bool showsVideo() const;
    // True on a platform without a display (offscreen, minimal).
    static bool Headless();

private:
    // The module's engine maker; nullptr when the module cannot be loaded.
    static MediaEngineFactory EngineFactory();
    MediaPlayerEngine* engine();

    const bool video_;
    QString file_;
    std::unique_ptr<MediaPlayerEngine> engine_;
};

} // namespace platform
