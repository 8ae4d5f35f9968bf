#pragma once
// Instant help: the left pane's browser shows one page of the current
// language's help folder, \System\Language\Help\<LanguageFolder>\<page>, or
// the English page when that folder lacks it.

class Program;

// Shows help page `page` (0 to 30, HelpPageTable). False when the page
// number has no page or its file cannot be read (the browser is then empty).
bool ShowHelpPage(Program& p, int page);
