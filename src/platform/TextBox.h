#pragma once
// A text box: one line (the default) or several. The program reads and writes
// its text, selection and limits; Change runs whenever the text changes, by
// the user or by code, but not when code sets the text it already has.
//
// Line ends: a multi-line box hands out its text with CR LF line ends (a lone
// CR or LF set by code comes back as CR LF), and SelStart/SelLength count a
// CR LF as two characters, as the program's string code expects. A one-line
// box keeps text set by code exactly as given, line breaks included; the field
// shows each break as a space and Text returns the original.
//
// Setting the text from code puts the caret at the start. Text longer than
// MaxLength is cut to MaxLength, whether typed, pasted or set by code.

#include "platform/TextField.h"

namespace platform {

class TextBox : public TextField {
public:
    TextBox(Container& parent, const QString& name, bool multiLine = false);

    void setText(const QString& text);

    // 0: no limit.
    int maxLength() const { return maxLength_; }
    void setMaxLength(int length);

protected:
    void applyBorder() override;
    int widgetSelStart() const override;
    int widgetSelLength() const override;
    void selectRange(int start, int length) override;
    void insertAtSelection(const QString& text) override;
    void applyLocked(bool on) override;

private:
    void widgetChanged();
    QString widgetText() const;
    void showText(const QString& text);
    QString limited(const QString& text) const;

    int maxLength_ = 0;
};

} // namespace platform
