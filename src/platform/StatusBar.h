#pragma once
// The status bar of a main window, with panels numbered from 1.

#include "platform/Control.h"

#include <vector>

class QLabel;

namespace platform {

class Form;

class StatusBar : public Control {
public:
    StatusBar(Form& form, const QString& name, int panels);

    int panelCount() const { return static_cast<int>(panels_.size()); }
    QString panelText(int panel) const;
    void setPanelText(int panel, const QString& text);
    int panelWidth(int panel) const;
    void setPanelWidth(int panel, int twips);
    // The width a panel needs to show `text` whole (frame and margins
    // included), in twips.
    int textWidth(int panel, const QString& text) const;

private:
    QLabel* panel(int i) const;
    std::vector<QLabel*> panels_;
    std::vector<int> widths_;
};

} // namespace platform
