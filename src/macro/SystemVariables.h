#pragma once
// The system variables: the program's state as texts that macros read by
// number (sysVar 0 to 200). UpdateSysVars refreshes them. Beside each one,
// sysVarHelp holds its description for the system window: the type word,
// ":=", a short description, "#" and remarks; InitSysVarHelp fills the
// English ones and a language pack may replace any of them.
//
// The local host name needs a name lookup: it is asked for once, the first
// time a refresh needs it, and kept.

#include <QString>
#include <array>

class Program;

class SystemVariables {
public:
    explicit SystemVariables(Program& p);

    static constexpr int Count = 201;
    std::array<QString, Count> sysVar;
    std::array<QString, Count> sysVarHelp;

    // Refreshes every variable from the program's state and lists the
    // non-empty ones in the system window.
    void UpdateSysVars();
    // Only the values; the macro interpreter refreshes them before every
    // command and the list follows when the system window is shown.
    void RefreshValues();
    // The number of a list entry "sysVar[n]=value"; -1 when it names none.
    static int IndexOfEntry(const QString& entry);
    // Writes the English description of every described variable; the
    // others keep their text.
    void InitSysVarHelp();

private:
    void refreshProgramState();
    void refreshDocumentState();
    void refreshMacroState();
    void ListSysVars();
    QString hostName();

    Program& p_;
    QString hostName_;
    bool hostNameKnown_ = false;
};
