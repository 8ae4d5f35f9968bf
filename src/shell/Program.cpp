#include "shell/Program.h"

#include "shell/frmMain.h"

Program::Program(const QString& programFolder) : folder(programFolder) {}

Program::~Program() = default;

frmMain& Program::main() {
    if (!main_) main_ = std::make_unique<frmMain>(*this);
    return *main_;
}
