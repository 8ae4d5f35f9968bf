#pragma once
// A push button. Click runs once for each press by the user (mouse, Space, or
// Escape when it is the window's Cancel button) and once for each click() from
// code. click() runs the handler even on a disabled or hidden button, so the
// program and its macros can press any button they hold.

#include "platform/ButtonControl.h"

class QShortcut;

namespace platform {

class CommandButton : public ButtonControl {
public:
    CommandButton(Container& parent, const QString& name, const QString& caption = {});

    void click();

    // The default button is drawn as such (and pressed by Enter in a dialog);
    // the Cancel button is pressed by Escape anywhere in its window.
    bool isDefault() const { return default_; }
    void setDefault(bool on);
    bool cancel() const { return cancel_ != nullptr; }
    void setCancel(bool on);

private:
    bool default_ = false;
    QShortcut* cancel_ = nullptr;
};

} // namespace platform
