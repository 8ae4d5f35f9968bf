#include "platform/TextBox.h"

#include "platform/TextEditing.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <algorithm>
#include <limits>

namespace platform {

namespace {

QWidget* makeEditor(bool multiLine) {
    if (!multiLine) {
        auto* e = new QLineEdit;
        e->setMaxLength(std::numeric_limits<int>::max());
        return e;
    }
    auto* e = new QPlainTextEdit;
    e->setTabChangesFocus(true);
    return e;
}

QLineEdit* lineOf(QWidget* w) {
    return qobject_cast<QLineEdit*>(w);
}
QPlainTextEdit* plainOf(QWidget* w) {
    return qobject_cast<QPlainTextEdit*>(w);
}

} // namespace

TextBox::TextBox(Container& parent, const QString& name, bool multiLine)
    : TextField(parent, name, makeEditor(multiLine), multiLine) {
    if (auto* l = lineOf(widget()))
        QObject::connect(l, &QLineEdit::textChanged, l, [this] { widgetChanged(); });
    if (auto* p = plainOf(widget()))
        QObject::connect(p, &QPlainTextEdit::textChanged, p, [this] { widgetChanged(); });
    setBorderStyle(1);
}

void TextBox::applyBorder() {
    if (auto* l = lineOf(widget())) l->setFrame(borderStyle() != 0);
    if (auto* p = plainOf(widget())) {
        p->setFrameShape(borderStyle() != 0 ? QFrame::StyledPanel : QFrame::NoFrame);
        p->setFrameShadow(QFrame::Sunken);
    }
}

QString TextBox::widgetText() const {
    if (auto* l = lineOf(widget())) return l->text();
    return toProgramLineEnds(plainOf(widget())->toPlainText());
}

void TextBox::showText(const QString& text) {
    if (auto* l = lineOf(widget())) {
        l->setText(text);
        l->setCursorPosition(0);
        return;
    }
    plainOf(widget())->setPlainText(toWidgetLineEnds(text));
}

QString TextBox::limited(const QString& text) const {
    if (maxLength_ <= 0 || text.size() <= maxLength_) return text;
    QString t = text.left(maxLength_);
    if (t.endsWith(u'\r') && text[maxLength_] == u'\n') t.chop(1); // never half a line end
    return t;
}

// Every change of the widget's text, typed or set, comes through here.
void TextBox::widgetChanged() {
    const QString now = widgetText();
    if (multiLine() && now != limited(now)) { // a one-line widget keeps the limit itself
        const int caret = selStart();
        showText(limited(now)); // comes back here with the cut text
        selectRange(std::min(caret, int(text().size())), 0);
        return;
    }
    takeText(now);
}

void TextBox::setText(const QString& text) {
    const ProgramChange change(*this);
    const QString next = limited(multiLine() ? toProgramLineEnds(text) : text);
    if (next == this->text()) return;
    showText(next);
}

int TextBox::widgetSelStart() const {
    if (auto* l = lineOf(widget()))
        return l->hasSelectedText() ? l->selectionStart() : l->cursorPosition();
    return programSelStart(plainOf(widget())->textCursor());
}

int TextBox::widgetSelLength() const {
    if (auto* l = lineOf(widget())) return int(l->selectedText().size());
    return programSelLength(plainOf(widget())->textCursor());
}

void TextBox::selectRange(int start, int length) {
    if (auto* l = lineOf(widget())) {
        if (length == 0)
            l->setCursorPosition(start);
        else
            l->setSelection(start, length);
        return;
    }
    QPlainTextEdit* p = plainOf(widget());
    p->setTextCursor(programRange(p->document(), text(), start, length));
}

void TextBox::insertAtSelection(const QString& text) {
    if (auto* l = lineOf(widget())) {
        l->insert(text);
        return;
    }
    QPlainTextEdit* p = plainOf(widget());
    p->setTextCursor(inserted(p->textCursor(), text));
}

void TextBox::applyLocked(bool on) {
    if (auto* l = lineOf(widget())) l->setReadOnly(on);
    if (auto* p = plainOf(widget())) {
        p->setReadOnly(on);
        // A locked box still shows its caret and lets the user select and copy.
        if (on) p->setTextInteractionFlags(LockedInteraction);
    }
}

void TextBox::setMaxLength(int length) {
    maxLength_ = std::max(length, 0);
    if (auto* l = lineOf(widget()))
        l->setMaxLength(maxLength_ > 0 ? maxLength_ : std::numeric_limits<int>::max());
    else
        setText(text()); // cuts the text to the new limit
}

} // namespace platform
