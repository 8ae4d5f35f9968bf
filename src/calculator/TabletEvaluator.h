#pragma once
// Works out one tablet formula, left to right without precedence: the
// operators + - * / ^ between cell references (a capital letter and a row
// number, "B12"), or "cnvtcfr_" and one reference for the time code in
// frames. A reference takes the kind of the cell it names ("tc_", "val_",
// "txt_"), and the kind decides what + and - do: time codes add as time
// codes, values as numbers, texts join. Literal numbers count as nothing,
// except as the exponent of "^" (B1^3).
//
// An evaluation that cannot give a number (a division by zero, a number too
// large, a reference below the tablet, "-" on an empty value) fails; the
// tablet then reports "Overflow" and keeps the cell's earlier value.

#include <QString>
#include <functional>

namespace tablet {

struct Evaluation {
    bool ok = false;
    QString kind;   // the prefix of the last cell referred to ("" when none)
    QString result; // the text the cell shows
};

// A cell's typed value ("tc_00:01:00,000"), rows 1 to 50, columns 1 to 26.
using CellValue = std::function<QString(int row, int col)>;

// The formula as stored: "=" and the expression, or "=cnvtcfr_" and a
// reference. frameRate is the current rate as text ("25.000").
Evaluation Evaluate(const QString& formula, const CellValue& valueOf, const QString& frameRate);

// The leading number of a text, as the calculator reads operands: like
// runtime::Val, and an exponent ("1E+20") is part of the number.
double Number(const QString& text);

} // namespace tablet
