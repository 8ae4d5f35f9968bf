#pragma once
// The narrow interface between the media player control and the module that
// plays (mirel_media, loaded on the first file opened): the control's start
// maps neither the playing library nor OpenGL. The module exports
//   extern "C" MediaPlayerEngine* MirelMediaEngine(QWidget* area, bool video, bool headless)
// which makes an engine that shows its video (or a note that video cannot be
// shown) inside `area`; the control owns the engine.

class QString;
class QWidget;

namespace platform {

class MediaPlayerEngine {
public:
    enum State { Closed, Stopped, Playing, Paused }; // as MediaPlayer::State

    MediaPlayerEngine() = default;
    virtual ~MediaPlayerEngine() = default;
    MediaPlayerEngine(const MediaPlayerEngine&) = delete;
    MediaPlayerEngine& operator=(const MediaPlayerEngine&) = delete;

    // Opens the file stopped at its start and waits until it is open or has
    // failed, for waitMs at the most; "" closes the one open.
    virtual void open(const QString& path, int waitMs) = 0;
    virtual bool waitUntilOpen(int ms) = 0;
    virtual bool isOpen() const = 0;
    virtual State playState() const = 0;
    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void stop() = 0;
    virtual double currentPosition() const = 0;
    virtual void setCurrentPosition(double seconds) = 0;
    virtual double duration() const = 0;
    virtual bool showsVideo() const = 0;
};

using MediaEngineFactory = MediaPlayerEngine* (*)(QWidget* area, bool video, bool headless);
inline constexpr const char* MediaEngineEntry = "MirelMediaEngine";

} // namespace platform
