#include "shell/LanguageTargets.h"

#include "platform/CheckBox.h"
#include "platform/CommandButton.h"
#include "platform/Form.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/Menu.h"
#include "platform/OptionButton.h"
#include "platform/StatusBar.h"
#include "platform/TabStrip.h"

namespace {

using Result = LanguageTargets::Result;

// The controls that carry a caption.
bool SetCaption(platform::Control& c, const QString& text) {
    if (auto* l = dynamic_cast<platform::Label*>(&c)) {
        l->setCaption(text);
    } else if (auto* b = dynamic_cast<platform::CheckBox*>(&c)) {
        b->setCaption(text);
    } else if (auto* o = dynamic_cast<platform::OptionButton*>(&c)) {
        o->setCaption(text);
    } else if (auto* cb = dynamic_cast<platform::CommandButton*>(&c)) {
        cb->setCaption(text);
    } else if (auto* f = dynamic_cast<platform::Frame*>(&c)) {
        f->setCaption(text);
    } else {
        return false;
    }
    return true;
}

Result SetTabCaption(platform::Control& c, int index, const QString& text) {
    auto* tabs = dynamic_cast<platform::TabStrip*>(&c);
    if (!tabs) return Result::NoControl;
    if (index < 0 || index >= tabs->tabs()) return Result::NoSuchTab;
    // A tab is selected while it is captioned, so a tab control shows the
    // last tab a pack named.
    tabs->setTab(index);
    tabs->setTabCaption(index, text);
    return Result::Applied;
}

Result SetPanelText(platform::Control& c, int index, const QString& text) {
    auto* bar = dynamic_cast<platform::StatusBar*>(&c);
    if (!bar || index < 1 || index > bar->panelCount()) return Result::NoControl;
    bar->setPanelText(index, text);
    return Result::Applied;
}

} // namespace

void LanguageTargets::addWindow(const QString& name, Opener open) {
    windows_[name] = std::move(open);
}

void LanguageTargets::clearLabels() {
    kept_.clear();
    missing_.clear();
    words_ = nullptr;
}

LanguageTargets::Result LanguageTargets::put(const ControlLabel& label) {
    kept_.push_back(label);
    const auto it = windows_.find(label.window);
    platform::Form* form = it != windows_.end() && it->second ? it->second() : nullptr;
    if (!form) return Result::Kept;
    form->load();
    const Result r = apply(*form, label);
    if (r == Result::NoControl) missing_ << label.window + QLatin1Char('.') + label.control;
    return r;
}

void LanguageTargets::Relabel(platform::Form& form) const {
    for (const ControlLabel& label : kept_)
        if (label.window == form.name()) apply(form, label);
    if (words_) form.setCaption(words_(form.caption()));
}

void LanguageTargets::CaptionWindows() {
    if (!words_) return;
    for (const auto& [name, open] : windows_)
        if (platform::Form* form = open ? open() : nullptr)
            form->setCaption(words_(form->caption()));
}

LanguageTargets::Result LanguageTargets::apply(platform::Form& form, const ControlLabel& label) {
    if (label.put == ControlPut::MenuCaption) {
        platform::Menu* menu = form.findMenu(label.control);
        if (!menu) return Result::NoControl;
        menu->setCaption(label.text);
        return Result::Applied;
    }
    platform::Control* c = form.findControl(label.control);
    if (!c) return Result::NoControl;
    switch (label.put) {
    case ControlPut::Caption:
        return SetCaption(*c, label.text) ? Result::Applied : Result::NoControl;
    case ControlPut::ToolTip:
        c->setToolTipText(label.text);
        return Result::Applied;
    case ControlPut::TabCaption:
        return SetTabCaption(*c, label.index, label.text);
    case ControlPut::PanelText:
        return SetPanelText(*c, label.index, label.text);
    case ControlPut::MenuCaption:
        break;
    }
    return Result::NoControl;
}
