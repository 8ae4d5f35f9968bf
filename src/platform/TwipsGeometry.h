#pragma once
// A place and size in twips, as the program reads and writes them for every
// control and window. Setting any of them keeps the others, turns a negative
// size into 0 and applies the result to the real widget or window.

namespace platform {

constexpr int TwipsPerPixel = 15;
int toPixels(int twips);
int toTwips(int pixels);

class TwipsGeometry {
public:
    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void setLeft(int twips);
    void setTop(int twips);
    void setWidth(int twips);
    void setHeight(int twips);
    void move(int left, int top);
    void move(int left, int top, int width, int height);

protected:
    TwipsGeometry(int width, int height) : width_(width), height_(height) {}
    virtual ~TwipsGeometry() = default;
    TwipsGeometry(const TwipsGeometry&) = delete;
    TwipsGeometry& operator=(const TwipsGeometry&) = delete;

    // Shows the geometry on the real widget or window.
    virtual void applyGeometry() = 0;
    // Takes a size or position in pixels that the window system gave, without
    // applying it: a side keeps its twips while they still round to its pixels.
    void takePixelSize(int pxWidth, int pxHeight);
    void takePixelPosition(int pxX, int pxY);

private:
    int left_ = 0, top_ = 0, width_, height_;
};

} // namespace platform
