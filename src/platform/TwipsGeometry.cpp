#include "platform/TwipsGeometry.h"

#include <algorithm>
#include <cmath>

namespace platform {

int toPixels(int twips) {
    return static_cast<int>(std::lround(twips / double(TwipsPerPixel)));
}
int toTwips(int pixels) {
    return pixels * TwipsPerPixel;
}

namespace {
void takePixels(int& twips, int px) {
    if (toPixels(twips) != px) twips = toTwips(px);
}
} // namespace

void TwipsGeometry::setLeft(int twips) {
    move(twips, top_, width_, height_);
}
void TwipsGeometry::setTop(int twips) {
    move(left_, twips, width_, height_);
}
void TwipsGeometry::setWidth(int twips) {
    move(left_, top_, twips, height_);
}
void TwipsGeometry::setHeight(int twips) {
    move(left_, top_, width_, twips);
}
void TwipsGeometry::move(int left, int top) {
    move(left, top, width_, height_);
}

void TwipsGeometry::move(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    applyGeometry();
}

void TwipsGeometry::takePixelSize(int pxWidth, int pxHeight) {
    takePixels(width_, pxWidth);
    takePixels(height_, pxHeight);
}

void TwipsGeometry::takePixelPosition(int pxX, int pxY) {
    takePixels(left_, pxX);
    takePixels(top_, pxY);
}

} // namespace platform
