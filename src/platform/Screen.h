#pragma once
// The screen as the program sees it: its size in twips, the fonts it offers and
// the mouse pointer shape (0 default, 5 four-way sizing arrow, 11 hourglass).

#include <QStringList>

namespace platform {

class Screen {
public:
    Screen() = default;
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;
    ~Screen();

    enum Pointer { PointerDefault = 0, PointerSizeAll = 5, PointerHourglass = 11 };
    int mousePointer() const { return pointer_; }
    void setMousePointer(int shape);

    int width() const;  // twips
    int height() const; // twips
    QStringList fonts() const;
    // The family the system draws ordinary text in, as fonts() names it
    // (empty when it is not among them).
    QString defaultFont() const;
    int fontCount() const { return static_cast<int>(fonts().size()); }
    // Whether the font the family resolves to writes the script of a
    // character set (0 Western, 161 Greek, 204 Cyrillic, 177 Hebrew, ...).
    // Character sets with no script of their own are taken by every font.
    bool fontHasCharset(const QString& family, int charset) const;

private:
    int pointer_ = PointerDefault;
    bool overridden_ = false;
};

} // namespace platform
