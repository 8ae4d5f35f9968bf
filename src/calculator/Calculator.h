#pragma once
// The time-code calculator as the editor calls it: the field that asked for
// it (the calculator target) receives its result later.

class Program;

class Calculator {
public:
    explicit Calculator(Program& p);

    // -1 none, 0..4 the timing tools' fields, 10 the editor cell, 11 the partition list.
    int CalcInvokeTarget = -1;

    // The editor's calculator button: the editor cell becomes the target and
    // the calculator tab comes to the front.
    void InvokeCalcFromBasic();

private:
    Program& p_;
};
