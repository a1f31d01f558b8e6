// aerodesk page: shows one page of the management window on a device and
// acts on it as a person would, reporting what the person would have seen.
#include "Command.h"
#include "CommandRegistry.h"
#include "DeviceOptions.h"
#include "HostFtp.h"
#include "HostSession.h"
#include "servers/FtpServer.h"
#include <QApplication>
#include <QCommandLineParser>
#include <QDeadlineTimer>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

namespace {

// PlugDrivePage(script JSON, report callback, context): the driver's exit code.
using DrivePage = int32_t (*)(const char*, void (*)(const char*, void*), void*);

// The actions of the command line, in the order given.
struct ActionOption {
    const char* Name;
    const char* Kind;
    bool Pair;   // "NAME=VALUE"
};
const ActionOption kActions[] = {
    {"set", "set", true},        {"check", "check", false}, {"uncheck", "uncheck", false},
    {"select", "select", true},  {"tick", "tick", true},    {"press", "press", false},
    {"answer", "answer", false}, {"file", "file", false},
    {"tab", "tab", false},
};

const ActionOption* FindAction(const QString& option) {
    for (const ActionOption& a : kActions) {
        if (option == QLatin1String(a.Name))
            return &a;
    }
    return nullptr;
}

void Collect(const char* json, void* context) { *static_cast<QByteArray*>(context) = QByteArray(json); }

void PrintReadable(const QJsonObject& report) {
    std::printf("Page: %s\n", qPrintable(report.value("page").toString()));
    for (const char* part : {"status", "messages"}) {
        const QJsonArray lines = report.value(part).toArray();
        std::printf("%s:%s\n", part[0] == 's' ? "Status" : "Messages", lines.isEmpty() ? " (none)" : "");
        for (const QJsonValue& line : lines)
            std::printf("  %s\n", qPrintable(line.toString()));
    }
    // The fields a person sees, in the page's order.
    const QJsonObject fields = report.value("fields").toObject();
    const QJsonObject enabled = report.value("enabled").toObject();
    const QJsonObject visible = report.value("visible").toObject();
    std::printf("Fields:\n");
    for (const QJsonValue& v : report.value("order").toArray()) {
        const QString name = v.toString();
        if (!visible.value(name).toBool(true))
            continue;
        std::printf("  %s: %s%s\n", qPrintable(name), qPrintable(fields.value(name).toString()),
                    enabled.value(name).toBool(true) ? "" : "  [disabled]");
    }
    const QJsonObject lists = report.value("lists").toObject();
    for (auto it = lists.begin(); it != lists.end(); ++it) {
        const QJsonArray rows = it.value().toArray();
        std::printf("List %s:%s\n", qPrintable(it.key()), rows.isEmpty() ? " (empty)" : "");
        int n = 0;
        for (const QJsonValue& row : rows) {
            QStringList cells;
            for (const QJsonValue& cell : row.toArray())
                cells << cell.toString();
            std::printf("  %d: %s\n", n++, qPrintable(cells.join(QStringLiteral(" | "))));
        }
    }
    std::printf("Exit: %d\n", report.value("exit").toInt());
}

void PrintListing(const QJsonObject& report) {
    if (report.contains("pages")) {
        for (const QJsonValue& v : report.value("pages").toArray()) {
            const QJsonObject page = v.toObject();
            std::printf("%s%s\n", qPrintable(page.value("label").toString()),
                        page.value("built").toBool() ? "" : "  (not built yet)");
        }
        return;
    }
    std::printf("Page: %s\nFields:\n", qPrintable(report.value("page").toString()));
    for (const QJsonValue& v : report.value("fields").toArray()) {
        const QJsonObject f = v.toObject();
        std::printf("  %s  (%s%s%s)\n", qPrintable(f.value("name").toString()), qPrintable(f.value("kind").toString()),
                    f.value("variable").toString().isEmpty() ? "" : ", ", qPrintable(f.value("variable").toString()));
    }
    std::printf("Lists:\n");
    for (const QJsonValue& v : report.value("lists").toArray()) {
        const QJsonObject l = v.toObject();
        QStringList columns;
        for (const QJsonValue& c : l.value("columns").toArray())
            columns << c.toString();
        std::printf("  %s  (%s)\n", qPrintable(l.value("name").toString()), qPrintable(columns.join(QStringLiteral(", "))));
    }
    std::printf("Buttons:\n");
    for (const QJsonValue& v : report.value("buttons").toArray())
        std::printf("  %s\n", qPrintable(v.toString()));
}

class PageCommand : public Command {
public:
    QString Name() const override { return QStringLiteral("page"); }
    QString Summary() const override {
        return QStringLiteral("show one page of the management window, act on it and report what it shows");
    }

