#include "platform/Control.h"

#include "platform/Host.h"
#include "platform/Keys.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QWidget>

namespace platform {

namespace {

// Marks the widgets that belong to a control.
constexpr const char* ControlProperty = "mirelControl";
// The control a widget belongs to, so that a window finds it by name.
constexpr const char* ControlObjectProperty = "mirelControlObject";

int mouseButtonOf(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton:
        return LeftButton;
    case Qt::RightButton:
        return RightButton;
    case Qt::MiddleButton:
        return MiddleButton;
    default:
        return 0;
    }
}

int mouseButtonsOf(Qt::MouseButtons bs) {
    int r = 0;
    if (bs & Qt::LeftButton) r |= LeftButton;
    if (bs & Qt::RightButton) r |= RightButton;
    if (bs & Qt::MiddleButton) r |= MiddleButton;
    return r;
}

// The character a key press delivers to a KeyPress handler, 0 for none.
// Enter, Escape, Tab and Backspace type their key code; Shift+Tab types nothing.
int keyAsciiOf(const QKeyEvent* e) {
    const int code = e->key() == Qt::Key_Backtab ? 0 : keyCodeFromQt(e->key());
    if (code == KeyReturn || code == KeyEscape || code == KeyTab || code == KeyBack) return code;
    const QString t = e->text();
    if (t.isEmpty() || t.at(0).unicode() < 32 || t.at(0).unicode() == 127) return 0;
    return t.at(0).unicode();
}

QPalette::ColorRole roleOfSystemColor(int index) {
    switch (index) {
    case 5:
        return QPalette::Base;
    case 8:
        return QPalette::Text;
    case 13:
        return QPalette::Highlight;
    case 14:
        return QPalette::HighlightedText;
    case 15:
        return QPalette::Button;
    case 16:
        return QPalette::Dark;
    case 18:
        return QPalette::ButtonText;
    case 20:
        return QPalette::Light;
    case 23:
        return QPalette::ToolTipText;
    case 24:
        return QPalette::ToolTipBase;
    case 7:
        return QPalette::WindowText;
    default:
        return QPalette::Window;
    }
}

} // namespace

std::uint32_t toRgb(Color c) {
    if (c & 0x80000000u) {
        const QColor q = QApplication::palette().color(roleOfSystemColor(int(c & 0xFF)));
        return q.rgb() & 0xFFFFFFu;
    }
    const std::uint32_t r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
    return (r << 16) | (g << 8) | b;
}

// Turns the widget's events into the control's handlers.
class ControlEvents : public QObject {
public:
    explicit ControlEvents(Control& c) : c_(c) {}

    bool eventFilter(QObject* watched, QEvent* e) override {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            return mouse(watched, static_cast<QMouseEvent*>(e));
        case QEvent::KeyPress:
            return ownsKey(watched) && keyPress(static_cast<QKeyEvent*>(e));
        case QEvent::KeyRelease:
            return ownsKey(watched) && keyRelease(static_cast<QKeyEvent*>(e));
        case QEvent::FocusIn:
            if (watched == c_.widget() && c_.onGotFocus) c_.onGotFocus();
            return false;
        case QEvent::FocusOut:
            if (watched == c_.widget() && c_.onLostFocus) c_.onLostFocus();
            return false;
        default:
            return false;
        }
    }

private:
    bool mouse(QObject* watched, QMouseEvent* e) {
        // A disabled control (or one in a disabled container) takes no clicks.
        if (!c_.widget()->isEnabled()) {
            c_.pressed_ = false;
            return false;
        }
        auto* src = qobject_cast<QWidget*>(watched);
        QPoint p = e->position().toPoint();
        if (src && src != c_.widget() && c_.widget()->isAncestorOf(src))
            p = src->mapTo(c_.widget(), p);
        const int x = toTwips(p.x()), y = toTwips(p.y());
        const int shift = shiftFromQt(int(e->modifiers()));
        switch (e->type()) {
        case QEvent::MouseButtonPress:
            c_.pressed_ = true;
            if (c_.onMouseDown) c_.onMouseDown(mouseButtonOf(e->button()), shift, x, y);
            break;
        case QEvent::MouseButtonRelease: {
            const bool wasPressed = c_.pressed_;
            c_.pressed_ = false;
            if (c_.onMouseUp) c_.onMouseUp(mouseButtonOf(e->button()), shift, x, y);
            if (wasPressed && c_.clickFromMouse_ && c_.widget()->rect().contains(p) && c_.onClick)
                c_.onClick();
            break;
        }
        case QEvent::MouseButtonDblClick:
            c_.pressed_ = true;
            if (c_.onDblClick) c_.onDblClick();
            break;
        default:
            if (c_.onMouseMove) c_.onMouseMove(mouseButtonsOf(e->buttons()), shift, x, y);
            break;
        }
        return false;
    }

    // A key belongs to this control when the focus is on its widget or inside
    // it, not on another control's widget (keys a child ignores travel up to
    // its parents).
    bool ownsKey(QObject* watched) const {
        if (replaying_ || watched != c_.widget()) return false;
        QWidget* focus = QApplication::focusWidget();
        if (!focus) return true;
        for (QWidget* w = focus; w; w = w->parentWidget()) {
            if (w == c_.widget()) return true;
            if (w->property(ControlProperty).toBool()) return false;
        }
        return false;
    }

    // A KeyPress handler that answers another character has that one typed.
    void retype(QKeyEvent* e, int ascii) {
        const QChar ch(static_cast<char16_t>(ascii));
        const bool letter = ch.unicode() < 128 && ch.isLetter();
        const int key = letter ? Qt::Key_A + (ch.toUpper().unicode() - u'A') : 0;
        QKeyEvent replacement(QEvent::KeyPress, key, e->modifiers(), QString(ch));
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : c_.widget();
        replaying_ = true;
        QCoreApplication::sendEvent(target, &replacement);
        replaying_ = false;
    }

    static bool edits(const QKeyEvent* e) {
        const int ascii = keyAsciiOf(e);
        return ascii >= 32 || ascii == KeyBack || e->key() == Qt::Key_Delete ||
               e->matches(QKeySequence::Paste) || e->matches(QKeySequence::Cut);
    }

    bool keyPress(QKeyEvent* e) {
        if (edits(e)) c_.editingKey();
        const int shift = shiftFromQt(int(e->modifiers()));
        if (c_.onKeyDown) {
            int code = keyCodeFromQt(e->key());
            if (code != 0) {
                c_.onKeyDown(code, shift);
                if (code == 0) return true;
            }
        }
        if (c_.onKeyPress) {
            const int typed = keyAsciiOf(e);
            if (typed != 0) {
                int ascii = typed;
                c_.onKeyPress(ascii);
                if (ascii == 0) return true;
                if (ascii != typed) {
                    retype(e, ascii);
                    return true;
                }
            }
        }
        return false;
    }

    bool keyRelease(QKeyEvent* e) {
        if (!c_.onKeyUp) return false;
        int code = keyCodeFromQt(e->key());
        if (code == 0) return false;
        c_.onKeyUp(code, shiftFromQt(int(e->modifiers())));
        return code == 0;
    }

    Control& c_;
    bool replaying_ = false;
};

