#pragma once
// Variable references in a macro command's data: "sysvar[n]" reads system
// variable n, a macro variable's name reads its value. The data splits into
// at most ten tokens at the separators , + - < > =; each token is looked up
// whole and the separators come back unchanged ("sysvar[27]>0" gives "5>0"
// for a document of five parts). Conditions of If.Do compare the first two
// tokens by the last of the operators < > =.

#include <QString>
#include <stdexcept>
#include <vector>

class Program;

// A fault in a macro line's data that ends the command with "Macro Error".
class MacroError : public std::runtime_error {
public:
    explicit MacroError(const char* what) : std::runtime_error(what) {}
    explicit MacroError(const QString& what) : std::runtime_error(what.toStdString()) {}
};

// One token of a split data text and the separator in front of it ('\0' for
// the first token).
struct MacroToken {
    QChar separator;
    QString text;
};
// Splits at the given separator characters; only the first nine split.
std::vector<MacroToken> SplitMacroTokens(const QString& text, const QString& separators);

// The data with its variable references replaced; the argument is unchanged.
QString ExpandVars(const Program& p, const QString& expression);
// The value of an If.Do condition; no operator gives false.
bool EvalCondition(const QString& condition);

// A number in a command's data: its leading number, the nearest whole one
// (halves to even); throws MacroError when it does not fit 16 bits.
int MacroInteger(const QString& data);

// The whole number (nearest, halves to even) written between the first "["
// and the next "]" (the whole text when there is no "["). Throws MacroError
// when "]" is missing or the number does not fit 16 bits.
int BracketIndex(const QString& text);
// The same, and the argument becomes the text between the brackets.
int TakeBracketIndex(QString& text);
