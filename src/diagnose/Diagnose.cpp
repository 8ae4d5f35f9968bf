#include "diagnose/Diagnose.h"

#include "diagnose/DiagnoseRun.h"

Diagnose::Diagnose(Program& p) : p_(p), msg_(MsgRows) {}

QString Diagnose::DiagMsg(int row) const {
    return (row >= 0 && row < MsgRows) ? msg_[static_cast<std::size_t>(row)] : QString();
}

bool Diagnose::setDiagMsg(int row, const QString& text) {
    if (row < 0 || row >= MsgRows) return false;
    msg_[static_cast<std::size_t>(row)] = text;
    return true;
}

void Diagnose::ClearDiagMsg() {
    for (QString& m : msg_)
        m.clear();
}

void Diagnose::GoDiagnose() {
    if (running_) return;
    running_ = true;
    struct Done {
        bool& running;
        ~Done() { running = false; }
    } done{running_};
    DiagnoseRun(p_).Go();
    ++runs_;
}
