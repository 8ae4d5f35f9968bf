#include "platform/Form.h"

#include "platform/Host.h"
#include "platform/Keys.h"
#include "platform/Label.h"
#include "platform/Menu.h"

#include <QAction>
#include <QCloseEvent>
#include <QDropEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMainWindow>
#include <QStatusBar>
#include <QWidget>
#include <algorithm>

namespace platform {

class FormEvents : public QObject {
public:
    explicit FormEvents(Form& f) : f_(f) {}
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (watched != f_.window_) return false;
        switch (e->type()) {
        case QEvent::Close:
            e->ignore();
            f_.requestClose();
            return true;
        case QEvent::Resize:
            f_.windowResized(f_.window_->width(), f_.window_->height());
            return false;
        case QEvent::Move:
            f_.windowMoved(f_.window_->x(), f_.window_->y());
            return false;
        case QEvent::WindowActivate:
            if (f_.onActivate) f_.onActivate();
            return false;
        case QEvent::WindowDeactivate:
            if (f_.onDeactivate) f_.onDeactivate();
            return false;
        case QEvent::KeyPress:
            return keyDown(static_cast<QKeyEvent*>(e));
        case QEvent::DragEnter:
        case QEvent::DragMove:
            return offerDrop(static_cast<QDragMoveEvent*>(e));
        case QEvent::Drop:
            return drop(static_cast<QDropEvent*>(e));
        default:
            return false;
        }
    }

private:
    bool keyDown(QKeyEvent* e) {
        if (e->key() == Qt::Key_Escape && f_.onEscape) {
            f_.onEscape();
            e->accept();
            return true;
        }
        if (!f_.onKeyDown) return false;
        int code = keyCodeFromQt(e->key());
        if (code == 0) return false;
        f_.onKeyDown(code, shiftFromQt(int(e->modifiers())));
        if (code != 0) return false;
        e->accept();
        return true;
    }
    bool offerDrop(QDragMoveEvent* e) {
        if (!f_.onDragDrop) return false;
        e->acceptProposedAction();
        return true;
    }
    bool drop(QDropEvent* e) {
        if (!f_.onDragDrop) return false;
        e->acceptProposedAction();
        f_.onDragDrop();
        return true;
    }

    Form& f_;
};

