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
};
