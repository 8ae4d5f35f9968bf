#include "platform/RichTextBox.h"

#include "platform/LongText.h"
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
    // Runs before the user's first touch reaches the editor.
    std::function<void()> beforeUse;

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
    void focusInEvent(QFocusEvent* e) override {
        used();
        QTextEdit::focusInEvent(e);
    }
    void mousePressEvent(QMouseEvent* e) override {
        used();
        QTextEdit::mousePressEvent(e);
    }
    void dragEnterEvent(QDragEnterEvent* e) override {
        used();
        QTextEdit::dragEnterEvent(e);
    }
    void contextMenuEvent(QContextMenuEvent* e) override {
        used();
        QTextEdit::contextMenuEvent(e);
    }

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
    void used() {
        if (beforeUse) beforeUse();
    }

    bool multiLine_;
};

RichEdit* editOf(QWidget* w) {
    return static_cast<RichEdit*>(w);
}

} // namespace

RichTextBox::RichTextBox(Container& parent, const QString& name, bool multiLine)
    : TextField(parent, name, new RichEdit(multiLine), multiLine) {
    RichEdit* e = editOf(widget());
    QObject::connect(e, &QTextEdit::textChanged, e, [this] { widgetChanged(); });
    e->beforeUse = [this] { showWhole(); };
}

// A change of format only is no change of the text.
void RichTextBox::widgetChanged() {
    if (!showing_) takeText(toProgramLineEnds(editOf(widget())->toPlainText()));
}

// The start of a long text while the user is not in the box; it takes no
// edit meanwhile, so nothing typed or dropped ever lands in the start alone.
void RichTextBox::setText(const QString& text) {
    const QString next = toProgramLineEnds(text);
    if (next == this->text()) return;
    if (multiLine() || !IsLongText(next) || widget()->hasFocus()) {
        setStartOnly(false);
        editOf(widget())->setPlainText(toWidgetLineEnds(next));
        return;
    }
    setStartOnly(true);
    showWidgetText(ShownStart(next));
    takeText(next);
}

void RichTextBox::setStartOnly(bool on) {
    if (on == startOnly_) return;
    startOnly_ = on;
    applyLocked(locked());
}

void RichTextBox::showWidgetText(const QString& programText) {
    showing_ = true;
    editOf(widget())->setPlainText(toWidgetLineEnds(programText));
    showing_ = false;
}

void RichTextBox::showWhole() {
    if (!startOnly_) return;
    setStartOnly(false);
    showWidgetText(text());
}

int RichTextBox::widgetSelStart() const {
    return programSelStart(editOf(widget())->textCursor());
}

int RichTextBox::widgetSelLength() const {
    return programSelLength(editOf(widget())->textCursor());
}

void RichTextBox::selectRange(int start, int length) {
    showWhole();
    QTextEdit* e = editOf(widget());
    e->setTextCursor(programRange(e->document(), text(), start, length));
}

void RichTextBox::insertAtSelection(const QString& text) {
    showWhole();
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
    showWhole();
    QTextCharFormat f;
    f.setFontWeight(on ? QFont::Bold : QFont::Normal);
    editOf(widget())->mergeCurrentCharFormat(f);
}

void RichTextBox::setSelItalic(bool on) {
    showWhole();
    QTextCharFormat f;
    f.setFontItalic(on);
    editOf(widget())->mergeCurrentCharFormat(f);
}

void RichTextBox::applyLocked(bool on) {
    QTextEdit* e = editOf(widget());
    e->setReadOnly(on || startOnly_);
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
