#include "platform/MediaPlayer.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QOpenGLWidget>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <atomic>
#include <mpv/client.h>
#include <mpv/render_gl.h>
#include <optional>
#include <vector>

namespace platform {

class MediaVideoSurface;

struct MediaPlayer::Impl {
    explicit Impl(bool withVideo) : video(withVideo) {}
    ~Impl();
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;

    bool start();
    void options();
    void option(const char* name, const char* value) { mpv_set_option_string(mpv, name, value); }
    void command(const std::vector<QByteArray>& args);
    void setFlag(const char* name, bool on);
    bool flag(const char* name) const;
    double number(const char* name) const;
    void seek(double seconds);
    static void wakeup(void* self);
    void drain();
    void handle(const mpv_event& e);

    const bool video;
    const bool headless = MediaPlayer::Headless();
    mpv_handle* mpv = nullptr;
    QObject events; // queued drains of the player's events run on it
    std::atomic<bool> drainQueued{false};
    QPointer<MediaVideoSurface> surface;
    QString file;
    bool opening = false; // a file was asked for and has not opened or failed yet
    bool open = false;
    State state = Closed;
    std::optional<double> seekTarget; // where a seek goes until the player got there
};

// ---- The video surface ------------------------------------------------------------
// The player draws its frames through its OpenGL render interface into this
// widget. Until the widget is first shown there is no OpenGL context, so the
// player starts without video output and switches to this surface once the
// render context exists; files opened meanwhile open all the same.

class MediaVideoSurface : public QOpenGLWidget {
public:
    MediaVideoSurface() = default;
    ~MediaVideoSurface() override { detach(); }
    MediaVideoSurface(const MediaVideoSurface&) = delete;
    MediaVideoSurface& operator=(const MediaVideoSurface&) = delete;

    void attach(MediaPlayer::Impl* player) { player_ = player; }
    // Frees the render context; the player keeps playing without video.
    void detach() {
        freeRender();
        player_ = nullptr;
    }

protected:
    void initializeGL() override;
    void paintGL() override;

private:
    void freeRender();
    static void* procAddress(void*, const char* name) {
        QOpenGLContext* c = QOpenGLContext::currentContext();
        return c ? reinterpret_cast<void*>(c->getProcAddress(name)) : nullptr;
    }
    // From the player's thread: a new frame is ready.
    static void onUpdate(void* self) {
        auto* s = static_cast<MediaVideoSurface*>(self);
        QMetaObject::invokeMethod(
            s, [s] { s->update(); }, Qt::QueuedConnection);
    }

    MediaPlayer::Impl* player_ = nullptr;
    mpv_render_context* render_ = nullptr;
};

void MediaVideoSurface::initializeGL() {
    if (!player_ || render_ || !player_->start()) return;
    mpv_opengl_init_params gl{&procAddress, nullptr};
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_API_TYPE, const_cast<char*>(MPV_RENDER_API_TYPE_OPENGL)},
        {MPV_RENDER_PARAM_OPENGL_INIT_PARAMS, &gl},
        {MPV_RENDER_PARAM_INVALID, nullptr}};
    if (mpv_render_context_create(&render_, player_->mpv, params) < 0) {
        render_ = nullptr;
        return;
    }
    mpv_render_context_set_update_callback(render_, &onUpdate, this);
    // A context replaced (the widget moved to another window) takes the renderer with it.
    QObject::connect(
        context(), &QOpenGLContext::aboutToBeDestroyed, this, [this] { freeRender(); },
        Qt::DirectConnection);
    mpv_set_property_string(player_->mpv, "vo", "libmpv");
}

void MediaVideoSurface::paintGL() {
    if (!render_) {
        QOpenGLFunctions* f = context()->functions();
        f->glClearColor(0, 0, 0, 1);
        f->glClear(GL_COLOR_BUFFER_BIT);
        return;
    }
    const qreal ratio = devicePixelRatioF();
    mpv_opengl_fbo fbo{static_cast<int>(defaultFramebufferObject()),
                       static_cast<int>(width() * ratio), static_cast<int>(height() * ratio), 0};
    int flip = 1;
    mpv_render_param params[] = {{MPV_RENDER_PARAM_OPENGL_FBO, &fbo},
                                 {MPV_RENDER_PARAM_FLIP_Y, &flip},
                                 {MPV_RENDER_PARAM_INVALID, nullptr}};
    mpv_render_context_render(render_, params);
}

