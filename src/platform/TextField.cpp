#include "platform/TextField.h"

#include "platform/TextEditing.h"

#include <QTextDocument>
#include <algorithm>

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

int programSelStart(const QTextCursor& c) {
    return toProgramPos(c.document()->toPlainText(), c.selectionStart());
}

int programSelLength(const QTextCursor& c) {
    const QString plain = c.document()->toPlainText();
    return toProgramPos(plain, c.selectionEnd()) - toProgramPos(plain, c.selectionStart());
}

QTextCursor programRange(QTextDocument* doc, const QString& programText, int start, int length) {
    QTextCursor c(doc);
    c.setPosition(toWidgetPos(programText, start));
    c.setPosition(toWidgetPos(programText, start + length), QTextCursor::KeepAnchor);
    return c;
}

QTextCursor inserted(QTextCursor c, const QString& text) {
    c.insertText(toWidgetLineEnds(text));
    return c;
}

TextField::TextField(Container& parent, const QString& name, QWidget* editor, bool multiLine)
    : Control(parent, name, editor), multiLine_(multiLine) {
    initColors(SysWindowBackground, SysWindowText);
    move(0, 0, 1215, multiLine ? 855 : 285);
}

void TextField::takeText(const QString& now) {
    if (now == text_) return;
    text_ = now;
    typed_ = programChanges_ == 0;
    if (onChange) onChange();
}

QString TextField::selText() const {
    return text_.mid(selStart(), selLength());
}

void TextField::setSelStart(int pos) {
    selectRange(std::clamp(pos, 0, int(text_.size())), 0);
}

void TextField::setSelLength(int length) {
    const int start = selStart();
    selectRange(start, std::clamp(length, 0, int(text_.size()) - start));
}

void TextField::setLocked(bool on) {
    locked_ = on;
    applyLocked(on);
}

} // namespace platform
