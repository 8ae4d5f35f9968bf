#pragma once
// A frame: a captioned box that holds other controls. Controls placed on it
// take positions relative to its top-left corner (caption row included), and
// option buttons on it form a group of their own.

#include "platform/Control.h"

namespace platform {

class Frame : public Control, public Container {
public:
    Frame(Container& parent, const QString& name, const QString& caption = {});

    QWidget* containerWidget() const override { return widget(); }
    Host& host() const override { return Control::host(); }

    QString caption() const;
    void setCaption(const QString& text);
};

} // namespace platform
