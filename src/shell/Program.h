#pragma once
// The one object that owns Mirel's state: the program folder, the shared
// window services, the windows and each subsystem's state. main() creates one;
// every test creates its own, so two programs can live side by side.

#include "platform/Host.h"
#include "runtime/ProgramFolder.h"

#include <memory>

class frmMain;

class Program {
public:
    explicit Program(const QString& programFolder);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    runtime::ProgramFolder folder;
    platform::Host host;

    // The main window, created (not shown) on first use.
    frmMain& main();
    bool hasMain() const { return main_ != nullptr; }

private:
    std::unique_ptr<frmMain> main_;
};
