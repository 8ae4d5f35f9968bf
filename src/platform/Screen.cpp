#include "platform/Screen.h"

#include "platform/Control.h"

#include <QApplication>
#include <QCursor>
#include <QFontDatabase>
#include <QScreen>

namespace platform {

Screen::~Screen() {
    if (overridden_ && qApp) QApplication::restoreOverrideCursor();
}

void Screen::setMousePointer(int shape) {
    pointer_ = shape;
    Qt::CursorShape q = Qt::ArrowCursor;
    switch (shape) {
    case PointerSizeAll:
        q = Qt::SizeAllCursor;
        break;
    case PointerHourglass:
        q = Qt::WaitCursor;
        break;
    default:
        break;
    }
    if (shape == PointerDefault) {
        if (overridden_) QApplication::restoreOverrideCursor();
        overridden_ = false;
    } else if (overridden_) {
        QApplication::changeOverrideCursor(QCursor(q));
    } else {
        QApplication::setOverrideCursor(QCursor(q));
        overridden_ = true;
    }
}

int Screen::width() const {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? toTwips(s->geometry().width()) : 0;
}

int Screen::height() const {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? toTwips(s->geometry().height()) : 0;
}

QStringList Screen::fonts() const {
    return QFontDatabase::families();
}

} // namespace platform
