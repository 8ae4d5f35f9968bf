#include "shell/CommandRegistry.h"

#include <stdexcept>

void CommandRegistry::add(const QString& name, int actionCode, Handler run) {
    if (byName_.count(name))
        throw std::logic_error("command registered twice: " + name.toStdString());
    byName_.emplace(name, commands_.size());
    commands_.push_back(Command{name, actionCode, std::move(run)});
}

void CommandRegistry::add(const QString& name, int actionCode, std::function<void()> run) {
    add(name, actionCode, Handler([run = std::move(run)](const QString&) { run(); }));
}

const CommandRegistry::Command* CommandRegistry::find(const QString& name) const {
    const auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : &commands_[it->second];
}

bool CommandRegistry::run(const QString& name, const QString& data) const {
    const Command* c = find(name);
    if (!c || !c->run) return false;
    c->run(data);
    return true;
}

QStringList CommandRegistry::names() const {
    QStringList out;
    out.reserve(size());
    for (const Command& c : commands_)
        out << c.name;
    return out;
}
