// The language page: the packs this version reads, and the choice of one,
// which takes effect at the next start.

#include "runtime/TextFile.h"
#include "shell/LanguagePack.h"
#include "shell/Picker.h"
#include "shell/Program.h"
#include "shell/frmSettings.h"

namespace {

// The text after the first "=" of a header line.
QString AfterEquals(const QString& line) {
    const qsizetype at = line.indexOf(QLatin1Char('='));
    return at < 0 ? QString() : line.mid(at + 1);
}

} // namespace

void frmSettings::UseLanguagePackClick() {
    LanguagePackChanged = true;
    for (platform::Control* c : std::initializer_list<platform::Control*>{&Label1, &Label2, &List1})
        c->setEnabled(useLanguagePack());
}

void frmSettings::LanguagePicked() {
    const int index = List1.listIndex();
    if (index < 0) return;
    if (List1.text() != Label2.caption()) LanguagePackChanged = true;
    List2.setListIndex(index);
    Label2.setCaption(List1.text());
    ClosePicker(Label1, List1);
}

// One entry per pack: "<language> by: <author>", the pack's file name beside
// it in List2. Packs for another version, files that cannot be read or are
// shorter than three lines, and a second pack of the same language and
// author are left out. The pack in use is selected.
void frmSettings::ScanLanguageFiles() {
    List1.clear();
    List2.clear();
    File1.refresh();
    for (int i = 0; i < File1.listCount(); ++i)
        AddLanguagePack(File1.list(i));
}

void frmSettings::AddLanguagePack(const QString& file) {
    const runtime::TextFileContent pack = runtime::ReadTextFile(LanguagePackPath(p_, file));
    if (!pack.ok || pack.lines.size() < 3) return;
    if (AfterEquals(Unscramble(pack.lines[0])) != p_.shell.ProgramVersion) return;
    const QString entry = AfterEquals(Unscramble(pack.lines[1])) + QStringLiteral(" by: ") +
                          AfterEquals(Unscramble(pack.lines[2]));
    for (int i = 0; i < List1.listCount(); ++i)
        if (List1.list(i).compare(entry, Qt::CaseInsensitive) == 0) return;
    List1.addItem(entry);
    List2.addItem(file);
    if (file != p_.shell.LanguageFile) return;
    // The pack in use is no new choice.
    Label2.setCaption(entry);
    List1.setListIndex(List1.listCount() - 1);
}
