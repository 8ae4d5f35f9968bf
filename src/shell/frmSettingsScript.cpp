// The script page: the character set the subtitle fields are shown in,
// chosen from the list, picked with the picker, or typed as a number.

#include "runtime/Numbers.h"
#include "shell/Picker.h"
#include "shell/Program.h"
#include "shell/frmMain.h"
#include "shell/frmSettings.h"

#include <cmath>

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
    if (p_.host.screen.fontHasCharset(font, charset))
        scriptCharset_ = charset;
    else
        ShowScriptNumber(scriptCharset_);
    QString shown = QString::number(scriptCharset_);
    for (int i = 0; i < cmbScript.listCount(); ++i)
        if (cmbScript.itemData(i) == scriptCharset_) shown = cmbScript.list(i);
    Label64.setCaption(shown);
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
