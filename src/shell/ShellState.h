#pragma once
// Program-wide values of the main window that other subsystems read: the
// version texts, the frame rate chosen for the open file, the current font
// name, the language in use, the tables the main window's load fills (help
// pages, file-chooser types, format names, column captions) and the command
// line the program was started with.

#include <QString>
#include <QStringList>
#include <array>
#include <functional>

class TextTables;

struct ShellState {
    ShellState();

    // The frame rate of the open file: "23.970", "24.000", "25.000", "29.970" or "30.000".
    QString FrameRateText = QStringLiteral("25.000");
    QString CurFontName = QStringLiteral("Arial");

    // The program's command line (one file name to open), "" when none.
    QString CommandLine;

    // The recent files and the search history as this Mirel last read or
    // wrote them: the exit merges them with what another Mirel on the same
    // folder wrote since.
    QStringList RecentFilesStored;
    QStringList SearchHistoryStored;
    // The settings as set.sdf gave them when this Mirel last read or wrote
    // it: a setting only the other Mirel changed since is not reset by this
    // one's Ok.
    QStringList SettingsStored;

    // Version texts: the title, "4.00" (the first line of the program's
    // versioned files) and the build number "400" (major, minor and revision
    // digits joined).
    QString ProgramVersionName = QStringLiteral("Mirel");
    QString ProgramVersion = QStringLiteral("4.00");
    QString ProgramBuild = QStringLiteral("400");

    // The language in use: the help pages' folder below \System\Language\Help
    // and the language pack's file name ("" for the built-in English).
    QString LanguageFolder = QStringLiteral("English");
    QString LanguageFile;
    // The pack's language and author as its header gives them ("" without a pack).
    QString LanguageName;
    QString LanguageAuthor;
    // Captions of the navigation tree's nodes (0 to 50) and of the settings
    // window's page tree (0 to 10); a language pack fills them.
    std::array<QString, 51> TreeCaptions;
    std::array<QString, 11> SettingsTreeCaptions;

    // Instant-help pages by page number 0 to 29 (30 stays empty).
    std::array<QString, 31> HelpPageTable;
    // Display names by format number 1 to 16 (0 stays empty).
    std::array<QString, 17> FormatName;
    // The file chooser's type entries 1 to 22: a description, "|" and the
    // patterns. Entry format number + 1 is that subtitle format's entry.
    std::array<QString, 31> FormatFilter;
    // Names of the grid's columns for the current-line display (0 stays empty).
    std::array<QString, 6> ColumnCaptions;

    // Ends the program (the application's event loop); main() sets it, tests
    // leave it empty or count its calls.
    std::function<void()> EndProgram;
    // The tips and wizard windows, shown after the splash as the settings
    // ask; empty until those windows exist.
    std::function<void()> ShowTipsWindow;
    std::function<void()> ShowWizardWindow;
    // The About window, and the help window on a web address; both modal.
    std::function<void()> ShowAboutWindow;
    std::function<void(const QString& address)> ShowHelpWindow;
};

// The tables the main window's load fills; the state starts with them filled
// from the built-in texts, so that code running before the load finds them.
void FillHelpPageTable(ShellState& s);
void FillFormatTables(ShellState& s);
void FillColumnCaptions(ShellState& s, const TextTables& texts);
