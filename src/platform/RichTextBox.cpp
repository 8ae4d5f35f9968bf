#include "platform/RichTextBox.h"

#include "platform/TextEditing.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextEdit>

namespace platform {

namespace {

// The editor behind the control. The control's own key handling runs first
// (in its event filter), so a one-line box drops Enter only after KeyPress saw it.
class RichEdit : public QTextEdit {
public:
    explicit RichEdit(bool multiLine) : multiLine_(multiLine) {
        setAcceptRichText(false);
        setTabChangesFocus(true);
        if (!multiLine) {
            setLineWrapMode(QTextEdit::NoWrap);
            setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            document()->setDocumentMargin(1); // the line fits a field one line high
        }
    }

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (!multiLine_ && (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)) {
            e->accept();
            return;
        }
        QTextEdit::keyPressEvent(e);
    }

    void insertFromMimeData(const QMimeData* source) override {
        if (multiLine_ || !source->hasText()) {
            QTextEdit::insertFromMimeData(source);
            return;
        }
        const QString firstLine = toWidgetLineEnds(source->text()).section(u'\n', 0, 0);
        textCursor().insertText(firstLine);
    }

private:
    bool multiLine_;
};

QTextEdit* editOf(QWidget* w) {
    return static_cast<QTextEdit*>(w);
}

} // namespace

RichTextBox::RichTextBox(Container& parent, const QString& name, bool multiLine)
    : TextField(parent, name, new RichEdit(multiLine), multiLine) {
    QTextEdit* e = editOf(widget());
    QObject::connect(e, &QTextEdit::textChanged, e, [this] { widgetChanged(); });
}

// A change of format only is no change of the text.
void RichTextBox::widgetChanged() {
    takeText(toProgramLineEnds(editOf(widget())->toPlainText()));
}

void RichTextBox::setText(const QString& text) {
    const QString next = toProgramLineEnds(text);
    if (next == this->text()) return;
    editOf(widget())->setPlainText(toWidgetLineEnds(next));
}

int RichTextBox::widgetSelStart() const {
    return programSelStart(editOf(widget())->textCursor());
}

int RichTextBox::widgetSelLength() const {
    return programSelLength(editOf(widget())->textCursor());
}

void RichTextBox::selectRange(int start, int length) {
    QTextEdit* e = editOf(widget());
    e->setTextCursor(programRange(e->document(), text(), start, length));
}

void RichTextBox::insertAtSelection(const QString& text) {
    QTextEdit* e = editOf(widget());
    e->setTextCursor(inserted(e->textCursor(), text));
}

namespace {
// The format of the selection's first character, or the caret's typing format.
QTextCharFormat selectionFormat(const QTextEdit* e) {
    const QTextCursor sel = e->textCursor();
    if (!sel.hasSelection()) return e->currentCharFormat();
    QTextCursor c(e->document());
    c.setPosition(sel.selectionStart() + 1);
    return c.charFormat();
}
} // namespace

bool RichTextBox::selBold() const {
    return selectionFormat(editOf(widget())).fontWeight() >= QFont::Bold;
}

bool RichTextBox::selItalic() const {
    return selectionFormat(editOf(widget())).fontItalic();
}

void RichTextBox::setSelBold(bool on) {
    QTextCharFormat f;
    f.setFontWeight(on ? QFont::Bold : QFont::Normal);
    editOf(widget())->mergeCurrentCharFormat(f);
}

void RichTextBox::setSelItalic(bool on) {
    QTextCharFormat f;
    f.setFontItalic(on);
    editOf(widget())->mergeCurrentCharFormat(f);
}

void RichTextBox::applyLocked(bool on) {
    QTextEdit* e = editOf(widget());
    e->setReadOnly(on);
    if (on) e->setTextInteractionFlags(LockedInteraction);
}

void RichTextBox::refresh() {
    QTextEdit* e = editOf(widget());
    e->document()->documentLayout()->documentSize(); // finishes a lazy layout
    QScrollBar* bar = e->verticalScrollBar();
    bar->setValue(bar->maximum());
    e->viewport()->repaint();
}

} // namespace platform
