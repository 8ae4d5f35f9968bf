#pragma once
// Language packs: \System\Language\<name>.lng, a scrambled text file that
// replaces the interface's English words. Every stored line holds, for each
// character of the plain line, the character's code XOR the pack key's value
// as a decimal number of the key's width (eight digits). The plain pack reads:
//     Version:=4.00        the program version it was made for
//     Name:=Deutsch        the language, as the settings window lists it
//     Author:=...          its author
//     Folder:=Deutsch      its help pages' folder below \System\Language\Help
//     (a fifth line, not read)
// then sections ("[Main Menu]", "[Settings]", ... see LanguageSections) with
// items "N,caption^tool tip", comments ("//"), empty lines, and an optional
// "[End Pack]". Items before the first section belong to "[Main Menu]".
//
// The settings name the pack by its file name (LanguageFile); the pack is
// read once, while the main window loads. A pack for another version is
// refused whole; a pack that is faulty from some line on keeps what came
// before that line. Either way the user is told, and the system variables'
// descriptions stay filled.

#include <QString>

class Program;

// The key packs are scrambled with.
inline constexpr const char* PackKey = "40715928";

// The plain line of a stored line. Never fails: a group of digits that gives
// no character code 0 to 255 repeats the character before it. The codes are
// bytes of UTF-8 when they form valid UTF-8, else of the 8-bit code page.
QString Unscramble(const QString& text, const QString& key = QString::fromLatin1(PackKey));

// Reads the pack named by LanguageFile (nothing when it is empty) and applies
// it to the text tables, the tree captions, the system variables'
// descriptions and the controls of every window.
void LoadLanguage(Program& p);

// The help folder a pack may name: a plain folder name; anything else (empty,
// with "/", "\" or "..") gives "English".
QString PlainHelpFolder(const QString& name);

// The full path of a pack named by its file name; "" for a name that is not a
// plain file name of the language folder.
QString LanguagePackPath(const Program& p, const QString& fileName);