void MediaVideoSurface::freeRender() {
    if (!render_) return;
    if (player_) mpv_set_property_string(player_->mpv, "vo", "null");
    makeCurrent();
    mpv_render_context_free(render_);
    render_ = nullptr;
    doneCurrent();
}

// ---- The player -------------------------------------------------------------------

MediaPlayer::Impl::~Impl() {
    if (surface) surface->detach();
    if (!mpv) return;
    mpv_set_wakeup_callback(mpv, nullptr, nullptr);
    mpv_terminate_destroy(mpv);
}

// The player starts on first use.
bool MediaPlayer::Impl::start() {
    if (mpv) return true;
    mpv = mpv_create();
    if (!mpv) return false;
    options();
    if (mpv_initialize(mpv) < 0) {
        mpv_terminate_destroy(mpv);
        mpv = nullptr;
        return false;
    }
    mpv_observe_property(mpv, 0, "eof-reached", MPV_FORMAT_FLAG);
    mpv_set_wakeup_callback(mpv, &Impl::wakeup, this);
    return true;
}

// A file stays open at its end (paused on its last frame) and opens paused;
// seeks go to the exact time asked. Video goes nowhere until a video surface
// is ready. Headless, no sound device is used and the position keeps up with
// the (null) sound output.
void MediaPlayer::Impl::options() {
    option("vo", "null");
    option("vid", video ? "auto" : "no");
    if (headless) {
        option("ao", "null");
        option("ao-null-buffer", "0.02");
        option("ao-null-outburst", "64"); // fits the short buffer at low sample rates
    }
    option("audio-fallback-to-null", "yes");
    option("keep-open", "always");
    option("idle", "yes");
    option("pause", "yes");
    option("hr-seek", "yes");
    option("audio-display", "no");
    option("input-default-bindings", "no");
    option("input-vo-keyboard", "no");
    option("osd-level", "0");
    option("hwdec", "no");
    option("load-scripts", "no");
    option("ytdl", "no");
}

void MediaPlayer::Impl::command(const std::vector<QByteArray>& args) {
    std::vector<const char*> argv;
    for (const QByteArray& a : args)
        argv.push_back(a.constData());
    argv.push_back(nullptr);
    mpv_command(mpv, argv.data());
}

void MediaPlayer::Impl::setFlag(const char* name, bool on) {
    int value = on ? 1 : 0;
    mpv_set_property(mpv, name, MPV_FORMAT_FLAG, &value);
}

bool MediaPlayer::Impl::flag(const char* name) const {
    int value = 0;
    return mpv && mpv_get_property(mpv, name, MPV_FORMAT_FLAG, &value) >= 0 && value != 0;
}

double MediaPlayer::Impl::number(const char* name) const {
    double value = 0;
    if (!mpv || mpv_get_property(mpv, name, MPV_FORMAT_DOUBLE, &value) < 0) return 0;
    return value;
}

void MediaPlayer::Impl::seek(double seconds) {
    command({"seek", QByteArray::number(seconds, 'f', 3), "absolute+exact"});
    seekTarget = seconds;
}

// From the player's threads: one drain of its events is queued on the UI thread.
void MediaPlayer::Impl::wakeup(void* self) {
    auto* d = static_cast<Impl*>(self);
    if (d->drainQueued.exchange(true)) return;
    QMetaObject::invokeMethod(
        &d->events,
        [d] {
            d->drainQueued = false;
            d->drain();
        },
        Qt::QueuedConnection);
}

void MediaPlayer::Impl::drain() {
    while (mpv) {
        const mpv_event* e = mpv_wait_event(mpv, 0);
        if (e->event_id == MPV_EVENT_NONE) return;
        handle(*e);
    }
}

