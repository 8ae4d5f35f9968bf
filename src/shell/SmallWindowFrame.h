#pragma once
// The frame the small windows share: no title bar, a grey strip across the
// top that drags the window, the title and a one-line description under it,
// a line between them and the body, and label buttons with the pressed look.
// Each opens over the main window.

#include "platform/Form.h"
#include "platform/Label.h"

class Program;

class SmallWindowFrame : public platform::Form {
public:
    static constexpr int StripHeight = 300;
    static constexpr int Margin = 120;
    static constexpr int BodyTop = 1050; // below the line
    static constexpr int ButtonWidth = 975, ButtonHeight = 255;

    platform::PictureBox pMove; // the drag strip
    platform::Label Label3;     // the title
    platform::Label Label4;     // what the window shows
    platform::PictureBox Line1; // between the strip and the body

    // A label button: centred caption, the rest colours and the pressed look.
    static void PlaceButton(platform::Label& button, int left, int top);

protected:
    SmallWindowFrame(Program& p, const QString& name, const QString& title,
                     const QString& description);

    // Sizes the window and lays out its strip, title, description and line.
    void layOutFrame(int width, int height);
    // The button and Escape unload the window.
    void closeWith(platform::Label& button);
    // Closing the window only hides it, so it keeps what it shows.
    void hideOnClose();
};
