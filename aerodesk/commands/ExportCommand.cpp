// aerodesk export: writes a device's current settings to a file (PlugGetConfigFile).
#include "CommandRegistry.h"
#include "DeviceOptions.h"
#include "HostSession.h"
#include "snmp/CZRException.h"
#include <QCommandLineParser>
#include <cstdio>

namespace {

class ExportCommand : public Command {
public:
    QString Name() const override { return QStringLiteral("export"); }
    QString Summary() const override { return QStringLiteral("write a device's settings to a file"); }

    int Run(const QStringList& arguments) override {
        QCommandLineParser parser;
        parser.setApplicationDescription(QStringLiteral(
            "Reads the settings of the device at ADDRESS and writes them to FILE as key lines. --flags chooses the "
            "groups: 1 system, 2 radio, 4 security (default 7). Arguments: ADDRESS FILE."));
        DeviceOptions options;
        options.AddTo(parser, false, false);
        parser.addOption({QStringLiteral("flags"), QStringLiteral("Groups to export (default 7)."), QStringLiteral("N"),
                          QStringLiteral("7")});
        QStringList args = arguments;
        args[0] = QStringLiteral("aerodesk export");
        if (!parser.parse(args)) {
            std::fprintf(stderr, "aerodesk export: %s\n", qPrintable(parser.errorText()));
            return 2;
        }
        if (parser.isSet(QStringLiteral("help"))) {
            std::fputs(parser.helpText().toUtf8().constData(), stdout);
            return 0;
        }
        if (!options.Read(parser) || options.Addresses.size() != 2) {
            std::fprintf(stderr, "aerodesk export: %s\n",
                         qPrintable(options.Error().isEmpty() ? QStringLiteral("give ADDRESS and FILE") : options.Error()));
            return 2;
        }
        bool ok = false;
        const uint32_t flags = parser.value(QStringLiteral("flags")).toUInt(&ok, 0);
        if (!ok) {
            std::fprintf(stderr, "aerodesk export: bad --flags: %s\n", qPrintable(parser.value(QStringLiteral("flags"))));
            return 2;
        }
        const QByteArray address = options.Addresses[0].toUtf8();
        const QByteArray file = options.Addresses[1].toUtf8();
        options.Addresses.removeLast();

        HostSession session;
        if (!session.Open(options)) {
            std::fprintf(stderr, "aerodesk: %s\n", qPrintable(session.Error()));
            return 3;
        }
        auto getConfigFile = reinterpret_cast<decltype(&PlugGetConfigFile)>(session.Module().Symbol("PlugGetConfigFile"));
        if (!getConfigFile) {
            std::fprintf(stderr, "aerodesk: the module has no PlugGetConfigFile\n");
            return 3;
        }
        try {
            getConfigFile(address.constData(), file.constData(), flags);
        } catch (const CZRException& e) {
            std::fprintf(stderr, "%s: error %d: %s\n", address.constData(), e.Number(), qPrintable(e.Text()));
            return 1;
        }
        std::printf("%s: settings written to %s\n", address.constData(), file.constData());
        return 0;
    }
};

}  // namespace

AERODESK_COMMAND(ExportCommand, "export", "write a device's settings to a file")
