#pragma once
// The language of the interface: the built-in English texts, or a language
// pack \System\Language\<LanguageFile> named by the settings.
//
// For now no pack is read: LoadLanguage keeps the built-in English texts and
// the English help folder whatever the settings name; the pack reader comes
// with the language packs.

class Program;

void LoadLanguage(Program& p);