void MediaPlayer::Impl::handle(const mpv_event& e) {
    switch (e.event_id) {
    case MPV_EVENT_FILE_LOADED:
        if (!opening) return;
        opening = false;
        open = true;
        state = Stopped;
        return;
    case MPV_EVENT_END_FILE:
        if (static_cast<const mpv_event_end_file*>(e.data)->reason != MPV_END_FILE_REASON_ERROR)
            return; // the file before a new one closing
        opening = open = false;
        state = Closed;
        return;
    case MPV_EVENT_PLAYBACK_RESTART:
        seekTarget.reset();
        return;
    case MPV_EVENT_PROPERTY_CHANGE: {
        const auto* p = static_cast<const mpv_event_property*>(e.data);
        const bool atEnd = p->format == MPV_FORMAT_FLAG && *static_cast<int*>(p->data) != 0;
        if (atEnd && state == Playing && !seekTarget) state = Stopped;
        return;
    }
    default:
        return;
    }
}

// ---- The control ------------------------------------------------------------------

namespace {

QWidget* makeArea(bool video) {
    if (video && !MediaPlayer::Headless()) return new MediaVideoSurface;
    return new QWidget;
}

} // namespace

bool MediaPlayer::Headless() {
    const QString name = QGuiApplication::platformName();
    return name == QLatin1String("offscreen") || name == QLatin1String("minimal");
}

MediaPlayer::MediaPlayer(Container& parent, const QString& name, bool video)
    : Control(parent, name, makeArea(video)), d_(std::make_unique<Impl>(video)) {
    if (auto* surface = dynamic_cast<MediaVideoSurface*>(widget())) {
        surface->attach(d_.get());
        d_->surface = surface;
    }
    setBackColor(ColorBlack);
    move(0, 0, 4800, 3600);
}

MediaPlayer::~MediaPlayer() = default;

bool MediaPlayer::showsVideo() const {
    return d_->surface != nullptr;
}

QString MediaPlayer::fileName() const {
    return d_->file;
}

void MediaPlayer::setFileName(const QString& path) {
    d_->file = path;
    d_->seekTarget.reset();
    d_->opening = d_->open = false;
    d_->state = Closed;
    if (!d_->start()) return;
    if (path.isEmpty()) {
        d_->command({"stop"});
        return;
    }
    d_->setFlag("pause", true);
    // A relative name could read as an address ("av://..."); "./" keeps it a file.
    const QString target = path.startsWith(QLatin1Char('/')) ? path : QStringLiteral("./") + path;
    d_->opening = true;
    d_->command({"loadfile", target.toUtf8(), "replace"});
    waitUntilOpen(OpenWaitMs);
}

bool MediaPlayer::waitUntilOpen(int ms) {
    if (!d_->mpv) return false;
    QElapsedTimer clock;
    clock.start();
    while (d_->opening) {
        const qint64 left = ms - clock.elapsed();
        if (left <= 0) break;
        const mpv_event* e = mpv_wait_event(d_->mpv, static_cast<double>(left) / 1000.0);
        if (e->event_id != MPV_EVENT_NONE) d_->handle(*e);
    }
    return d_->open;
}

bool MediaPlayer::isOpen() const {
    return d_->open;
}

MediaPlayer::State MediaPlayer::playState() const {
    if (d_->state == Playing && !d_->seekTarget && d_->flag("eof-reached")) return Stopped;
    return d_->state;
}

// At the end of the file, play starts again from the beginning.
void MediaPlayer::play() {
    if (!d_->open) return;
    if (d_->flag("eof-reached")) d_->seek(0);
    d_->setFlag("pause", false);
    d_->state = Playing;
}

void MediaPlayer::pause() {
    if (!d_->open) return;
    d_->setFlag("pause", true);
    d_->state = Paused;
}

void MediaPlayer::stop() {
    if (!d_->open) return;
    d_->setFlag("pause", true);
    d_->state = Stopped;
}

double MediaPlayer::currentPosition() const {
    if (!d_->open) return 0;
    if (d_->seekTarget) return *d_->seekTarget;
    return std::max(0.0, d_->number("time-pos"));
}

void MediaPlayer::setCurrentPosition(double seconds) {
    if (!d_->open) return;
    double target = std::max(0.0, seconds);
    const double length = duration();
    if (length > 0) target = std::min(target, length);
    d_->seek(target);
}

double MediaPlayer::duration() const {
    return d_->open ? std::max(0.0, d_->number("duration")) : 0;
}

} // namespace platform
