#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// One command of an action string.
struct RCommand {
    QString Name;     // lower-cased
    QString ArgText;  // everything after the first "*", as written
    QStringList Args; // the non-empty "*"-separated arguments
    QString Rest;     // the raw rest of the action string after this command's "//"
};

// The parse of one action string: commands separated by "//", each a name and "*"-separated
// arguments. Commands with an empty name are left out; nothing is trimmed.
class TSkCommand {
public:
    explicit TSkCommand(const QString& text);

    int Count() const { return int(commands_.size()); }
    const std::vector<RCommand>& Commands() const { return commands_; }

    // The command rebuilt: its name, then "*" and each argument; empty beyond the last command.
    QString CommandText(int index) const;

private:
    std::vector<RCommand> commands_;
};
