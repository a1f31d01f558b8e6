// aerodesk parse: turns a device configuration backup into a template (PlugParseFile).
#include "CommandRegistry.h"
#include "PlugInModule.h"
#include <QCommandLineParser>
#include <cstdio>

namespace {

class ParseCommand : public Command {
public:
    QString Name() const override { return QStringLiteral("parse"); }
    QString Summary() const override { return QStringLiteral("turn a configuration backup into a template"); }

    int Run(const QStringList& arguments) override {
        QCommandLineParser parser;
        parser.setApplicationDescription(QStringLiteral(
            "Turns a device configuration backup (.dcf) into a template. On success the backup file is replaced "
            "by the flat template key file (for aerodesk apply) and TEMPLATE holds the sectioned template."));
        parser.addHelpOption();
        parser.addOption({QStringLiteral("module"),
                          QStringLiteral("The module to load (default: AP_PlugIn.plx beside aerodesk, or $AERODESK_MODULE)."),
                          QStringLiteral("PATH")});
        parser.addPositionalArgument(QStringLiteral("BACKUP"), QStringLiteral("The device's configuration backup."));
        parser.addPositionalArgument(QStringLiteral("TEMPLATE"), QStringLiteral("The template to write (its name has a \".\")."));
        QStringList args = arguments;
        args[0] = QStringLiteral("aerodesk parse");
        if (!parser.parse(args)) {
            std::fprintf(stderr, "aerodesk parse: %s\n", qPrintable(parser.errorText()));
            return 2;
        }
        if (parser.isSet(QStringLiteral("help"))) {
            std::fputs(parser.helpText().toUtf8().constData(), stdout);
            return 0;
        }
        const QStringList paths = parser.positionalArguments();
        if (paths.size() != 2) {
            std::fprintf(stderr, "aerodesk parse: give BACKUP and TEMPLATE\n");
            return 2;
        }
        PlugInModule module;
        const QString modulePath =
            parser.isSet(QStringLiteral("module")) ? parser.value(QStringLiteral("module")) : PlugInModule::DefaultPath();
        if (!module.Load(modulePath)) {
            std::fprintf(stderr, "aerodesk: %s\n", qPrintable(module.Error()));
            return 3;
        }
        auto parseFile = reinterpret_cast<decltype(&PlugParseFile)>(module.Symbol("PlugParseFile"));
        if (!parseFile) {
            std::fprintf(stderr, "aerodesk: the module has no PlugParseFile\n");
            return 3;
        }
        const QByteArray backup = paths[0].toUtf8();
        const QByteArray templ = paths[1].toUtf8();
        if (!parseFile(backup.constData(), templ.constData())) {
            std::fprintf(stderr, "aerodesk parse: %s could not be turned into a template\n", backup.constData());
            return 1;
        }
        std::printf("template written to %s; key file written to %s\n", templ.constData(), backup.constData());
        return 0;
    }
};

}  // namespace

AERODESK_COMMAND(ParseCommand, "parse", "turn a configuration backup into a template")
