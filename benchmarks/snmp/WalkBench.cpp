// Walks the client table of one simulated device (256 rows by default)
// through SnmpRequest's asynchronous walk, and the same table with net-snmp's
// snmpwalk, and prints the wall times and their ratio: the whole table
// (shown), and one column (P1: aim at most 1.0). The walks alternate, so a
// loaded machine weighs on both alike.
//
//   bench_snmp_walk [--clients N] [--rounds N]
#include "support/SimFleet.h"
#include "support/ToolRun.h"
#include "mib/QueryTables.h"
#include "snmp/CZRException.h"
#include "snmp/SnmpRequest.h"
#include "snmp/SnmpSession.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <thread>

namespace {

const char* kClientEntry = "1.3.6.1.4.1.171.10.37.36.2.1.3.3.4.2.1";
const char* kClientMacColumn = "1.3.6.1.4.1.171.10.37.36.2.1.3.3.4.2.1.2";

struct Walk {
    SnmpRequest* request;
    int rows = 0;
    int status = 0;
    bool done = false;
    QEventLoop* loop;

    void Step(RequestResult* r, MibVariableList* list) {
        if (r->Status != 0 || r->Done) {
            status = r->Status;
            done = true;
            loop->quit();
            return;
        }
        ++rows;
        request->Variables = *list;
        request->ReadAsync([this](RequestResult* res, MibVariableList* l, uintptr_t) { Step(res, l); }, false);
    }
};

// Wall time in ms of one asynchronous walk of `table`; rows through `rows`.
double TimeEngineWalk(const QString& address, uint16_t port, const MibVariable* table, int* rows) {
    SnmpRequest request;
    request.Address = address;
    request.Port = port;
    request.Version = DeviceTarget::Version2c;
    request.Variables = MibVariableList(table, MibVariableList::MVT_FMV, 0);
    QEventLoop loop;
    Walk walk{&request, 0, 0, false, &loop};
    QElapsedTimer clock;
    clock.start();
    request.ReadAsync([&walk](RequestResult* r, MibVariableList* l, uintptr_t) { walk.Step(r, l); }, true);
    if (!walk.done)
        loop.exec();
    const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    *rows = walk.rows;
    if (walk.status != 0)
        std::fprintf(stderr, "walk failed: %d\n", walk.status);
    return ms;
}

double TimeSnmpwalk(const QString& endpoint, const char* oid, int* lines) {
    QElapsedTimer clock;
    clock.start();
    QString out;
    TestSupport::RunCommand("snmpwalk", {"-v2c", "-c", "public", "-On", "-M", "/dev/null", endpoint, oid}, &out, 60000);
    const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    *lines = static_cast<int>(out.split('\n', Qt::SkipEmptyParts).size());
    return ms;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int clients = 256;
    int rounds = 9;
    for (int i = 1; i + 1 < argc; ++i) {
        if (QString(argv[i]) == "--clients")
            clients = std::max(1, std::atoi(argv[++i]));
        else if (QString(argv[i]) == "--rounds")
            rounds = std::max(1, std::atoi(argv[++i]));
    }
    QTemporaryDir temp;
    SnmpSession::StartSnmp(temp.path());

    const QString address = "127.0.3.1";
    TestSupport::SimFleet sim;
    if (!sim.Start(address, 1, {"--clients", QString::number(clients)})) {
        std::fprintf(stderr, "nxa-sim did not start:\n%s", sim.Output().c_str());
        return 1;
    }
    const uint16_t port = sim.Port();
    const QString endpoint = QStringLiteral("%1:%2").arg(address).arg(port);

    // Wait for the device, then have it build its client table.
    SnmpRequest refresh;
    refresh.Address = address;
    refresh.Port = port;
    refresh.Version = DeviceTarget::Version2c;
    refresh.Timeout = 20;
    refresh.Variables = MibVariableList(kClientRefreshVars, MibVariableList::MVT_SV);
    bool ready = false;
    for (int i = 0; i < 50 && !ready; ++i) {
        try {
            refresh.Variables.Entry(0).Value = "1";
            refresh.Write();
            ready = true;
        } catch (const CZRException&) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }
    if (!ready) {
        std::fprintf(stderr, "the simulated device did not answer\n");
        return 1;
    }

    const MibVariable macOnly[] = {kClientListVars[0], MIB_TABLE_END};
    std::vector<double> engineTable, engineColumn, toolTable, toolColumn;
    int rows = 0, columnRows = 0, toolLines = 0, toolColumnLines = 0;
    for (int r = 0; r < rounds; ++r) {
        engineTable.push_back(TimeEngineWalk(address, port, kClientListVars, &rows));
        engineColumn.push_back(TimeEngineWalk(address, port, macOnly, &columnRows));
        toolTable.push_back(TimeSnmpwalk(endpoint, kClientEntry, &toolLines));
        toolColumn.push_back(TimeSnmpwalk(endpoint, kClientMacColumn, &toolColumnLines));
    }
    std::printf("client table of one device, %d clients, median of %d rounds\n", clients, rounds);
    std::printf("  whole table:  SnmpRequest %8.2f ms (%d rows of 6 columns)   snmpwalk %8.2f ms (%d values)   "
                "ratio %.2f (shown, no aim)\n",
                Median(engineTable), rows, Median(toolTable), toolLines, Median(engineTable) / Median(toolTable));
    std::printf("P1: one column of %d rows: SnmpRequest %.2f ms, snmpwalk %.2f ms (%d values), ratio %.2f (aim <= 1.0)\n",
                columnRows, Median(engineColumn), Median(toolColumn), toolColumnLines,
                Median(engineColumn) / Median(toolColumn));
    SnmpSession::StopSnmp();
    return 0;
}
