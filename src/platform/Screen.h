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
    int fontCount() const { return static_cast<int>(fonts().size()); }

private:
    int pointer_ = PointerDefault;
    bool overridden_ = false;
};

} // namespace platform
