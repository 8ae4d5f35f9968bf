#pragma once
// Every user command, registered once: a name, the action code it reports and
// its handler. Menu items, navigation-tree nodes, key shortcuts and the macro
// interpreter all run commands through here; none keeps a switch of its own.
//
// A command that the macro language knows is registered under its full macro
// name: the group name, "." and the command name ("Editor.Shift.Go",
// "Menu.File.New", "View.Editor.Basic"). Other commands take a name in the
// same style ("Menu.History.Show"). The data is what a macro line gives after
// ":=" (a field's value, a list position); commands that take none ignore it.

#include <QString>
#include <QStringList>
#include <functional>
#include <unordered_map>
#include <vector>

class CommandRegistry {
public:
    using Handler = std::function<void(const QString& data)>;

    struct Command {
        QString name;
        int actionCode = 0; // group * 100 + command number; 0 when it reports none
        Handler run;
    };

    // Registers a command. A name registered twice is a fault of the program
    // and throws std::logic_error.
    void add(const QString& name, int actionCode, Handler run);
    void add(const QString& name, int actionCode, std::function<void()> run);

    // The command of that name, or null.
    const Command* find(const QString& name) const;
    // Runs a command; false when there is none of that name.
    bool run(const QString& name, const QString& data = QString()) const;
    // Every name, in the order of registration.
    QStringList names() const;
    int size() const { return static_cast<int>(commands_.size()); }

private:
    std::vector<Command> commands_;
    std::unordered_map<QString, std::size_t> byName_;
};
