#pragma once
// The frame the small windows share: no title bar, a grey strip across the
// top that drags the window, the title and a one-line description under it,
// a line between them and the body, and label buttons with the pressed look.

namespace platform {
class Form;
class Label;
class PictureBox;
} // namespace platform

struct SmallWindowFrame {
    static constexpr int StripHeight = 300;
    static constexpr int Margin = 120;
    static constexpr int BodyTop = 1050; // below the line
    static constexpr int ButtonWidth = 975, ButtonHeight = 255;

    // Sizes the window and lays out its strip, title, description and line.
    static void LayOut(platform::Form& window, platform::PictureBox& pMove, platform::Label& Label3,
                       platform::Label& Label4, platform::PictureBox& Line1, int width, int height);
    // A label button: centred caption, the rest colours and the pressed look.
    static void PlaceButton(platform::Label& button, int left, int top);
};
