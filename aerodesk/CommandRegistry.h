#pragma once
#include "Command.h"
#include <functional>
#include <map>
#include <memory>

// The commands of aerodesk by name, and the dispatch of a command line.
class CommandRegistry {
public:
    using Factory = std::function<std::unique_ptr<Command>()>;

    static CommandRegistry& Instance();
    void Add(const QString& name, const QString& summary, Factory factory);
    // arguments: the program's arguments without the program name.
    int Dispatch(const QStringList& arguments);
    QString Usage() const;

private:
    struct Entry {
        QString Summary;
        Factory Make;
    };
    std::map<QString, Entry> commands_;
};

// Registers a command class (default-constructible) when the program starts.
#define AERODESK_COMMAND(ClassName, name, summary)                                                         \
    namespace {                                                                                            \
    const bool registered##ClassName = [] {                                                                \
        CommandRegistry::Instance().Add(QStringLiteral(name), QStringLiteral(summary),                     \
                                        [] { return std::unique_ptr<Command>(new ClassName); });           \
        return true;                                                                                       \
    }();                                                                                                   \
    }