Control::Control(Container& parent, const QString& name, QWidget* w)
    : Control(parent.host(), name, w) {
    widget()->setParent(parent.containerWidget());
    widget()->setVisible(true);
}

Control::Control(Host& host, const QString& name, QWidget* w)
    : TwipsGeometry(0, 0), host_(host), name_(name), widget_(w) {
    w->setObjectName(name);
    w->setProperty(ControlProperty, true);
    w->setProperty(ControlObjectProperty, QVariant::fromValue(static_cast<void*>(this)));
    events_ = std::make_unique<ControlEvents>(*this);
    widget()->installEventFilter(events_.get());
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget())) watch(area->viewport());
    const QSize hint = widget()->sizeHint().isValid() ? widget()->sizeHint() : QSize(65, 17);
    takePixelSize(hint.width(), hint.height());
    applyGeometry();
}

Control::~Control() {
    // The widget may already be gone with its parent window.
    if (widget_) {
        widget_->removeEventFilter(events_.get());
        delete widget_.data();
    }
}

Control* Control::ofWidget(QWidget* w) {
    if (!w) return nullptr;
    return static_cast<Control*>(w->property(ControlObjectProperty).value<void*>());
}

QWidget* Control::widget() const {
    return static_cast<QWidget*>(widget_.data());
}

void Control::watch(QObject* object) {
    object->installEventFilter(events_.get());
}

void Control::applyGeometry() {
    widget()->setGeometry(toPixels(left()), toPixels(top()), toPixels(width()), toPixels(height()));
}

void Control::setEnabled(bool on) {
    enabled_ = on;
    widget()->setEnabled(on);
}

void Control::setVisible(bool on) {
    visible_ = on;
    widget()->setVisible(on);
}

void Control::setToolTipText(const QString& text) {
    toolTip_ = text;
    widget()->setToolTip(text);
}

void Control::setBackColor(Color c) {
    backColor_ = c;
    colorsSet_ = true;
    applyColors();
}

void Control::setForeColor(Color c) {
    foreColor_ = c;
    colorsSet_ = true;
    applyColors();
}

void Control::applyColors() {
    if (!colorsSet_) return;
    QPalette pal = widget()->palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(toRgb(backColor_)));
    pal.setColor(QPalette::Base, QColor::fromRgb(toRgb(backColor_)));
    pal.setColor(QPalette::WindowText, QColor::fromRgb(toRgb(foreColor_)));
    pal.setColor(QPalette::Text, QColor::fromRgb(toRgb(foreColor_)));
    widget()->setPalette(pal);
    widget()->setAutoFillBackground(true);
}

void Control::setBorderStyle(int style) {
    borderStyle_ = style;
    applyBorder();
}

void Control::applyBorder() {
    if (auto* f = qobject_cast<QFrame*>(widget())) {
        f->setFrameShape(borderStyle_ ? QFrame::Box : QFrame::NoFrame);
        f->setFrameShadow(QFrame::Plain);
    }
}

QString Control::fontName() const {
    return widget()->font().family();
}
double Control::fontSize() const {
    return widget()->font().pointSizeF();
}
bool Control::fontBold() const {
    return widget()->font().bold();
}
bool Control::fontItalic() const {
    return widget()->font().italic();
}

void Control::setFontName(const QString& name) {
    QFont f = widget()->font();
    f.setFamily(name);
    widget()->setFont(f);
}

void Control::setFontSize(double points) {
    if (points <= 0) return;
    QFont f = widget()->font();
    f.setPointSizeF(points);
    widget()->setFont(f);
}

void Control::setFontBold(bool on) {
    QFont f = widget()->font();
    f.setBold(on);
    widget()->setFont(f);
}

void Control::setFontItalic(bool on) {
    QFont f = widget()->font();
    f.setItalic(on);
    widget()->setFont(f);
}

void Control::setFocus() {
    widget()->setFocus(Qt::OtherFocusReason);
}
bool Control::hasFocus() const {
    return widget()->hasFocus();
}
void Control::refresh() {
    widget()->update();
}

void Control::zOrder(int position) {
    if (position == 0)
        widget()->raise();
    else
        widget()->lower();
}

} // namespace platform