Form::Form(Host& host, const QString& name, Style style)
    : TwipsGeometry(4800, 3600), host_(host), name_(name), style_(style) {
    if (style == Style::Main) {
        auto* mw = new QMainWindow;
        canvas_ = new QWidget(mw);
        mw->setCentralWidget(canvas_);
        window_ = mw;
    } else {
        window_ = new QWidget(nullptr, style == Style::Borderless
                                           ? Qt::Window | Qt::FramelessWindowHint
                                           : Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
        canvas_ = window_;
    }
    window_->setObjectName(name);
    events_ = std::make_unique<FormEvents>(*this);
    window_->installEventFilter(events_.get());
    window_->setAcceptDrops(true);
    applyGeometry();
}

Form::~Form() {
    window_->removeEventFilter(events_.get());
    if (modalLoop_) modalLoop_->quit();
    delete window_;
}

QWidget* Form::containerWidget() const {
    return canvas_;
}
QWidget* Form::window() const {
    return window_;
}
QMainWindow* Form::mainWindow() const {
    return qobject_cast<QMainWindow*>(window_);
}

// The first lookup indexes every control of the window in one walk (the
// first of a name wins, as in a search). A name not in the index, or whose
// control has gone, is searched for: controls are also made later.
Control* Form::findControl(const QString& name) const {
    if (!indexed_) {
        for (QWidget* w : window_->findChildren<QWidget*>())
            if (Control::ofWidget(w) && !controlIndex_.contains(w->objectName()))
                controlIndex_.insert(w->objectName(), w);
        indexed_ = true;
    }
    if (QWidget* w = controlIndex_.value(name); w && w->objectName() == name)
        if (Control* c = Control::ofWidget(w)) return c;
    for (QWidget* w : window_->findChildren<QWidget*>(name))
        if (Control* c = Control::ofWidget(w)) {
            controlIndex_.insert(name, w);
            return c;
        }
    return nullptr;
}

Menu* Form::findMenu(const QString& name) const {
    for (QAction* a : window_->findChildren<QAction*>(name))
        if (Menu* m = Menu::ofAction(a)) return m;
    return nullptr;
}

void Form::setStatusBarWidget(QWidget* bar) {
    if (auto* mw = mainWindow()) mw->setStatusBar(qobject_cast<QStatusBar*>(bar));
}

void Form::setCaption(const QString& text) {
    caption_ = text;
    window_->setWindowTitle(text);
}

namespace {
// A start that keeps a span of `size` inside 0 .. `room` where it can.
int KeptInside(int start, int size, int room) {
    return std::max(0, std::min(start, room - size));
}
} // namespace

void Form::centreOver(const Form* owner) {
    const bool shown = owner && owner->visible();
    const int screenWidth = host_.screen.width(), screenHeight = host_.screen.height();
    const int centreX = shown ? owner->left() + owner->width() / 2 : screenWidth / 2;
    const int centreY = shown ? owner->top() + owner->height() / 2 : screenHeight / 2;
    move(KeptInside(centreX - width() / 2, width(), screenWidth),
         KeptInside(centreY - height() / 2, height(), screenHeight));
}

void Form::applyGeometry() {
    window_->move(toPixels(left()), toPixels(top()));
    window_->resize(toPixels(width()), toPixels(height()));
}

// The window system changed the size: keep the twips unless they already
// round to the new pixels, then tell the form.
void Form::windowResized(int pxWidth, int pxHeight) {
    takePixelSize(pxWidth, pxHeight);
    if (onResize) onResize();
}

void Form::windowMoved(int pxX, int pxY) {
    takePixelPosition(pxX, pxY);
}

void Form::load() {
    if (loaded_) return;
    if (!initialized_) {
        initialized_ = true;
        if (onInitialize) onInitialize();
    }
    loaded_ = true;
    if (onLoad) onLoad();
}

// An unload already running (its handler still asking the user) is not
// started a second time.
void Form::unload() {
    if (!loaded_ || unloading_) return;
    int cancel = 0;
    unloading_ = true;
    if (onUnload) onUnload(cancel);
    unloading_ = false;
    if (cancel) return;
    loaded_ = false;
    hide();
}

void Form::requestClose() {
    int cancel = 0;
    if (onQueryUnload) onQueryUnload(cancel, 0);
    if (cancel) return;
    unload();
}

void Form::show() {
    load();
    if (!loaded_) return;
    const bool opening = !visible_;
    if (opening && owner_) centreOver(owner_());
    visible_ = true;
    window_->show();
    window_->raise();
    if (opening && onShow) onShow();
}

void Form::showModal() {
    host_.modal.run(*this);
}

void Form::hide() {
    visible_ = false;
    window_->hide();
    if (modalLoop_) modalLoop_->quit();
}

void Form::attachDragStrip(Control& strip) {
    strip.onMouseDown = [this](int, int, int x, int y) {
        dragActive_ = true;
        dragStartX_ = x;
        dragStartY_ = y;
        host_.screen.setMousePointer(Screen::PointerSizeAll);
    };
    strip.onMouseMove = [this](int, int, int x, int y) {
        if (!dragActive_) return;
        setTop(top() + y - dragStartY_);
        setLeft(left() + x - dragStartX_);
    };
    strip.onMouseUp = [this](int, int, int, int) {
        dragActive_ = false;
        host_.screen.setMousePointer(Screen::PointerDefault);
    };
}

namespace {
constexpr Color StripColor = 6582129; // the grey of the strips that drag windows
} // namespace

void Form::makeBorderless(PictureBox& strip, int width, int height, int stripHeight) {
    move(0, 0, width, height);
    strip.move(0, 0, width, stripHeight);
    strip.setBackColor(StripColor);
    attachDragStrip(strip);
}

} // namespace platform
