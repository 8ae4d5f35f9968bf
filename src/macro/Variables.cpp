#include "macro/Variables.h"

#include <QLocale>

#include "runtime/Numbers.h"
#include "shell/Program.h"

#include <cmath>

namespace {

constexpr int MaxSplits = 9;
const QString AllSeparators = QStringLiteral(",+-<>=");
const QString Comparisons = QStringLiteral("<>=");
const QString Assign = QStringLiteral(":=");

QString BracketText(const QString& text) {
    const qsizetype open = text.indexOf(u'[');
    const QString rest = open < 0 ? text : text.mid(open + 1);
    const qsizetype close = rest.indexOf(u']');
    if (close < 0) throw MacroError("missing ]");
    return rest.left(close);
}

int Nearest16(double value) {
    const double n = std::rint(value);
    if (!(n >= -32768.0 && n <= 32767.0))
        throw MacroError(QStringLiteral("the number %1 is outside -32,768 to 32,767")
                             .arg(QLocale(QLocale::English).toString(value, 'f', 0)));
    return static_cast<int>(n);
}

QString SysVarToken(const Program& p, const QString& token) {
    try {
        const int n = BracketIndex(token);
        if (n < 0 || n >= SystemVariables::Count) return token;
        return p.sysVars.sysVar[static_cast<std::size_t>(n)];
    } catch (const MacroError&) {
        return token; // left as written
    }
}

// A later variable of the same name wins over an earlier one.
QString McrVarToken(const Program& p, const QString& token) {
    QString result = token;
    const QString wanted = token.toLower();
    for (const QString& entry : p.macro.mcrVar) {
        if (entry.isEmpty()) continue;
        const qsizetype assign = entry.indexOf(Assign);
        const QString name = assign < 0 ? entry : entry.left(assign);
        if (name.toLower() == wanted) result = assign < 0 ? QString() : entry.mid(assign + 2);
    }
    return result;
}

bool Compare(QChar op, const QString& left, const QString& right) {
    if (op == u'=') return left == right;
    const double a = runtime::Val(left), b = runtime::Val(right);
    return op == u'<' ? a < b : a > b;
}

} // namespace

std::vector<MacroToken> SplitMacroTokens(const QString& text, const QString& separators) {
    std::vector<MacroToken> tokens{{QChar(), QString()}};
    for (const QChar c : text) {
        if (tokens.size() <= MaxSplits && separators.contains(c))
            tokens.push_back({c, QString()});
        else
            tokens.back().text += c;
    }
    return tokens;
}

QString ExpandVars(const Program& p, const QString& expression) {
    QString result;
    for (const MacroToken& t : SplitMacroTokens(expression, AllSeparators)) {
        if (!t.separator.isNull()) result += t.separator;
        if (t.text.left(7).toLower() == QStringLiteral("sysvar["))
            result += SysVarToken(p, t.text);
        else
            result += McrVarToken(p, t.text);
    }
    return result;
}

bool EvalCondition(const QString& condition) {
    const std::vector<MacroToken> tokens = SplitMacroTokens(condition, Comparisons);
    bool result = false;
    const QString right = tokens.size() > 1 ? tokens[1].text : QString();
    for (std::size_t i = 1; i < tokens.size(); ++i)
        result = Compare(tokens[i].separator, tokens[0].text, right);
    return result;
}

int MacroInteger(const QString& data) {
    return Nearest16(runtime::Val(data));
}

int BracketIndex(const QString& text) {
    return Nearest16(runtime::Val(BracketText(text)));
}

int TakeBracketIndex(QString& text) {
    text = BracketText(text);
    return Nearest16(runtime::Val(text));
}
