#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace platform {

QString Clipboard::getText() const {
    return QGuiApplication::clipboard()->text();
}
void Clipboard::setText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}
void Clipboard::clear() {
    QGuiApplication::clipboard()->clear();
}

} // namespace platform
