#pragma once
// A label; the program also uses labels as buttons (Click, MouseDown and
// MouseUp with the button, shift state and position in twips).

#include "platform/Control.h"

class QLabel;

namespace platform {

class Label : public Control {
public:
    Label(Container& parent, const QString& name, const QString& caption = {});

    QString caption() const;
    void setCaption(const QString& text);
    // 0 left, 1 right, 2 centre.
    int alignment() const { return alignment_; }
    void setAlignment(int a);
    bool wordWrap() const;
    void setWordWrap(bool on);
    // The height in twips the caption needs at the label's width (its lines
    // wrapped there when word wrap is on).
    int textHeight() const;

private:
    QLabel* label() const;
    int alignment_ = 0;
    QString caption_;
};

// A picture box: a plain area with mouse events; used as the drag strip of
// borderless windows and as a container for other controls.
class PictureBox : public Control, public Container {
public:
    PictureBox(Container& parent, const QString& name);
    QWidget* containerWidget() const override { return widget(); }
    Host& host() const override { return Control::host(); }
    // Loads an image file to show (empty path clears it); false when unreadable.
    bool loadPicture(const QString& path);

    // The window system's standard message icons, drawn at 32 x 32 pixels.
    enum class StockIcon { Stop, Question, Exclamation, Information };
    void setStockIcon(StockIcon icon);
};

} // namespace platform
