#pragma once
// The splash window: shown at a start without a command line. Its load shows
// it, loads the main window hidden behind it (the settings reader writes its
// progress into Label1), then counts down six seconds; the countdown's end, a
// key or a click on the window hands over to the main window and, as the
// settings ask, to the tips or the wizard window. Borderless, dragged by its
// top strip.

#include "platform/Form.h"
#include "platform/Label.h"
#include "platform/Timer.h"

class Program;

class frmSplash : public platform::Form {
public:
    explicit frmSplash(Program& p);

    // Seconds left before the splash closes itself.
    int SplashCountdown = 6;

    // The window's own surface: a click on it or a key while it has the
    // focus closes the splash.
    platform::PictureBox picSurface;
    platform::PictureBox pMove;    // the drag strip
    platform::PictureBox Picture1; // decoration: the coloured band
    platform::PictureBox Line1;    // decoration: the line under the title
    platform::Label lblTitle;      // decoration: the program's name
    platform::Label Label3;        // "Intro"
    platform::Label lblVersion;    // "Mirel 4.0"
    platform::Label lblBuild;      // "400"
    platform::Label Label1;        // the start-up status
    platform::Label Label2;        // the update notice of the online part
    platform::Timer Timer2;        // the countdown, one tick a second

    // Closes the splash and hands over: the main window, then the tips
    // window when "Show tips" is ticked, else the wizard window when "Show
    // Wizard" is ticked (each only once it exists).
    void ExitfrmSplash();

    // The status text while the splash is open (the settings reader's
    // progress); a text for a splash that is not open is dropped.
    static void ShowProgress(Program& p, const QString& text);

    static constexpr platform::Color Orange = 0x0080FF; // BGR
    static constexpr platform::Color Green = 0x008000;

private:
    void layOut();
    void wire();
    void Form_Load();
    void Timer2_Timer();

    Program& p_;
};
