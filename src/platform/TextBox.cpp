#include "platform/TextBox.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <algorithm>
#include <limits>

namespace platform {

QString toWidgetLineEnds(const QString& text) {
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

QString toProgramLineEnds(const QString& text) {
    QString t = toWidgetLineEnds(text);
    t.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return t;
}

int toProgramPos(const QString& widgetText, int widgetPos) {
    widgetPos = std::clamp(widgetPos, 0, int(widgetText.size()));
    return widgetPos + int(QStringView(widgetText).left(widgetPos).count(u'\n'));
}

// A position between the CR and the LF of a line end maps to the end of the line.
int toWidgetPos(const QString& programText, int programPos) {
    programPos = std::clamp(programPos, 0, int(programText.size()));
    int pairs = 0;
    for (int i = 0; i < programPos; ++i)
        if (programText[i] == u'\r' && i + 1 < programText.size() && programText[i + 1] == u'\n')
            ++pairs;
    return programPos - pairs;
}

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
    : Control(parent, name, makeEditor(multiLine)), multiLine_(multiLine) {
    initColors(SysWindowBackground, SysWindowText);
    if (auto* l = lineOf(widget()))
        QObject::connect(l, &QLineEdit::textChanged, l, [this] { widgetChanged(); });
    if (auto* p = plainOf(widget()))
        QObject::connect(p, &QPlainTextEdit::textChanged, p, [this] { widgetChanged(); });
    setBorderStyle(1);
    move(0, 0, 1215, multiLine ? 855 : 285);
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
    if (multiLine_ && now != limited(now)) { // a one-line widget keeps the limit itself
        const int caret = selStart();
        showText(limited(now)); // comes back here with the cut text
        selectRange(std::min(caret, int(text_.size())), 0);
        return;
    }
    if (now == text_) return;
    text_ = now;
    if (onChange) onChange();
}

void TextBox::setText(const QString& text) {
    const QString next = limited(multiLine_ ? toProgramLineEnds(text) : text);
    if (next == text_) return;
    showText(next);
}

int TextBox::selStart() const {
    if (auto* l = lineOf(widget()))
        return l->hasSelectedText() ? l->selectionStart() : l->cursorPosition();
    const QPlainTextEdit* p = plainOf(widget());
    return toProgramPos(p->toPlainText(), p->textCursor().selectionStart());
}

int TextBox::selLength() const {
    if (auto* l = lineOf(widget())) return int(l->selectedText().size());
    const QPlainTextEdit* p = plainOf(widget());
    const QString plain = p->toPlainText();
    const QTextCursor c = p->textCursor();
    return toProgramPos(plain, c.selectionEnd()) - toProgramPos(plain, c.selectionStart());
}

QString TextBox::selText() const {
    return text_.mid(selStart(), selLength());
}

void TextBox::setSelStart(int pos) {
    selectRange(std::clamp(pos, 0, int(text_.size())), 0);
}

void TextBox::setSelLength(int length) {
    const int start = selStart();
    selectRange(start, std::clamp(length, 0, int(text_.size()) - start));
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
    QTextCursor c(p->document());
    c.setPosition(toWidgetPos(text_, start));
    c.setPosition(toWidgetPos(text_, start + length), QTextCursor::KeepAnchor);
    p->setTextCursor(c);
}

void TextBox::setSelText(const QString& text) {
    if (auto* l = lineOf(widget())) {
        l->insert(text);
        return;
    }
    QPlainTextEdit* p = plainOf(widget());
    QTextCursor c = p->textCursor();
    c.insertText(toWidgetLineEnds(text));
    p->setTextCursor(c);
}

void TextBox::setLocked(bool on) {
    locked_ = on;
    if (auto* l = lineOf(widget())) l->setReadOnly(on);
    if (auto* p = plainOf(widget())) {
        p->setReadOnly(on);
        // A locked box still shows its caret and lets the user select and copy.
        if (on)
            p->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
}

void TextBox::setMaxLength(int length) {
    maxLength_ = std::max(length, 0);
    if (auto* l = lineOf(widget()))
        l->setMaxLength(maxLength_ > 0 ? maxLength_ : std::numeric_limits<int>::max());
    else
        setText(text_); // cuts the text to the new limit
}

} // namespace platform
