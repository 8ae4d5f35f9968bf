#pragma once
// A rich text box used as a text field: plain text in and out, with bold and
// italic applied to the selection. Text, SelStart and SelLength follow the
// text box's rules (CR LF line ends, Change on every real change of the text,
// never for a change of format).
//
// A one-line box (multiLine false) never takes a line break from the user:
// Enter reaches KeyPress as 13 and is then dropped, and a pasted text keeps
// only its first line. Code may still set text with line breaks.

#include "platform/Control.h"

namespace platform {

class RichTextBox : public Control {
public:
    RichTextBox(Container& parent, const QString& name, bool multiLine = false);

    QString text() const { return text_; }
    void setText(const QString& text);

    int selStart() const;
    void setSelStart(int pos);
    int selLength() const;
    void setSelLength(int length);
    QString selText() const;
    void setSelText(const QString& text);
    // Bold and italic of the selection's first character (of the caret's
    // typing format when nothing is selected); setting applies to the selection.
    bool selBold() const;
    void setSelBold(bool on);
    bool selItalic() const;
    void setSelItalic(bool on);

    bool locked() const { return locked_; }
    void setLocked(bool on);
    bool multiLine() const { return multiLine_; }

    // Lays out and paints new text at once and scrolls to the end (a log box
    // calls it after each line it adds).
    void refresh() override;

    std::function<void()> onChange;

private:
    void widgetChanged();
    void selectRange(int start, int length);

    bool multiLine_;
    bool locked_ = false;
    QString text_;
};

} // namespace platform
