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

#include "platform/Control.h"

namespace platform {

class TextBox : public Control {
public:
    TextBox(Container& parent, const QString& name, bool multiLine = false);

    QString text() const { return text_; }
    void setText(const QString& text);

    // The selection in characters of text(); SelStart is the caret when
    // nothing is selected. Setting SelStart drops the selection; SelLength
    // selects from SelStart; SelText replaces the selection (a Change).
    int selStart() const;
    void setSelStart(int pos);
    int selLength() const;
    void setSelLength(int length);
    QString selText() const;
    void setSelText(const QString& text);

    // A locked box takes no typing; code may still change its text.
    bool locked() const { return locked_; }
    void setLocked(bool on);
    // 0: no limit.
    int maxLength() const { return maxLength_; }
    void setMaxLength(int length);
    bool multiLine() const { return multiLine_; }

    std::function<void()> onChange;

protected:
    void applyBorder() override;

private:
    void widgetChanged();
    QString widgetText() const;
    void showText(const QString& text);
    void selectRange(int start, int length);
    QString limited(const QString& text) const;

    bool multiLine_;
    bool locked_ = false;
    int maxLength_ = 0;
    QString text_;
};

// Line ends between the program's text (CR LF) and a text widget's (LF), and
// character positions between the two; shared with the rich text box.
QString toProgramLineEnds(const QString& text);
QString toWidgetLineEnds(const QString& text);
int toProgramPos(const QString& widgetText, int widgetPos);
int toWidgetPos(const QString& programText, int programPos);

} // namespace platform
