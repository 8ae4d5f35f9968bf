#include "calculator/TabletEvaluator.h"

#include "document/TimeCode.h"
#include "runtime/Numbers.h"

#include <QRegularExpression>
#include <QStringList>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace tablet {

namespace {

const QString Operators = QStringLiteral("+-*/^");
const QString ConvertMark = QStringLiteral("cnvtcfr");
constexpr int LastCellRow = 50;
constexpr int SpareRow = 51; // below the last row: always empty

struct Step {
    QString op;
    QString operand;
};

// A failed evaluation: nothing more is worked out.
struct Failure {};

double Finite(double x) {
    if (!std::isfinite(x)) throw Failure{};
    return x;
}

// The strict reading of "-" on values: the whole text must be a number.
double Strict(const QString& text) {
    static const QRegularExpression number(
        QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([Ee][+-]?\\d+)?$"));
    const QString t = text.trimmed();
    if (!number.match(t).hasMatch()) throw Failure{};
    return Finite(t.toDouble());
}

QString Text(double x) {
    return runtime::NumberText(Finite(x));
}

// "+" + the expression + "+": the outer "+" only frame the operands.
std::vector<Step> Steps(const QString& formula) {
    const QString e = QLatin1Char('+') + formula.mid(1) + QLatin1Char('+');
    if (e.contains(ConvertMark)) return {{ConvertMark, e.mid(9)}};
    std::vector<qsizetype> at;
    for (qsizetype i = 0; i < e.size(); ++i)
        if (Operators.contains(e[i])) at.push_back(i);
    std::vector<Step> steps;
    for (std::size_t j = 0; j + 1 < at.size(); ++j)
        steps.push_back({e.mid(at[j], 1), e.mid(at[j] + 1, at[j + 1] - at[j] - 1)});
    return steps;
}

struct Reference {
    int row = 0, col = 0;
};

// A capital letter and a row number read from the next two characters.
std::optional<Reference> ReferenceOf(const QString& operand) {
    if (operand.isEmpty() || operand[0] < QLatin1Char('A') || operand[0] > QLatin1Char('Z'))
        return std::nullopt;
    const double row = runtime::Val(operand.mid(1, 2));
    if (!(row > 0)) return std::nullopt;
    return Reference{static_cast<int>(std::nearbyint(row)), operand[0].unicode() - 64};
}

QString ValueAt(const Reference& ref, const CellValue& valueOf) {
    if (ref.row > SpareRow) throw Failure{}; // outside the tablet
    if (ref.row < 1 || ref.row > LastCellRow) return {};
    return valueOf(ref.row, ref.col);
}

// R raised to the integer part of the exponent, worked out at once however
// large the exponent: the exact power where a double holds it, else the
// nearest, and a failure where it leaves the doubles.
QString Power(const QString& r, double exponent) {
    if (!(exponent - 1 >= 1)) return r;
    return Text(std::pow(Number(r), std::floor(exponent)));
}

QString Apply(const Step& s, const QString& kind, const QString& r, const QString& t,
              const QString& frameRate) {
    const QChar op = s.op.size() == 1 ? s.op[0] : QChar();
    const bool time = kind == QLatin1String("tc_"), value = kind == QLatin1String("val_");
    if (op == QLatin1Char('+')) {
        if (time) return TimeCalc(r, t, s.op);
        if (value) return Text(Number(r) + Number(t));
        return kind == QLatin1String("txt_") ? r + t : r;
    }
    if (op == QLatin1Char('-')) {
        if (time) return TimeCalc(r, t, s.op);
        return value ? Text(Strict(r) - Strict(t)) : r;
    }
    if (op == QLatin1Char('*')) return Text(Number(r) * Number(t));
    if (op == QLatin1Char('/')) {
        if (Number(t) == 0) throw Failure{};
        return Text(Number(r) / Number(t));
    }
    if (op == QLatin1Char('^')) return Power(r, Number(t));
    return Text(TimeToMs(t) / 1000 * Number(frameRate)) + QStringLiteral(" frames");
}

} // namespace

double Number(const QString& text) {
    QString s;
    for (QChar ch : text)
        if (ch != QLatin1Char(' ') && ch != QLatin1Char('\t') && ch != QLatin1Char('\n')) s += ch;
    static const QRegularExpression number(
        QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([Ee][+-]?\\d+)?"));
    const QRegularExpressionMatch m = number.match(s);
    if (!m.hasMatch()) return runtime::Val(s);
    bool ok = false;
    const double x = m.captured(0).toDouble(&ok);
    if (ok) return x;
    const double sign = m.captured(0).startsWith(QLatin1Char('-')) ? -1 : 1;
    return sign * std::numeric_limits<double>::infinity(); // too large for a double
}

Evaluation Evaluate(const QString& formula, const CellValue& valueOf, const QString& frameRate) {
    Evaluation out;
    try {
        for (const Step& s : Steps(formula)) {
            QString t;
            if (const std::optional<Reference> ref = ReferenceOf(s.operand)) {
                const QString v = ValueAt(*ref, valueOf);
                const qsizetype cut = v.indexOf(QLatin1Char('_')) + 1;
                out.kind = v.left(cut);
                t = v.mid(cut);
            } else if (s.op == QLatin1String("^")) {
                t = s.operand; // an exponent may be written as a number: B1^3
            }
            out.result = Apply(s, out.kind, out.result, t, frameRate);
        }
        out.ok = true;
    } catch (const Failure&) {
        out = Evaluation{};
    }
    return out;
}

} // namespace tablet
