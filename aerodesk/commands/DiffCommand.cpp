// aerodesk diff KEYFILE ADDRESS...: a dry run of a template application. The
// application itself runs against each device with its writes held back, so
// the device is read and checked exactly as the application would, and no
// set is sent.
#include "CommandRegistry.h"
#include "DeviceOptions.h"
#include "FleetReport.h"
#include "HostSnmp.h"
#include "TemplatePlan.h"
#include <QCommandLineParser>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

namespace {

QJsonObject DeviceJson(const QString& address, const QString& name, const TemplatePlan& plan, bool ok,
                       const QString& message) {
    QJsonArray keys;
    int changes = 0;
    // A device that could not be read has no rows to show.
    const std::vector<TemplatePlan::KeyRow> rows =
        plan.Error().isEmpty() ? plan.Rows() : std::vector<TemplatePlan::KeyRow>{};
    for (const TemplatePlan::KeyRow& row : rows) {
        changes += row.Status == QLatin1String("change");
        keys.append(QJsonObject{{"key", row.Key},
                                {"template", row.TemplateValue},
                                {"device", row.DeviceValue},
                                {"status", row.Status},
                                {"note", row.Note}});
    }
    return QJsonObject{{"address", address},
                       {"name", name},
                       {"ok", ok},
                       {"message", message},
                       {"changes", changes},
                       {"rejections", QJsonArray::fromStringList(plan.Rejections())},
                       {"keys", keys}};
}

void PrintText(const QString& address, const TemplatePlan& plan, const QString& message) {
    std::printf("%s: %s\n", qPrintable(address), qPrintable(message));
    if (!plan.Error().isEmpty())
        return;
    for (const QString& r : plan.Rejections())
        std::printf("  rejected: %s\n", qPrintable(r));
    for (const TemplatePlan::KeyRow& row : plan.Rows()) {
        std::printf("  %-32s device: %-20s template: %-20s %s%s\n", qPrintable(row.Key), qPrintable(row.DeviceValue),
                    qPrintable(row.TemplateValue), qPrintable(row.Status),
                    row.Note.isEmpty() ? "" : qPrintable(QStringLiteral(" (%1)").arg(row.Note)));
    }
}

class DiffCommand : public Command {
public:
    QString Name() const override { return QStringLiteral("diff"); }
    QString Summary() const override { return QStringLiteral("dry run: what applying a template key file would change"); }

    int Run(const QStringList& arguments) override {
        QCommandLineParser parser;
        parser.setApplicationDescription(QStringLiteral(
            "Dry run of 'aerodesk apply KEYFILE': reads each device as the application would, with the same checks, "
            "and prints per template key the device's value, the template's value and what applying would do: "
            "\"change\", \"no change\", \"written\" (by a list's add action, not compared with the device's list), "
            "\"refused\" (the application rejects it on this device; the reason follows), "
            "\"not applied\" (not used with these --flags, this band or these other keys) or \"unknown\" (the device "
            "did not let it be read). A device the application refuses as a whole (Multi-SSID on) is named. No set "
            "is sent. Exit status 0 when every device was read, whether or not something would change; 1 when a "
            "device could not be read or would refuse the template. Arguments: KEYFILE ADDRESS..."));
        DeviceOptions options;
        options.AddTo(parser, true);
        parser.addOption({QStringLiteral("flags"), QStringLiteral("Groups as for apply: 1 system, 2 radio, 4 MAC filter "
                                                                  "and security (default 65535, all)."),
                          QStringLiteral("N"), QStringLiteral("65535")});
        QStringList args = arguments;
        args[0] = QStringLiteral("aerodesk diff");
        if (!parser.parse(args)) {
            std::fprintf(stderr, "aerodesk diff: %s\n", qPrintable(parser.errorText()));
            return 2;
        }
        if (parser.isSet(QStringLiteral("help"))) {
            std::fputs(parser.helpText().toUtf8().constData(), stdout);
            return 0;
        }
        if (!options.Read(parser) || !options.SetLeading(1) || options.DeviceAddresses().isEmpty()) {
            std::fprintf(stderr, "aerodesk diff: %s\n",
                         qPrintable(options.Error().isEmpty() ? QStringLiteral("give KEYFILE and ADDRESS...") : options.Error()));
            return 2;
        }
        bool ok = false;
        const uint32_t flags = parser.value(QStringLiteral("flags")).toUInt(&ok, 0);
        if (!ok) {
            std::fprintf(stderr, "aerodesk diff: bad --flags: %s\n", qPrintable(parser.value(QStringLiteral("flags"))));
            return 2;
        }
        const QString keyFile = options.Leading.first();
        if (!QFileInfo(keyFile).isFile() || !QFileInfo(keyFile).isReadable()) {
            std::fprintf(stderr, "aerodesk diff: cannot read the key file %s\n", qPrintable(keyFile));
            return 2;
        }
        QString error;
        if (!HostSnmp::Start(error)) {
            std::fprintf(stderr, "aerodesk diff: %s\n", qPrintable(error));
            return 3;
        }
        FleetReport& fleet = FleetReport::Instance();
        fleet.Begin(options);
        QJsonArray devices;
        int failures = 0;
        for (const QString& address : options.DeviceAddresses()) {
            fleet.Started({address});
            const DeviceTarget target = HostSnmp::TargetFor(options, address);
            TemplatePlan plan;
            bool deviceOk = plan.Make(target, keyFile, flags);
            QString message;
            if (!deviceOk) {
                message = plan.Refusal().isEmpty() ? QStringLiteral("cannot be read: ") + plan.Error()
                                                   : QStringLiteral("refused: ") + plan.Refusal();
            } else {
                deviceOk = plan.ReadCurrent(target);
                int changes = 0;
                for (const TemplatePlan::KeyRow& row : plan.Rows())
                    changes += row.Status == QLatin1String("change");
                message = !deviceOk ? QStringLiteral("some values could not be read")
                          : changes == 0 ? QStringLiteral("no change")
                                         : QStringLiteral("%1 key(s) would change").arg(changes);
            }
            failures += !deviceOk;
            fleet.Record(address, deviceOk, message);
            if (options.Json)
                devices.append(DeviceJson(address, options.NameOf(address), plan, deviceOk, message));
            else
                PrintText(address, plan, message);
            std::fflush(stdout);
        }
        if (options.Json)
            std::fputs(QJsonDocument(QJsonObject{{"devices", devices}}).toJson().constData(), stdout);
        if (!fleet.WriteIfAsked(options))
            return 1;
        return failures == 0 ? 0 : 1;
    }
};

}  // namespace

AERODESK_COMMAND(DiffCommand, "diff", "dry run: what applying a template key file would change")
