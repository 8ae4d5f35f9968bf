#include "macro/Macro.h"

#include "macro/frmSystem.h"
#include "runtime/Strings.h"
#include "shell/Program.h"

namespace {

const QString Assign = QStringLiteral(":=");

} // namespace

Macro::Macro(Program& p) : p_(p) {}

void Macro::SetMacroAction(const QString& text, int code) {
    MacroAction.text = text;
    MacroAction.code = code;
}

QString Macro::McrVar(int i) const {
    if (i < 0 || i >= McrVarCount) return QString();
    return mcrVar[static_cast<std::size_t>(i)];
}

bool Macro::setMcrVar(int i, const QString& entry) {
    if (i < 0 || i >= McrVarCount) return false;
    mcrVar[static_cast<std::size_t>(i)] = entry;
    return true;
}

QString Macro::InsertMcrVars(QString& text) const {
    for (const QString& entry : mcrVar) {
        if (entry.isEmpty()) break;
        const qsizetype assign = entry.indexOf(Assign);
        if (assign <= 0) continue; // no name to look for
        const QString name = entry.left(assign);
        const qsizetype at = text.indexOf(name);
        if (at >= 0)
            text.replace(at, name.size(), runtime::Trim(entry.mid(assign + Assign.size())));
    }
    return text;
}

void Macro::ListMcrVars() {
    frmSystem& sys = p_.system();
    sys.lstVar.clear();
    for (const QString& entry : mcrVar)
        if (!entry.isEmpty()) sys.lstVar.addItem(entry);
    // The heading counts the variables defined, also none.
    sys.Label68.setCaption(p_.texts.TextTable(7, 0) + u' ' +
                           QString::number(sys.lstVar.listCount()));
}

int Macro::FreeMcrVarSlot() const {
    for (int i = 0; i < McrVarCount; ++i)
        if (mcrVar[static_cast<std::size_t>(i)].isEmpty()) return i;
    return 0;
}
