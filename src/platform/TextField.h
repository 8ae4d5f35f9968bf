#pragma once
// What the text box and the rich text box share: the program's copy of the
// text (CR LF line ends in a multi-line field), the selection counted in that
// copy, Locked, Change on every real change of the text, and whether the
// text shown was typed there or set by the program.

#include "platform/Control.h"

namespace platform {

class TextField : public Control {
public:
    QString text() const { return text_; }

    // The selection in characters of text(); SelStart is the caret when
    // nothing is selected. Setting SelStart drops the selection; SelLength
    // selects from SelStart; SelText replaces the selection (a Change).
    int selStart() const { return widgetSelStart(); }
    void setSelStart(int pos);
    int selLength() const { return widgetSelLength(); }
    void setSelLength(int length);
    QString selText() const;
    void setSelText(const QString& text) {
        const ProgramChange change(*this);
        insertAtSelection(text);
    }

    // The text shown was typed, pasted or dropped into the field (also a key
    // that left it as it was); false once the program changes the text.
    bool typed() const { return typed_; }

    // A locked field takes no typing; code may still change its text.
    bool locked() const { return locked_; }
    void setLocked(bool on);
    bool multiLine() const { return multiLine_; }

    std::function<void()> onChange;

protected:
    // Held while the program sets the text: what it sets is not typed.
    class ProgramChange {
    public:
        explicit ProgramChange(TextField& field) : field_(field) { ++field_.programChanges_; }
        ~ProgramChange() { --field_.programChanges_; }
        ProgramChange(const ProgramChange&) = delete;
        ProgramChange& operator=(const ProgramChange&) = delete;

    private:
        TextField& field_;
    };

    void editingKey() override {
        if (!locked_) typed_ = true;
    }

    // A field of the standard size for one line or several.
    TextField(Container& parent, const QString& name, QWidget* editor, bool multiLine);

    // The widget's text, in the program's form: kept, and Change runs, when
    // it differs from the text kept so far.
    void takeText(const QString& now);

    // The editor's own selection, counted in text(), and its changes.
    virtual int widgetSelStart() const = 0;
    virtual int widgetSelLength() const = 0;
    virtual void selectRange(int start, int length) = 0;
    virtual void insertAtSelection(const QString& text) = 0;
    virtual void applyLocked(bool on) = 0;

private:
    bool multiLine_;
    bool locked_ = false;
    bool typed_ = false;
    int programChanges_ = 0;
    QString text_;
};

} // namespace platform
