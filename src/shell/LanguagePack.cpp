#include "shell/LanguagePack.h"

#include "shell/Program.h"

void LoadLanguage(Program& p) {
    p.shell.LanguageFolder = QStringLiteral("English");
}
