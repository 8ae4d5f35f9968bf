#pragma once
// The system variables: the program's state as texts that macros read by
// number (sysVar 0 to 200). UpdateSysVars refreshes them. Beside each one,
// sysVarHelp holds its description for the system window: the type word,
// ":=", a short description, "#" and remarks; InitSysVarHelp fills the
// English ones and a language pack may replace any of them.
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
    std::array<QString, Count> sysVarHelp;

    void UpdateSysVars();
    // Writes the English description of every described variable; the
    // others keep their text.
    void InitSysVarHelp();

private:
    Program& p_;
};
