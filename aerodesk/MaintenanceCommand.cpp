#include "MaintenanceCommand.h"
#include "FleetReport.h"
#include "ReportPrinter.h"
#include "platform/EventWait.h"
#include <algorithm>
#include <cstdio>

int MaintenanceCommand::Run(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(Description());
    DeviceOptions options;
    options.AddTo(parser, OffersJson());
    AddOptions(parser);
    QStringList args = arguments;
    const QString name = QStringLiteral("aerodesk ") + Name();
    args[0] = name;
    if (!parser.parse(args)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(name), qPrintable(parser.errorText()));
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(parser.helpText().toUtf8().constData(), stdout);
        return 0;
    }
    if (!options.Read(parser) || !options.SetLeading(LeadingArguments())) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(name), qPrintable(options.Error()));
        return 2;
    }
    const std::vector<DeviceOptions::SnmpSet> sets = options.SnmpSets();
    if (sets.size() > 1 && options.Json) {
        std::fprintf(stderr, "%s: --json needs one SNMP port and community pair for all devices of the inventory "
                             "(use --group, or --report FILE.json)\n", qPrintable(name));
        return 2;
    }
    HostSession session;
    if (!session.Open(options)) {
        std::fprintf(stderr, "aerodesk: %s\n", qPrintable(session.Error()));
        return 3;
    }
    FleetReport& fleet = FleetReport::Instance();
    fleet.Begin(options);
    // The module holds one SNMP port and community pair: the command runs once
    // for each set of devices that share one.
    int code = 0;
    for (const DeviceOptions::SnmpSet& set : sets) {
        DeviceOptions setOptions = options.ForSet(set);
        if (sets.size() > 1)
            session.UseSnmp(setOptions);
        fleet.Started(set.Addresses);
        int setCode = 1;
        try {
            setCode = Execute(parser, setOptions, session);
        } catch (const std::exception& e) {
            // The module passes a failure to send on as an exception.
            std::fprintf(stderr, "%s: %s\n", qPrintable(name), e.what());
        }
        code = std::max(code, setCode);
        if (setCode >= 2)
            break;   // a bad command line or an unreachable service fails every set alike
    }
    if (!fleet.WriteIfAsked(options))
        code = std::max(code, 1);
    return code;
}

bool MaintenanceCommand::WaitUntil(const std::function<bool()>& done, int seconds) {
    return EventWait::Until(done, static_cast<int>(std::min<qint64>(static_cast<qint64>(seconds) * 1000, INT32_MAX)), 20);
}

void* MaintenanceCommand::Export(HostSession& session, const char* name) {
    void* symbol = session.Module().Symbol(name);
    if (!symbol)
        std::fprintf(stderr, "aerodesk: the module has no %s\n", name);
    return symbol;
}

int MaintenanceCommand::PrintReport(QueryReport& report, const DeviceOptions& options,
                                    const std::function<void(const QueryReport::Device&)>& printText) {
    FleetReport& fleet = FleetReport::Instance();
    WaitUntil(
        [&] {
            fleet.Stamp(report);
            return report.AllDone();
        },
        options.WaitSeconds);
    report.MarkLate(options.WaitSeconds);
    fleet.Close(report);
    if (options.Json) {
        std::fputs(ReportPrinter::Json(report).toUtf8().constData(), stdout);
    } else {
        for (const QueryReport::Device& d : report.Devices) {
            if (d.Ok)
                printText(d);
            else
                std::printf("%s: error: %s\n", qPrintable(d.Address), qPrintable(d.Message));
        }
    }
    std::fflush(stdout);
    return report.AllOk() ? 0 : 1;
}
