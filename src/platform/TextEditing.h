#pragma once
// For the control layer's text fields only: line ends and positions between
// the program's text (CR LF) and a text widget's (LF), and the selection of a
// document editor (a plain or a rich text edit) counted in the program's text.

#include <QString>
#include <QTextCursor>

class QTextDocument;

namespace platform {

QString toProgramLineEnds(const QString& text);
QString toWidgetLineEnds(const QString& text);
int toProgramPos(const QString& widgetText, int widgetPos);
int toWidgetPos(const QString& programText, int programPos);

int programSelStart(const QTextCursor& c);
int programSelLength(const QTextCursor& c);
// A cursor selecting start .. start + length of programText in the document.
QTextCursor programRange(QTextDocument* doc, const QString& programText, int start, int length);
// The cursor after its selection was replaced by text (program line ends).
QTextCursor inserted(QTextCursor c, const QString& text);

// What a locked document editor still lets the user do: select and copy.
constexpr Qt::TextInteractionFlags LockedInteraction =
    Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard;

} // namespace platform
