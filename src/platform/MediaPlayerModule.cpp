// The playing half of the media player control, built as a module of its own
// (mirel_media) and loaded when the first file is opened: libmpv plays, and an
// OpenGL widget inside the control's area shows the video. Where the display
// offers no OpenGL the area says that video cannot be shown, and the file
// plays without video output.

#include "platform/MediaPlayerEngine.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QOpenGLWidget>
#include <QPointer>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>
#include <atomic>
#include <mpv/client.h>
#include <mpv/render_gl.h>
#include <optional>
#include <vector>

namespace platform {

namespace {

class MediaVideoSurface;

class MpvEngine : public MediaPlayerEngine {
public:
    MpvEngine(QWidget* area, bool withVideo, bool headless)
        : area_(area), video(withVideo), headless(headless) {}
    ~MpvEngine() override;

    void open(const QString& path, int waitMs) override;
    bool waitUntilOpen(int ms) override;
    bool isOpen() const override { return open_; }
    State playState() const override;
    void play() override;
    void pause() override;
    void stop() override;
    double currentPosition() const override;
    void setCurrentPosition(double seconds) override;
    double duration() const override;
    bool showsVideo() const override { return surface != nullptr; }

    bool start();
    mpv_handle* mpv = nullptr;

private:
    void makeArea();
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

    QPointer<QWidget> area_;
    const bool video;
    const bool headless;
    bool areaMade = false;
    QObject events; // queued drains of the player's events run on it
    std::atomic<bool> drainQueued{false};
    QPointer<MediaVideoSurface> surface;
    bool opening = false; // a file was asked for and has not opened or failed yet
    bool open_ = false;
    State state = Closed;
    std::optional<double> seekTarget; // where a seek goes until the player got there
};

// Whether this display can give an OpenGL context at all; asked once.
bool OpenGLAvailable() {
    static const bool available = [] {
        QOpenGLContext context;
        if (!context.create()) return false;
        QOffscreenSurface surface;
        surface.setFormat(context.format());
        surface.create();
        const bool current = surface.isValid() && context.makeCurrent(&surface);
        if (current) context.doneCurrent();
        return current;
    }();
    return available;
}

// ---- The video surface ------------------------------------------------------------
// The player draws its frames through its OpenGL render interface into this
// widget. Until the widget is first shown there is no OpenGL context, so the
// player starts without video output and switches to this surface once the
// render context exists; files opened meanwhile open all the same.

class MediaVideoSurface : public QOpenGLWidget {
public:
    explicit MediaVideoSurface(MpvEngine* player) : player_(player) {}
    ~MediaVideoSurface() override { detach(); }
    MediaVideoSurface(const MediaVideoSurface&) = delete;
    MediaVideoSurface& operator=(const MediaVideoSurface&) = delete;

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

