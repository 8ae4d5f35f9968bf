#pragma once
// A window of the program. It has Initialize, Load, Activate, Resize,
// QueryUnload and Unload handlers, geometry in twips (relative to the screen),
// and is shown modelessly or modally (through the host's modal service, which a
// test answers). Borderless windows are moved by dragging a picture strip.

#include "platform/Control.h"

#include <QHash>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

class QEventLoop;
class QMainWindow;

namespace platform {

class Menu;
class PictureBox;

class Form : public Container, public TwipsGeometry {
public:
    enum class Style {
        Main,       // title bar, menu bar and status bar
        Dialog,     // title bar, fixed size
        Borderless, // no title bar; dragged by its strip
    };

    Form(Host& host, const QString& name, Style style = Style::Borderless);
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    QWidget* containerWidget() const override;
    Host& host() const override { return host_; }
    const QString& name() const { return name_; }
    Style style() const { return style_; }
    QWidget* window() const;

    QString caption() const { return caption_; }
    void setCaption(const QString& text);

    // Moves the window so that its centre is the owner's (the screen's when
    // there is no owner or it is not shown), keeping it on the screen.
    void centreOver(const Form* owner);
    // The window this one opens over: each time it is shown from hidden it is
    // centred over what `owner` gives then (the owner may come later).
    void openOver(std::function<const Form*()> owner) { owner_ = std::move(owner); }

    // Lifetime. load() runs Initialize the first time and Load each time the
    // form is loaded; show() loads first. unload() runs Unload (which may
    // cancel) and hides the window.
    bool isLoaded() const { return loaded_; }
    void load();
    void unload();
    void show();
    void showModal();
    void hide();
    bool visible() const { return visible_; }
    bool isShownModal() const { return modalLoop_ != nullptr || modalDepth_ > 0; }
    // What the window system's close does: QueryUnload (mode 0), then unload.
    void requestClose();

    std::function<void()> onInitialize;
    std::function<void()> onLoad;
    // Runs each time the window has been shown after being hidden.
    std::function<void()> onShow;
    std::function<void()> onActivate;
    std::function<void()> onDeactivate;
    std::function<void()> onResize;
    std::function<void(int& cancel, int unloadMode)> onQueryUnload;
    std::function<void(int& cancel)> onUnload;
    // Runs when Escape is pressed anywhere in the window and no control took
    // the key; while it is not set Escape does nothing.
    std::function<void()> onEscape;
    // Keys no control of the window took: the window itself has the focus,
    // or the focused control passed the key on (Enter and Escape in a text
    // box). Setting the code to 0 consumes the key.
    KeyHandler onKeyDown;
    // Runs when anything (files, text, ...) is dropped onto the window; while
    // it is not set the window takes no drops. What was dropped is not passed.
    std::function<void()> onDragDrop;

    // A borderless window follows the pointer while its strip is dragged:
    // button down remembers the grip point and shows the four-way arrow, each
    // move shifts the window by the pointer's offset, button up restores the
    // default pointer.
    void attachDragStrip(Control& strip);
    // Lays the window out as a borderless one: at the screen's top left
    // corner, width x height twips, with `strip` across its top (stripHeight
    // twips tall, in the strips' grey) as the handle that drags it.
    void makeBorderless(PictureBox& strip, int width, int height, int stripHeight);
    bool dragActive() const { return dragActive_; }

    // The window's control or menu item of that name ("Label2(3)" for an
    // element of a control array); null when it has none.
    Control* findControl(const QString& name) const;
    Menu* findMenu(const QString& name) const;

    // Main windows only.
    QMainWindow* mainWindow() const;
    void setStatusBarWidget(QWidget* bar);

private:
    friend class ModalService;
    friend class FormEvents;
    void applyGeometry() override;
    void windowResized(int pxWidth, int pxHeight);
    void windowMoved(int pxX, int pxY);

    Host& host_;
    QString name_;
    Style style_;
    QWidget* window_ = nullptr;
    QWidget* canvas_ = nullptr;
    std::unique_ptr<QObject> events_;
    QString caption_;
    bool initialized_ = false, loaded_ = false, visible_ = false, unloading_ = false;
    QEventLoop* modalLoop_ = nullptr;
    int modalDepth_ = 0;
    bool dragActive_ = false;
    int dragStartX_ = 0, dragStartY_ = 0;
    std::function<const Form*()> owner_;
    // The window's controls by name, from one walk over its widgets.
    mutable QHash<QString, QPointer<QWidget>> controlIndex_;
    mutable bool indexed_ = false;
};

} // namespace platform
