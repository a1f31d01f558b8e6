#include "CommandRegistry.h"
#include <cstdio>

CommandRegistry& CommandRegistry::Instance() {
    static CommandRegistry registry;
    return registry;
}

void CommandRegistry::Add(const QString& name, const QString& summary, Factory factory) {
    commands_[name] = Entry{summary, std::move(factory)};
}

QString CommandRegistry::Usage() const {
    QString text = QStringLiteral("Usage: aerodesk COMMAND [options]\n"
                                  "The reference host of the NXA-7310 management module AP_PlugIn.plx.\n\n"
                                  "Commands:\n");
    for (const auto& [name, entry] : commands_)
        text += QStringLiteral("  %1%2\n").arg(name, -12).arg(entry.Summary);
    text += QStringLiteral(
        "\nExit status: 0 when every device did what was asked; 1 when a device failed, refused or did not answer in "
        "time (the others are still reported); 2 for a bad command line (unknown command, option, page or field); "
        "3 when the module, its FTP server or (for page) the device cannot be reached.\n"
        "Commands with --json print one JSON document on standard output and their notes on standard error.\n"
        "The fleet commands take their devices from a CSV inventory with --inventory FILE (--group NAME picks a group) "
        "and write one row per device with --report FILE.csv|FILE.json; see a command's --help.\n"
        "SNMPv3: the inventory's version and v3 user columns, or --snmp-version 3 --v3-user NAME --auth MD5|SHA "
        "--priv DES|AES with the pass phrases from --auth-passphrase-file/--priv-passphrase-file or $NXA_AUTH_PASSPHRASE/"
        "$NXA_PRIV_PASSPHRASE (never on the command line); page and manage take the same options.\n"
        "\n'aerodesk COMMAND --help' describes a command.\n");
    return text;
}

int CommandRegistry::Dispatch(const QStringList& arguments) {
    if (arguments.isEmpty() || arguments.first() == QLatin1String("--help") || arguments.first() == QLatin1String("-h")) {
        std::fputs(Usage().toUtf8().constData(), arguments.isEmpty() ? stderr : stdout);
        return arguments.isEmpty() ? 2 : 0;
    }
    auto it = commands_.find(arguments.first());
    if (it == commands_.end()) {
        std::fprintf(stderr, "aerodesk: unknown command '%s'\n\n%s", arguments.first().toUtf8().constData(),
                     Usage().toUtf8().constData());
        return 2;
    }
    std::unique_ptr<Command> command = it->second.Make();
    return command->Run(arguments);
}
