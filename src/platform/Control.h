#pragma once
// The base of Mirel's control layer: every control keeps the properties the
// program reads and writes (caption or text, enabled, visible, geometry in
// twips, tool tip, colours as BGR numbers, border style, font) and fires the
// handlers a user's action fires. Geometry is kept in twips and applied to the
// real widget at 15 twips a pixel.

#include "platform/TwipsGeometry.h"

#include <QPointer>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

class QObject;
class QWidget;

namespace platform {

class Host;

// A colour as the program stores it: 0x00BBGGRR, or 0x800000nn for system
// colour nn (5 window background, 8 window text, 15 button face, 16 button
// shadow, 18 button text, ...).
using Color = std::uint32_t;
constexpr Color ColorWhite = 16777215;
constexpr Color ColorBlack = 0;
constexpr Color SysWindowBackground = 0x80000005;
constexpr Color SysWindowText = 0x80000008;
constexpr Color SysButtonFace = 0x8000000F;
constexpr Color SysButtonShadow = 0x80000010;
constexpr Color SysButtonText = 0x80000012;

// Mouse buttons and shift state as handlers receive them.
enum MouseButton { LeftButton = 1, RightButton = 2, MiddleButton = 4 };
enum ShiftState { ShiftMask = 1, CtrlMask = 2, AltMask = 4 };

// Anything controls sit on: a form's client area, a frame, a picture box, one
// tab of a tab strip. Child geometry is relative to the container's origin.
class Container {
public:
    virtual ~Container() = default;
    virtual QWidget* containerWidget() const = 0;
    virtual Host& host() const = 0;
};

using MouseHandler = std::function<void(int button, int shift, int x, int y)>;
using KeyHandler = std::function<void(int& keyCode, int shift)>;
using KeyPressHandler = std::function<void(int& keyAscii)>;

class Control : public TwipsGeometry {
public:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    const QString& name() const { return name_; }
    Host& host() const { return host_; }

    // The control's own Enabled and Visible properties (a control on a hidden
    // tab keeps Visible true, as the program expects).
    bool enabled() const { return enabled_; }
    void setEnabled(bool on);
    bool visible() const { return visible_; }
    void setVisible(bool on);

    QString toolTipText() const { return toolTip_; }
    void setToolTipText(const QString& text);

    Color backColor() const { return backColor_; }
    void setBackColor(Color c);
    Color foreColor() const { return foreColor_; }
    void setForeColor(Color c);

    // 0 none, 1 fixed single.
    int borderStyle() const { return borderStyle_; }
    void setBorderStyle(int style);

    QString fontName() const;
    void setFontName(const QString& name);
    double fontSize() const;
    void setFontSize(double points);
    bool fontBold() const;
    void setFontBold(bool on);
    bool fontItalic() const;
    void setFontItalic(bool on);

    void setFocus();
    bool hasFocus() const;
    virtual void refresh();
    void zOrder(int position = 0); // 0 brings to the front, 1 sends to the back

    // Handlers; every control may fire these. Mouse positions are in twips
    // relative to the control.
    std::function<void()> onClick;
    std::function<void()> onDblClick;
    MouseHandler onMouseDown;
    MouseHandler onMouseUp;
    MouseHandler onMouseMove;
    KeyHandler onKeyDown;
    KeyHandler onKeyUp;
    KeyPressHandler onKeyPress;
    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;

    // The real widget; for the control layer, the application shell and tests.
    QWidget* widget() const;
    // The control a widget belongs to (null for any other widget).
    static Control* ofWidget(QWidget* w);

protected:
    // Takes ownership of w (parented to the container's widget).
    Control(Container& parent, const QString& name, QWidget* w);
    Control(Host& host, const QString& name, QWidget* w); // for widgets placed by their owner

    // Also watch events of another object (a scroll area's viewport).
    void watch(QObject* object);
    // When false, a mouse press and release inside the control is not a Click
    // (controls whose Click comes from their own widget signal).
    void setClickFromMouse(bool on) { clickFromMouse_ = on; }
    bool clickFromMouse() const { return clickFromMouse_; }
    virtual void applyColors();
    virtual void applyBorder();
    // A key that edits text (a character, Backspace, Delete, a paste or a
    // cut) was pressed in the control.
    virtual void editingKey() {}
    void applyGeometry() override;
    // The default colours a control reports before a program sets its own.
    void initColors(Color back, Color fore) {
        backColor_ = back;
        foreColor_ = fore;
    }

private:
    friend class ControlEvents;
    Host& host_;
    QString name_;
    QPointer<QObject> widget_; // the QWidget, or null once Qt deleted it
    std::unique_ptr<QObject> events_;
    bool enabled_ = true, visible_ = true;
    QString toolTip_;
    Color backColor_ = SysButtonFace;
    Color foreColor_ = SysButtonText;
    bool colorsSet_ = false;
    int borderStyle_ = 0;
    bool clickFromMouse_ = true;
    bool pressed_ = false;
};

// Qt colour of a program colour number (system colours from the palette).
// Declared here, defined in the control layer; takes and returns plain ints so
// that callers need no Gui header.
std::uint32_t toRgb(Color c); // 0x00RRGGBB

} // namespace platform
