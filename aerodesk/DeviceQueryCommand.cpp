#include "DeviceQueryCommand.h"
#include "FleetReport.h"
#include "HostSession.h"
#include "ReportPrinter.h"
#include "platform/EventWait.h"
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <algorithm>
#include <cstdio>

int DeviceQueryCommand::Run(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(Description());
    options_.AddTo(parser);
    QStringList args = arguments;
    args[0] = QStringLiteral("aerodesk ") + arguments.first();
    if (!parser.parse(args)) {
        std::fprintf(stderr, "aerodesk %s: %s\n", qPrintable(arguments.first()), qPrintable(parser.errorText()));
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        QString help = parser.helpText();
        help.replace(0, help.indexOf(QLatin1String(" [options]")), QStringLiteral("Usage: aerodesk ") + arguments.first());
        std::fputs(help.toUtf8().constData(), stdout);
        return 0;
    }
    if (!options_.Read(parser) || !options_.SetLeading(0)) {
        std::fprintf(stderr, "aerodesk %s: %s\n", qPrintable(arguments.first()), qPrintable(options_.Error()));
        return 2;
    }

    // The report outlives the session: late answers arrive while the module ends.
    QueryReport report;
    Prepare(report);
    HostSession session;
    if (!session.Open(options_)) {
        std::fprintf(stderr, "aerodesk: %s\n", qPrintable(session.Error()));
        return 3;
    }
    for (const QString& address : options_.Addresses) {
        report.Devices.emplace_back();
        report.Devices.back().Address = address;
    }
    FleetReport& fleet = FleetReport::Instance();
    fleet.Begin(options_);

    // The module holds one SNMP port and community pair: the devices that
    // share one are asked together, one such set after the other.
    QDeadlineTimer deadline(std::chrono::seconds(options_.WaitSeconds));
    const std::vector<DeviceOptions::SnmpSet> sets = options_.SnmpSets();
    for (const DeviceOptions::SnmpSet& set : sets) {
        if (sets.size() > 1)
            session.UseSnmp(options_.ForSet(set));
        fleet.Started(set.Addresses);
        std::vector<QueryReport::Device*> started;
        for (QueryReport::Device& device : report.Devices) {
            if (set.Addresses.contains(device.Address) &&
                std::find(started.begin(), started.end(), &device) == started.end()) {
                started.push_back(&device);
                Start(session.Module(), device);
            }
        }
        auto setDone = [&] {
            return std::all_of(started.begin(), started.end(), [](const QueryReport::Device* d) { return d->Done; });
        };
        EventWait::Until(
            [&] {
                fleet.Stamp(report);   // each device's time is taken as its answer is seen
                return setDone();
            },
            static_cast<int>(std::min<qint64>(deadline.remainingTime(), INT32_MAX)));
        if (sets.size() > 1 && !setDone())
            break;   // the next set's parameters would reach the requests still running
    }
    Finish();
    fleet.Stamp(report);
    for (QueryReport::Device& device : report.Devices)
        if (!device.Done)
            device.Message = QStringLiteral("no answer within %1 s").arg(options_.WaitSeconds);
    fleet.Close(report);

    const QString out = options_.Json ? ReportPrinter::Json(report) : ReportPrinter::Table(report);
    std::fputs(out.toUtf8().constData(), stdout);
    std::fputs(ReportPrinter::Failures(report).toUtf8().constData(), stderr);
    std::fflush(stdout);
    if (!fleet.WriteIfAsked(options_))
        return 1;
    return report.AllOk() ? 0 : 1;
}
