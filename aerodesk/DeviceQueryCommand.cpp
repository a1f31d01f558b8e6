#include "DeviceQueryCommand.h"
#include "HostSession.h"
#include "ReportPrinter.h"
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDeadlineTimer>
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
    if (!options_.Read(parser)) {
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
    for (QueryReport::Device& device : report.Devices)
        Start(session.Module(), device);

    QDeadlineTimer deadline(std::chrono::seconds(options_.WaitSeconds));
    while (!report.AllDone() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    Finish();
    for (QueryReport::Device& device : report.Devices)
        if (!device.Done)
            device.Message = QStringLiteral("no answer within %1 s").arg(options_.WaitSeconds);

    const QString out = options_.Json ? ReportPrinter::Json(report) : ReportPrinter::Table(report);
    std::fputs(out.toUtf8().constData(), stdout);
    std::fputs(ReportPrinter::Failures(report).toUtf8().constData(), stderr);
    std::fflush(stdout);
    return report.AllOk() ? 0 : 1;
}
