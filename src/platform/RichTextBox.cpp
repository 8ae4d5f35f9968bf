#include "platform/RichTextBox.h"

#include "platform/TextBox.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextEdit>
#include <algorithm>

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
    : Control(parent, name, new RichEdit(multiLine)), multiLine_(multiLine) {
    initColors(SysWindowBackground, SysWindowText);
    QTextEdit* e = editOf(widget());
    QObject::connect(e, &QTextEdit::textChanged, e, [this] { widgetChanged(); });
    move(0, 0, 1215, multiLine ? 855 : 285);
}

void RichTextBox::widgetChanged() {
    const QString now = toProgramLineEnds(editOf(widget())->toPlainText());
    if (now == text_) return; // a change of format only
    text_ = now;
    if (onChange) onChange();
}

void RichTextBox::setText(const QString& text) {
    const QString next = toProgramLineEnds(text);
    if (next == text_) return;
    editOf(widget())->setPlainText(toWidgetLineEnds(next));
}

int RichTextBox::selStart() const {
    const QTextEdit* e = editOf(widget());
    return toProgramPos(e->toPlainText(), e->textCursor().selectionStart());
}

int RichTextBox::selLength() const {
    const QTextEdit* e = editOf(widget());
    const QString plain = e->toPlainText();
    const QTextCursor c = e->textCursor();
    return toProgramPos(plain, c.selectionEnd()) - toProgramPos(plain, c.selectionStart());
}

QString RichTextBox::selText() const {
    return text_.mid(selStart(), selLength());
}

void RichTextBox::setSelStart(int pos) {
    selectRange(std::clamp(pos, 0, int(text_.size())), 0);
}

void RichTextBox::setSelLength(int length) {
    const int start = selStart();
    selectRange(start, std::clamp(length, 0, int(text_.size()) - start));
}

void RichTextBox::selectRange(int start, int length) {
    QTextEdit* e = editOf(widget());
    QTextCursor c(e->document());
    c.setPosition(toWidgetPos(text_, start));
    c.setPosition(toWidgetPos(text_, start + length), QTextCursor::KeepAnchor);
    e->setTextCursor(c);
}

void RichTextBox::setSelText(const QString& text) {
    QTextEdit* e = editOf(widget());
    QTextCursor c = e->textCursor();
    c.insertText(toWidgetLineEnds(text));
    e->setTextCursor(c);
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

void RichTextBox::setLocked(bool on) {
    locked_ = on;
    QTextEdit* e = editOf(widget());
    e->setReadOnly(on);
    if (on) e->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void RichTextBox::refresh() {
    QTextEdit* e = editOf(widget());
    e->document()->documentLayout()->documentSize(); // finishes a lazy layout
    QScrollBar* bar = e->verticalScrollBar();
    bar->setValue(bar->maximum());
    e->viewport()->repaint();
}

} // namespace platform
