// The script page: the character set the subtitle fields are shown in,
// chosen from the list, picked with the picker, or typed as a number. Text
// read from an 8-bit file is read anew in the chosen script's code page, so
// a Cyrillic file first shown as Western shows its own letters.

#include "platform/Grid.h"
#include "runtime/Numbers.h"
#include "runtime/TextFile.h"
#include "shell/Picker.h"
#include "shell/Program.h"
#include "shell/frmMain.h"
#include "shell/frmSettings.h"

#include <QScopeGuard>
#include <cmath>
#include <vector>

namespace {

// The code page of each character set; the symbol set has none.
struct ScriptCodePage {
    int charset;
    const char* codePage;
};
constexpr ScriptCodePage ScriptCodePages[] = {
    {0, "windows-1252"},   {238, "windows-1250"}, {204, "windows-1251"}, {161, "windows-1253"},
    {162, "windows-1254"}, {177, "windows-1255"}, {178, "windows-1256"}, {186, "windows-1257"},
    {163, "windows-1258"}, {222, "windows-874"},  {128, "Shift_JIS"},    {129, "windows-949"},
    {134, "GBK"},          {136, "Big5"},         {255, "IBM437"},       {77, "macintosh"}};

// The languages written in each script, as the download list names them.
struct LanguageScript {
    const char* languages;
    int charset;
};
constexpr LanguageScript LanguageScripts[] = {
    {"russian ukrainian bulgarian serbian macedonian belarusian", 204},
    {"polish czech slovak hungarian croatian slovenian romanian albanian bosnian", 238},
    {"greek", 161},
    {"turkish", 162},
    {"hebrew", 177},
    {"arabic persian farsi urdu", 178},
    {"lithuanian latvian estonian", 186},
    {"vietnamese", 163},
    {"thai", 222},
    {"japanese", 128},
    {"korean", 129},
    {"chinese", 134}};

constexpr int FirstTextColumn = 3, LastTextColumn = 5;

struct CellText {
    int row, col;
    QString text;
};

} // namespace

QByteArray frmSettings::CodePageOfScript(int charset) {
    for (const ScriptCodePage& s : ScriptCodePages)
        if (s.charset == charset) return QByteArray(s.codePage);
    return {};
}

// The text lines of the document, as the code page `to` reads their bytes;
// a cell whose text was not read with the document's code page stays.
void frmSettings::ReadTextInScript(bool asHistoryStep) {
    // A load follows the script only while "Enable script" is ticked: until
    // then the code page that stands in for the system's stays in force.
    if (!asHistoryStep && !scriptEnable()) return;
    Document& doc = p_.doc;
    const QByteArray to = CodePageOfScript(scriptCharset_);
    if (!p_.hasMain() || doc.TextCodePage.isEmpty() || to.isEmpty() || to == doc.TextCodePage)
        return;
    platform::Grid& grid = doc.grid();
    std::vector<CellText> changed;
    for (int row = 1; row <= grid.rows() - 2; ++row)
        for (int col = FirstTextColumn; col <= LastTextColumn; ++col) {
            QString text = grid.textMatrix(row, col);
            if (runtime::RedecodeText(text, doc.TextCodePage, to) &&
                text != grid.textMatrix(row, col))
                changed.push_back({row, col, text});
        }
    if (!changed.empty() && asHistoryStep &&
        !p_.history.SaveSnapshot(QStringLiteral("Script Changed"),
                                 QStringLiteral("[From: ") + QString::fromLatin1(doc.TextCodePage) +
                                     QStringLiteral("] [To: ") + QString::fromLatin1(to) +
                                     QLatin1Char(']')))
        return;
    for (const CellText& cell : changed)
        grid.setTextMatrix(cell.row, cell.col, cell.text);
    doc.TextCodePage = to;
    if (changed.empty()) return;
    // The file's own bytes read anew: an unedited document still is its file,
    // so only edits made before leave it changed.
    doc.LineListValid = false;
    p_.edit.ShowCurrentLine();
}

