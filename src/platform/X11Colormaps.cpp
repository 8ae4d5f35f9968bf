#include "platform/X11Colormaps.h"

#include <QGuiApplication>
#include <QPlatformSurfaceEvent>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>
#include <xcb/xcb.h>

namespace platform {
namespace {

void useScreenColormap(xcb_connection_t* connection, xcb_window_t window) {
    xcb_get_window_attributes_reply_t* attributes = xcb_get_window_attributes_reply(
        connection, xcb_get_window_attributes(connection, window), nullptr);
    if (!attributes) return;
    const xcb_visualid_t visual = attributes->visual;
    std::free(attributes);
    for (auto screen = xcb_setup_roots_iterator(xcb_get_setup(connection)); screen.rem;
         xcb_screen_next(&screen)) {
        if (screen.data->root_visual != visual) continue;
        const uint32_t colormap = screen.data->default_colormap;
        xcb_change_window_attributes(connection, window, XCB_CW_COLORMAP, &colormap);
        return;
    }
}

class ScreenColormaps : public QObject {
public:
    ScreenColormaps(QObject* parent, xcb_connection_t* connection)
        : QObject(parent), connection_(connection) {}

protected:
    bool eventFilter(QObject* target, QEvent* event) override {
        if (event->type() == QEvent::PlatformSurface &&
            static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
                QPlatformSurfaceEvent::SurfaceCreated) {
            if (auto* window = qobject_cast<QWindow*>(target))
                useScreenColormap(connection_, xcb_window_t(window->winId()));
        }
        return false;
    }

private:
    xcb_connection_t* connection_;
};

} // namespace

void UseScreenColormaps() {
    // The offscreen platform answers as an X11 application too, without a
    // connection.
    if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb")) return;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) return;
    qGuiApp->installEventFilter(new ScreenColormaps(qGuiApp, x11->connection()));
}

} // namespace platform
