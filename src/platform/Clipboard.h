#pragma once
// The system clipboard's text.

#include <QString>

namespace platform {

class Clipboard {
public:
    QString getText() const;
    void setText(const QString& text);
    void clear();
};

} // namespace platform
