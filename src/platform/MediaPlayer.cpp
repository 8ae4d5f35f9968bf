#include "platform/MediaPlayer.h"

#include "platform/MediaPlayerEngine.h"
#include "platform/Modules.h"

#include <QGuiApplication>
#include <QWidget>

namespace platform {

// Looked for once.
MediaEngineFactory MediaPlayer::EngineFactory() {
    static const auto factory =
        reinterpret_cast<MediaEngineFactory>(ModuleEntry("mirel_media", MediaEngineEntry));
    return factory;
}

bool MediaPlayer::Headless() {
    const QString name = QGuiApplication::platformName();
    return name == QLatin1String("offscreen") || name == QLatin1String("minimal");
}

MediaPlayer::MediaPlayer(Container& parent, const QString& name, bool video)
    : Control(parent, name, new QWidget), video_(video) {
    setBackColor(ColorBlack);
    move(0, 0, 4800, 3600);
}

MediaPlayer::~MediaPlayer() = default;

MediaPlayerEngine* MediaPlayer::engine() {
    if (!engine_) {
        if (MediaEngineFactory make = EngineFactory())
            engine_.reset(make(widget(), video_, Headless()));
    }
    return engine_.get();
}

bool MediaPlayer::showsVideo() const {
    return engine_ && engine_->showsVideo();
}

QString MediaPlayer::fileName() const {
    return file_;
}

// A file that is not there to be played needs no player; closing one that
// never opened neither.
void MediaPlayer::setFileName(const QString& path) {
    file_ = path;
    if (path.isEmpty() && !engine_) return;
    if (MediaPlayerEngine* e = engine()) e->open(path, OpenWaitMs);
}

bool MediaPlayer::waitUntilOpen(int ms) {
    return engine_ && engine_->waitUntilOpen(ms);
}

bool MediaPlayer::isOpen() const {
    return engine_ && engine_->isOpen();
}

MediaPlayer::State MediaPlayer::playState() const {
    return engine_ ? static_cast<State>(engine_->playState()) : Closed;
}

void MediaPlayer::play() {
    if (engine_) engine_->play();
}

void MediaPlayer::pause() {
    if (engine_) engine_->pause();
}

void MediaPlayer::stop() {
    if (engine_) engine_->stop();
}

double MediaPlayer::currentPosition() const {
    return engine_ ? engine_->currentPosition() : 0;
}

void MediaPlayer::setCurrentPosition(double seconds) {
    if (engine_) engine_->setCurrentPosition(seconds);
}

double MediaPlayer::duration() const {
    return engine_ ? engine_->duration() : 0;
}

} // namespace platform
