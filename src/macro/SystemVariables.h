#pragma once
// The system variables: the program's state as texts that macros read by
// number (sysVar 0 to 200). UpdateSysVars refreshes them.
//
// For now it refreshes the values of the start-up and the online part (the
// addresses, the request kind, the language, the local address, the version
// texts, the current tablet, the frame rate and the last action code); the
// full table comes with the macro language.

#include <QString>
#include <array>

class Program;

class SystemVariables {
public:
    explicit SystemVariables(Program& p);

    static constexpr int Count = 201;
    std::array<QString, Count> sysVar;

    void UpdateSysVars();

private:
    Program& p_;
};
