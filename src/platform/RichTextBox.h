#pragma once
// A rich text box used as a text field: plain text in and out, with bold and
// italic applied to the selection. Text, SelStart and SelLength follow the
// text box's rules (CR LF line ends, Change on every real change of the text,
// never for a change of format).
//
// A one-line box (multiLine false) never takes a line break from the user:
// Enter reaches KeyPress as 13 and is then dropped, and a pasted text keeps
// only its first line. Code may still set text with line breaks.
//
// A one-line box shows only the start of what it holds, so a text far longer
// than it can show (a line of a megabyte) set while the user works elsewhere
// is shown as its start (ShownStart) and laid out whole only when the user
// comes to the box: it takes the focus, a click or a drop, or code selects or
// inserts in it. Text, Change and the selection always count the whole text.

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
    void setStartOnly(bool on);
    void showWidgetText(const QString& programText);
    // The whole text into the editor, where it showed only its start.
    void showWhole();

    bool startOnly_ = false; // the editor shows the start of a long text, read-only
    bool showing_ = false;   // the editor's text is being set from text()
};

} // namespace platform
