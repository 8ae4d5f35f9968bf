#include "calculator/Calculator.h"

#include "shell/Program.h"
#include "shell/frmMain.h"

Calculator::Calculator(Program& p) : p_(p) {}

void Calculator::InvokeCalcFromBasic() {
    CalcInvokeTarget = 10;
    p_.main().tabMain.setTab(frmMain::TabCalculator);
}
