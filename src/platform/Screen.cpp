#include "platform/Screen.h"

#include "platform/Control.h"

#include <QApplication>
#include <QCursor>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
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

QString Screen::defaultFont() const {
    const QString family = QFontInfo(QApplication::font()).family();
    const QStringList all = fonts();
    for (const QString& font : all)
        if (font.compare(family, Qt::CaseInsensitive) == 0) return font;
    return {};
}

namespace {

QFontDatabase::WritingSystem ScriptOfCharset(int charset) {
    switch (charset) {
    case 2:
        return QFontDatabase::Symbol;
    case 128:
        return QFontDatabase::Japanese;
    case 129:
        return QFontDatabase::Korean;
    case 134:
        return QFontDatabase::SimplifiedChinese;
    case 136:
        return QFontDatabase::TraditionalChinese;
    case 161:
        return QFontDatabase::Greek;
    case 163:
        return QFontDatabase::Vietnamese;
    case 177:
        return QFontDatabase::Hebrew;
    case 178:
        return QFontDatabase::Arabic;
    case 204:
        return QFontDatabase::Cyrillic;
    case 222:
        return QFontDatabase::Thai;
    case 0:
    case 77:
    case 162:
    case 186:
    case 238:
    case 255:
        return QFontDatabase::Latin;
    default:
        return QFontDatabase::Any;
    }
}

} // namespace

bool Screen::fontHasCharset(const QString& family, int charset) const {
    const QFontDatabase::WritingSystem script = ScriptOfCharset(charset);
    if (script == QFontDatabase::Any) return true;
    const QString actual = QFontInfo(QFont(family)).family();
    return QFontDatabase::writingSystems(actual).contains(script);
}

QStringList Screen::fonts() const {
    return QFontDatabase::families();
}

} // namespace platform
