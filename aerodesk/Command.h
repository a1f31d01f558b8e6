#pragma once
#include <QString>
#include <QStringList>

// One aerodesk command ("info", "clients", ...). Each lives in a file of its
// own under commands/ and registers itself with AERODESK_COMMAND.
class Command {
public:
    virtual ~Command() = default;
    virtual QString Name() const = 0;
    // One line for the command list.
    virtual QString Summary() const = 0;
    // `arguments` starts with the command name; returns the exit code.
    virtual int Run(const QStringList& arguments) = 0;
};
