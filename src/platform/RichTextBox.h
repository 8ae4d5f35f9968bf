#pragma once
// A rich text box used as a text field: plain text in and out, with bold and
// italic applied to the selection. Text, SelStart and SelLength follow the
// text box's rules (CR LF line ends, Change on every real change of the text,
// never for a change of format).
//
// A one-line box (multiLine false) never takes a line break from the user:
// Enter reaches KeyPress as 13 and is then dropped, and a pasted text keeps
// only its first line. Code may still set text with line breaks.

#include "platform/TextField.h"

namespace platform {

class RichTextBox : public TextField {
public:
    RichTextBox(Container& parent, const QString& name, bool multiLine = false);

    void setText(const QString& text);

    // Bold and italic of the selection's first character (of the caret's
    // typing format when nothing is selected); setting applies to the selection.
    bool selBold() const;
    void setSelBold(bool on);
    bool selItalic() const;
    void setSelItalic(bool on);

    // Lays out and paints new text at once and scrolls to the end (a log box
    // calls it after each line it adds).
    void refresh() override;

protected:
    int widgetSelStart() const override;
    int widgetSelLength() const override;
    void selectRange(int start, int length) override;
    void insertAtSelection(const QString& text) override;
    void applyLocked(bool on) override;

private:
    void widgetChanged();
};

} // namespace platform