    MpvEngine* player_ = nullptr;
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

MpvEngine::~MpvEngine() {
    if (surface) surface->detach();
    if (!mpv) return;
    mpv_set_wakeup_callback(mpv, nullptr, nullptr);
    mpv_terminate_destroy(mpv);
}

// The area gets its video surface with the first file; without OpenGL it
// says so instead, and the file plays all the same.
void MpvEngine::makeArea() {
    if (areaMade || !area_ || !video || headless) return;
    areaMade = true;
    auto* layout = new QVBoxLayout(area_);
    layout->setContentsMargins(0, 0, 0, 0);
    if (OpenGLAvailable()) {
        surface = new MediaVideoSurface(this);
        layout->addWidget(surface);
        return;
    }
    auto* note =
        new QLabel(QStringLiteral("Video cannot be shown: this display offers no OpenGL."), area_);
    note->setObjectName(QStringLiteral("VideoNote"));
    note->setAlignment(Qt::AlignCenter);
    note->setWordWrap(true);
    note->setStyleSheet(QStringLiteral("color: white;"));
    layout->addWidget(note);
}

// The player starts on first use.
bool MpvEngine::start() {
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
    mpv_set_wakeup_callback(mpv, &MpvEngine::wakeup, this);
    return true;
}

// A file stays open at its end (paused on its last frame) and opens paused;
// seeks go to the exact time asked. Video goes nowhere until a video surface
// is ready. Headless, no sound device is used and the position keeps up with
// the (null) sound output.
void MpvEngine::options() {
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

void MpvEngine::command(const std::vector<QByteArray>& args) {
    std::vector<const char*> argv;
    for (const QByteArray& a : args)
        argv.push_back(a.constData());
    argv.push_back(nullptr);
    mpv_command(mpv, argv.data());
}

void MpvEngine::setFlag(const char* name, bool on) {
    int value = on ? 1 : 0;
    mpv_set_property(mpv, name, MPV_FORMAT_FLAG, &value);
}

bool MpvEngine::flag(const char* name) const {
    int value = 0;
    return mpv && mpv_get_property(mpv, name, MPV_FORMAT_FLAG, &value) >= 0 && value != 0;
}

double MpvEngine::number(const char* name) const {
    double value = 0;
    if (!mpv || mpv_get_property(mpv, name, MPV_FORMAT_DOUBLE, &value) < 0) return 0;
    return value;
}

void MpvEngine::seek(double seconds) {
    command({"seek", QByteArray::number(seconds, 'f', 3), "absolute+exact"});
    seekTarget = seconds;
}

// From the player's threads: one drain of its events is queued on the UI thread.
void MpvEngine::wakeup(void* self) {
    auto* d = static_cast<MpvEngine*>(self);
    if (d->drainQueued.exchange(true)) return;
    QMetaObject::invokeMethod(
        &d->events,
        [d] {
            d->drainQueued = false;
            d->drain();
        },
        Qt::QueuedConnection);
}

void MpvEngine::drain() {
    while (mpv) {
        const mpv_event* e = mpv_wait_event(mpv, 0);
        if (e->event_id == MPV_EVENT_NONE) return;
        handle(*e);
    }
}

void MpvEngine::handle(const mpv_event& e) {
    switch (e.event_id) {
    case MPV_EVENT_FILE_LOADED:
        if (!opening) return;
        opening = false;
        open_ = true;
        state = Stopped;
        return;
    case MPV_EVENT_END_FILE:
        if (static_cast<const mpv_event_end_file*>(e.data)->reason != MPV_END_FILE_REASON_ERROR)
            return; // the file before a new one closing
        opening = open_ = false;
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

void MpvEngine::open(const QString& path, int waitMs) {
    seekTarget.reset();
    opening = open_ = false;
    state = Closed;
    if (!path.isEmpty()) makeArea();
    if (!start()) return;
    if (path.isEmpty()) {
        command({"stop"});
        return;
    }
    setFlag("pause", true);
    // A relative name could read as an address ("av://..."); "./" keeps it a file.
    const QString target = path.startsWith(QLatin1Char('/')) ? path : QStringLiteral("./") + path;
    opening = true;
    command({"loadfile", target.toUtf8(), "replace"});
    waitUntilOpen(waitMs);
}

bool MpvEngine::waitUntilOpen(int ms) {
    if (!mpv) return false;
    QElapsedTimer clock;
    clock.start();
    while (opening) {
        const qint64 left = ms - clock.elapsed();
        if (left <= 0) break;
        const mpv_event* e = mpv_wait_event(mpv, static_cast<double>(left) / 1000.0);
        if (e->event_id != MPV_EVENT_NONE) handle(*e);
    }
    return open_;
}

MediaPlayerEngine::State MpvEngine::playState() const {
    if (state == Playing && !seekTarget && flag("eof-reached")) return Stopped;
    return state;
}

// At the end of the file, play starts again from the beginning.
void MpvEngine::play() {
    if (!open_) return;
    if (flag("eof-reached")) seek(0);
    setFlag("pause", false);
    state = Playing;
}

void MpvEngine::pause() {
    if (!open_) return;
    setFlag("pause", true);
    state = Paused;
}

void MpvEngine::stop() {
    if (!open_) return;
    setFlag("pause", true);
    state = Stopped;
}

double MpvEngine::currentPosition() const {
    if (!open_) return 0;
    if (seekTarget) return *seekTarget;
    return std::max(0.0, number("time-pos"));
}

void MpvEngine::setCurrentPosition(double seconds) {
    if (!open_) return;
    double target = std::max(0.0, seconds);
    const double length = duration();
    if (length > 0) target = std::min(target, length);
    seek(target);
}

double MpvEngine::duration() const {
    return open_ ? std::max(0.0, number("duration")) : 0;
}

} // namespace

} // namespace platform

extern "C" Q_DECL_EXPORT platform::MediaPlayerEngine* MirelMediaEngine(QWidget* area, bool video,
                                                                       bool headless) {
    return new platform::MpvEngine(area, video, headless);
}
