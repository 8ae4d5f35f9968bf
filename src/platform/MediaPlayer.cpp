#include "platform/MediaPlayer.h"

#include "platform/MediaPlayerEngine.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibrary>
#include <QWidget>

namespace platform {

// The playing module lies beside the program, or (for the tests) where the
// build made it. Looked for once; nullptr when it is nowhere or does not load.
MediaEngineFactory MediaPlayer::EngineFactory() {
    static const MediaEngineFactory factory = []() -> MediaEngineFactory {
        QStringList dirs{QCoreApplication::applicationDirPath()};
#ifdef MIREL_MEDIA_MODULE_DIR
        dirs << QStringLiteral(MIREL_MEDIA_MODULE_DIR);
#endif
        for (const QString& dir : dirs) {
            QLibrary module(QDir(dir).filePath(QStringLiteral("mirel_media")));
            // Resolving loads the module, which then stays for the life of the program.
            if (auto f = reinterpret_cast<MediaEngineFactory>(module.resolve(MediaEngineEntry)))
                return f;
        }
        return nullptr;
    }();
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