    int Run(const QStringList& arguments) override {
        QJsonArray actions;
        QStringList rest;
        QString error;
        if (!SplitActions(arguments, actions, rest, error)) {
            std::fprintf(stderr, "aerodesk page: %s\n", qPrintable(error));
            return 2;
        }
        QCommandLineParser parser;
        parser.setApplicationDescription(QStringLiteral(
            "Opens the management window headless on one device, shows the page PAGE (which refreshes it), applies "
            "the actions in the order given, waiting after each until no request of the window is in progress, and "
            "reports the status lines, message boxes, fields and lists a person would have seen.\n\n"
            "Actions (repeatable, done in order):\n"
            "  --set \"FIELD=VALUE\"   type VALUE into an edit or address field, or choose it in a list or radio group\n"
            "  --check FIELD, --uncheck FIELD   tick or clear a check box\n"
            "  --select \"LIST=ROW\"   click row ROW (from 0) of a list; --tick \"LIST=ROW\" clicks its check box\n"
            "  --press BUTTON        click a button (\"GROUP/BUTTON\" where a page repeats one)\n"
            "  --tab TITLE           click the page's tab TITLE (its controls are shown)\n"
            "  --answer ok|cancel|yes|no   the answer to every later question box (default ok/yes)\n"
            "  --file PATH           the answer to the next file dialog\n"
            "FIELD is the label as shown, without a trailing ':' (\"GROUP/LABEL\" where two share it); --list names "
            "them.\n\nWaits: each step waits as long as the window's own time-outs allow (a page may wait 100 s a "
            "try for a device that does not answer); --wait S bounds every step, and the closing, to S seconds.\n\n"
            "Exit: 0 every action done; 1 an action could not be done (disabled control, page left busy); "
            "2 bad command line or unknown page, field, list or button; 3 device not reachable."));
        options_.AddTo(parser, true, false);
        parser.addPositionalArgument(QStringLiteral("PAGE"), QStringLiteral("The page's navigation label, e.g. \"Information\"."));
        parser.addOption({QStringLiteral("list"), QStringLiteral("List the pages, or with PAGE its fields, lists and buttons.")});
        parser.addOption({QStringLiteral("ftp-port"),
                          QStringLiteral("Give the module the host's FTP server on 127.0.0.1 at this port, for the "
                                         "maintenance pages' transfers (devices are told the station's address)."),
                          QStringLiteral("PORT")});
        rest[0] = QStringLiteral("aerodesk page");
        if (!parser.parse(rest)) {
            std::fprintf(stderr, "aerodesk page: %s\n", qPrintable(parser.errorText()));
            return 2;
        }
        if (parser.isSet(QStringLiteral("help"))) {
            std::fputs(parser.helpText().toUtf8().constData(), stdout);
            return 0;
        }
        if (!options_.Read(parser)) {
            std::fprintf(stderr, "aerodesk page: %s\n", qPrintable(options_.Error()));
            return 2;
        }
        const bool list = parser.isSet(QStringLiteral("list"));
        const QStringList positional = options_.Addresses;
        if (positional.size() > 2 || (positional.size() < 2 && !list)) {
            std::fprintf(stderr, "aerodesk page: give one device address and one page label (see --help)\n");
            return 2;
        }
        if (list && !actions.isEmpty()) {
            std::fprintf(stderr, "aerodesk page: --list takes no actions\n");
            return 2;
        }
        options_.Addresses = {positional[0]};
        if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
            std::fprintf(stderr, "aerodesk page: needs a GUI application\n");
            return 3;
        }
        HostSession session;
        if (!session.Open(options_)) {
            std::fprintf(stderr, "aerodesk: %s\n", qPrintable(session.Error()));
            return 3;
        }
        // The host's FTP server, serving the folder of each file a page sends.
        HostFtp ftp;
        if (parser.isSet(QStringLiteral("ftp-port"))) {
            bool ok = false;
            const uint port = parser.value(QStringLiteral("ftp-port")).toUInt(&ok);
            if (!ok || port > 65535 || !ftp.Start(QStringLiteral("127.0.0.1"), static_cast<quint16>(port), QDir::currentPath())) {
                std::fprintf(stderr, "aerodesk page: %s\n",
                             ok && port <= 65535 ? qPrintable(ftp.Error()) : "--ftp-port takes a port number");
                return 2;
            }
            ftp.Server()->SetAdvertisedAddress(QStringLiteral("127.0.0.1"));
            session.Module().SetFtpServer(ftp.Server());
        }
        auto drive = reinterpret_cast<DrivePage>(session.Module().Symbol("PlugDrivePage"));
        if (!drive) {
            std::fprintf(stderr, "aerodesk page: the module cannot drive its pages\n");
            return 3;
        }
        QJsonObject script{{"page", positional.value(1)}, {"list", list}, {"actions", actions}};
        // Without --wait each step may take as long as the window's own
        // time-outs allow (the Information page's summary waits 100 s a try).
        const bool waitGiven = parser.isSet(QStringLiteral("wait"));
        if (waitGiven)
            script["waitMs"] = options_.WaitSeconds * 1000;
        QByteArray reportJson;
        const int rc = drive(QJsonDocument(script).toJson(QJsonDocument::Compact).constData(), &Collect, &reportJson);
        const QJsonObject report = QJsonDocument::fromJson(reportJson).object();
        if (options_.Json)
            std::printf("%s\n", QJsonDocument(report).toJson(QJsonDocument::Indented).constData());
        else if (list && rc == 0)
            PrintListing(report);
        else if (report.contains("fields"))
            PrintReadable(report);
        if (report.contains("error"))
            std::fprintf(stderr, "aerodesk page: %s\n", qPrintable(report.value("error").toString()));
        std::fflush(stdout);
        if (!session.CloseWindow(waitGiven ? options_.WaitSeconds : 120)) {
            std::fprintf(stderr, "aerodesk page: the window stayed busy; not unloading the module\n");
            std::fflush(stderr);
            std::_Exit(rc == 0 ? 1 : rc);
        }
        if (ftp.Server()->IsListening())
            session.Module().SetFtpServer(nullptr);   // the server goes before the module
        return rc;
    }

private:
    // Takes the action options out of the arguments, in their order.
    static bool SplitActions(const QStringList& arguments, QJsonArray& actions, QStringList& rest, QString& error) {
        for (int i = 0; i < arguments.size(); ++i) {
            const QString arg = arguments[i];
            if (!arg.startsWith(QLatin1String("--"))) {
                rest << arg;
                continue;
            }
            const int eq = arg.indexOf(QLatin1Char('='));
            const QString name = arg.mid(2, eq < 0 ? -1 : eq - 2);
            const ActionOption* action = FindAction(name);
            if (!action) {
                rest << arg;
                continue;
            }
            QString value;
            if (eq >= 0) {
                value = arg.mid(eq + 1);
            } else if (i + 1 < arguments.size()) {
                value = arguments[++i];
            } else {
                error = QStringLiteral("--%1 needs a value").arg(name);
                return false;
            }
            QJsonObject step{{"do", QString::fromLatin1(action->Kind)}};
            if (action->Pair) {
                const int sep = value.indexOf(QLatin1Char('='));
                if (sep <= 0) {
                    error = QStringLiteral("--%1 takes \"NAME=VALUE\", not \"%2\"").arg(name, value);
                    return false;
                }
                step["target"] = value.left(sep);
                step["value"] = value.mid(sep + 1);
            } else if (name == QLatin1String("answer") || name == QLatin1String("file")) {
                step["value"] = value;
            } else {
                step["target"] = value;
            }
            actions.append(step);
        }
        return true;
    }


    DeviceOptions options_;
};

}  // namespace

AERODESK_COMMAND(PageCommand, "page", "show one page of the management window, act on it and report what it shows")
