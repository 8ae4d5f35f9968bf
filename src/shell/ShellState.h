#pragma once
// Program-wide values of the main window that other subsystems read: the
// frame rate chosen for the open file, the current font name and the display
// names of the subtitle formats.

#include <QString>
#include <array>

struct ShellState {
    // The frame rate of the open file: "23.970", "24.000", "25.000", "29.970" or "30.000".
    QString FrameRateText = QStringLiteral("25.000");
    QString CurFontName = QStringLiteral("Arial");
    // Display names by format number 1 to 16 (0 stays empty).
    std::array<QString, 17> FormatName = {
        QString(),
        QStringLiteral("DVD Subtitle"),
        QStringLiteral("JACOSub 2.7+"),
        QStringLiteral("MicroDVD"),
        QStringLiteral("Phoenix Japanimation"),
        QStringLiteral("PowerDivX"),
        QStringLiteral("RealTime"),
        QStringLiteral("SAMI"),
        QStringLiteral("Sonic DVD"),
        QStringLiteral("SubRip"),
        QStringLiteral("SubStation Alpha"),
        QStringLiteral("SubViewer 1.0"),
        QStringLiteral("SubViewer 2.0"),
        QStringLiteral("TMPlayer"),
        QStringLiteral("Turbo Titler"),
        QStringLiteral("ViPlay Subtitle File"),
        QStringLiteral("Zero G"),
    };
    // The program's command line (one file name to open), "" when none.
    QString CommandLine;

    // Version texts: the title, "4.00" (the first line of the program's
    // versioned files) and the build number "400".
    QString ProgramVersionName = QStringLiteral("Mirel");
    QString ProgramVersion = QStringLiteral("4.00");
    QString ProgramBuild = QStringLiteral("400");

    // The file chooser's type entries 1 to 22: a description, "|" and the
    // patterns. Entry format number + 1 is that subtitle format's entry.
    std::array<QString, 31> FormatFilter = {
        QString(),
        QStringLiteral("Supported files (*.sub, *.jss, *.pjs, *.psb, *.rt, *.smi, *.sami, *.srt, "
                       "*.ssa, *.txt, *.tts, *.vsf, *.zeg, *.avi, *.wav, *.mp3, *.scd)|*.sub;*.jss;"
                       "*.pjs;*.psb;*.rt;*.smi;*.sami;*.srt;*.ssa;*.txt;*.tts;*.vsf;*.zeg;*.avi;"
                       "*.mpg;*.wmv;*.wav;*.mp3;*.scd"),
        QStringLiteral("DVD Subtitle (*.sub)|*.sub"),
        QStringLiteral("JACOSub 2.7+ (*.jss)|*.jss"),
        QStringLiteral("MicroDVD (*.sub)|*.sub"),
        QStringLiteral("Phoenix Japanimation (*.pjs)|*.pjs"),
        QStringLiteral("PowerDivX (*.psb)|*.psb"),
        QStringLiteral("RealTime (*.rt)|*.rt"),
        QStringLiteral("Synch. Accessible Media Interchange (*.smi, *.sami)|*.smi;*.sami"),
        QStringLiteral("Sonic DVD (*.sub)|*.sub"),
        QStringLiteral("SubRip (*.srt)|*.srt"),
        QStringLiteral("SubStation Alpha (*.ssa)|*.ssa"),
        QStringLiteral("SubViewer 1.0 (*.sub)|*.sub"),
        QStringLiteral("SubViewer 2.0 (*.sub)|*.sub"),
        QStringLiteral("TMPlayer (*.txt)|*.txt"),
        QStringLiteral("Turbo Titler (*.tts)|*.tts"),
        QStringLiteral("ViPlay Subtitle File (*.vsf)|*.vsf"),
        QStringLiteral("Zero G (*.zeg)|*.zeg"),
        QStringLiteral("Mirel Setting file (*.scd)|*.scd"),
        QStringLiteral("Video (*.avi, *.mpg, *.wmv)|*.avi;*.mpg;*.wmv"),
        QStringLiteral("Audio Files (*.wav, *.mp3)|*.wav;*.mp3"),
        QStringLiteral("Macro Files (*.mcr)|*.mcr"),
        QStringLiteral("Calculator Tablet Files (*.sac)|*.sac"),
    };

    // Names of the grid's columns for the current-line display (0 stays empty).
    std::array<QString, 6> ColumnCaptions = {QString(),
                                             QStringLiteral("Start"),
                                             QStringLiteral("End"),
                                             QStringLiteral("Text #1"),
                                             QStringLiteral("Text #2"),
                                             QStringLiteral("Text #3")};
};