void frmSettings::ScriptEnableClick(int index) {
    if (index != 0) return;
    if (scriptEnable()) {
        cmbScript.setVisible(true);
        return;
    }
    if (cmbScript.listIndex() >= 0) cmbScript.setListIndex(0); // back to Western
    cmbScript.setVisible(false);
}

void frmSettings::ScriptPicked() {
    const int index = cmbScript1.listIndex();
    if (index >= 0) cmbScript.setListIndex(index); // applies it
    ClosePicker(Label65, cmbScript1);
}

// Enter applies a typed caption or number.
void frmSettings::ScriptKeyPress(int& key) {
    if (key == 13 && cmbScript.listIndex() < 0) ApplyScript();
}

// The character set chosen: the selected item's, an item typed by its
// caption (which selects it), or a typed number (0 outside 0 .. 255). A set
// the grid's font cannot write is refused and the box shows the set in use.
void frmSettings::ApplyScript() {
    int charset = 0;
    if (cmbScript.listIndex() >= 0) {
        charset = cmbScript.itemData(cmbScript.listIndex());
    } else {
        const QString typed = cmbScript.text();
        for (int i = 0; i < cmbScript.listCount(); ++i)
            if (cmbScript.list(i) == typed) return cmbScript.setListIndex(i); // applies it
        const double v = std::nearbyint(runtime::Val(typed));
        charset = v < 0 || v > 255 ? 0 : static_cast<int>(v);
    }
    const QString font =
        p_.hasMain() ? p_.main().editor.grdSubEdit.fontName() : QStringLiteral("Arial");
    // Every set with a code page is taken: the platform draws any script.
    const bool taken =
        !CodePageOfScript(charset).isEmpty() || p_.host.screen.fontHasCharset(font, charset);
    if (taken)
        scriptCharset_ = charset;
    else
        ShowScriptNumber(scriptCharset_);
    QString shown = QString::number(scriptCharset_);
    for (int i = 0; i < cmbScript.listCount(); ++i)
        if (cmbScript.itemData(i) == scriptCharset_) shown = cmbScript.list(i);
    Label64.setCaption(shown);
    if (taken && !scriptForNextLoad_) ReadTextInScript(true);
}

void frmSettings::ShowScriptNumber(int charset) {
    for (int i = 0; i < cmbScript.listCount(); ++i) {
        if (cmbScript.itemData(i) == charset) {
            cmbScript.setText(cmbScript.list(i));
            return;
        }
    }
    cmbScript.setText(QString::number(charset));
}

// Each run starts with a plain font in the Western set.
void frmSettings::ResetGridFont(const QString& name) {
    const QString font = name.trimmed().isEmpty() ? QStringLiteral("Arial") : name.trimmed();
    if (p_.hasMain()) p_.main().editor.grdSubEdit.setFontName(font);
    scriptCharset_ = 0;
    ShowScriptNumber(scriptCharset_);
    Label64.setCaption(cmbScript.text());
}

bool frmSettings::AutoSelectScript(const QString& language) {
    const QString name = language.trimmed().toLower();
    if (!scriptAutoSelect() || name.isEmpty()) return false;
    scriptForNextLoad_ = true;
    const auto done = qScopeGuard([this] { scriptForNextLoad_ = false; });
    for (const LanguageScript& l : LanguageScripts) {
        if (!QString::fromLatin1(l.languages).split(QLatin1Char(' ')).contains(name)) continue;
        Check6[0].setValue(1);
        for (int i = 0; i < cmbScript.listCount(); ++i)
            if (cmbScript.itemData(i) == l.charset) {
                cmbScript.setListIndex(i); // applies it
                return true;
            }
        cmbScript.setListIndex(-1);
        cmbScript.setText(QString::number(l.charset));
        ApplyScript();
        return true;
    }
    return false;
}
