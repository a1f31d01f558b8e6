// bench_sim: starts nxa-sim with one device on 127.0.90.1 and measures how many
// GET and GETNEXT requests it answers per second (one outstanding request at a
// time, net-snmp's single-session client API). P4: net-snmp's own agent,
// snmpd, started on 127.0.0.1 with a minimal configuration that serves the
// same variable, answers the same GET from the same client (BM_GetSnmpd);
// the two rates and their ratio are printed.
#include "support/ChildProcess.h"
#include "support/FreePort.h"
#include "support/SimFleet.h"
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <thread>

namespace {
const char* kAddress = "127.0.90.1";
const char* kGetOid = ".1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.1.1";
void* gSession = nullptr;
void* gSnmpdSession = nullptr;
// Requests per second of the last (final) run of each benchmark.
std::map<std::string, double> gRates;

void InitLibrary() {
    setenv("MIBS", "", 1);
    setenv("MIBDIRS", "", 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    snmp_disable_log();
    init_snmp("bench_sim");
}

void* OpenSession(const char* address, int port) {
    netsnmp_session session;
    snmp_sess_init(&session);
    std::string peer = std::string("udp:") + address + ":" + std::to_string(port);
    session.peername = peer.data();
    session.version = SNMP_VERSION_2c;
    static char community[] = "public";
    session.community = reinterpret_cast<u_char*>(community);
    session.community_len = 6;
    session.timeout = 1000000;
    session.retries = 2;
    return snmp_sess_open(&session);
}

// True once the agent answers the GET (at most `seconds`).
bool Answers(void* session, int seconds) {
    oid name[MAX_OID_LEN];
    size_t length = MAX_OID_LEN;
    read_objid(kGetOid, name, &length);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() < deadline) {
        netsnmp_pdu* pdu = snmp_pdu_create(SNMP_MSG_GET);
        snmp_add_null_var(pdu, name, length);
        netsnmp_pdu* response = nullptr;
        const int status = snmp_sess_synch_response(session, pdu, &response);
        const bool ok = status == STAT_SUCCESS && response && response->errstat == SNMP_ERR_NOERROR &&
                        response->variables && response->variables->type == ASN_OCTET_STR;
        if (response)
            snmp_free_pdu(response);
        if (ok)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
}

// net-snmp's agent on 127.0.0.1: only its own configuration file (-C -c),
// which lets "public" read and serves the GET's variable with a fixed value.
class Snmpd {
public:
    bool Start() {
        port_ = TestSupport::FreeUdpPort("127.0.0.1");
        if (!dir_.isValid() || port_ == 0)
            return false;
        const QString config = dir_.filePath(QStringLiteral("snmpd.conf"));
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
            return false;
        file.write("rocommunity public 127.0.0.1\n"
                   "dontLogTCPWrappersConnects yes\n");
        file.write(QStringLiteral("override %1 octet_str \"NXA-7310\"\n").arg(QLatin1String(kGetOid)).toUtf8());
        file.close();
        // snmpd lives in an sbin folder, which a user's PATH may lack.
        QString program = QStandardPaths::findExecutable(QStringLiteral("snmpd"));
        if (program.isEmpty())
            program = QStandardPaths::findExecutable(QStringLiteral("snmpd"),
                                                     {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/local/sbin")});
        if (program.isEmpty())
            return false;
        return process_.Start(program,
                              {QStringLiteral("-f"), QStringLiteral("-Lo"), QStringLiteral("-C"), QStringLiteral("-c"),
                               config, QStringLiteral("udp:127.0.0.1:%1").arg(port_)},
                              {QStringLiteral("SNMP_PERSISTENT_DIR=") + dir_.path(), QStringLiteral("MIBS=")});
    }
    int Port() const { return port_; }
    std::string Output() const { return process_.Output(); }

private:
    QTemporaryDir dir_;
    TestSupport::ChildProcess process_;
    uint16_t port_ = 0;
};

void Request(benchmark::State& state, void* session, int command, const char* oidText, const char* label) {
    oid name[MAX_OID_LEN];
    size_t length = MAX_OID_LEN;
    read_objid(oidText, name, &length);
    int64_t failures = 0;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        netsnmp_pdu* pdu = snmp_pdu_create(command);
        snmp_add_null_var(pdu, name, length);
        netsnmp_pdu* response = nullptr;
        int status = snmp_sess_synch_response(session, pdu, &response);
        if (status != STAT_SUCCESS || !response || response->errstat != SNMP_ERR_NOERROR)
            ++failures;
        if (response)
            snmp_free_pdu(response);
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (elapsed.count() > 0)
        gRates[label] = static_cast<double>(state.iterations()) / elapsed.count();
    state.counters["requests_per_s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["failures"] = static_cast<double>(failures);
}

void BM_Get(benchmark::State& state) { Request(state, gSession, SNMP_MSG_GET, kGetOid, "get"); }
void BM_GetNext(benchmark::State& state) {
    Request(state, gSession, SNMP_MSG_GETNEXT, ".1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.3.3.1.2.1.100", "getnext");
}
void BM_GetSnmpd(benchmark::State& state) { Request(state, gSnmpdSession, SNMP_MSG_GET, kGetOid, "snmpd"); }
BENCHMARK(BM_Get)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_GetNext)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_GetSnmpd)->UseRealTime()->MinTime(2.0);
}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    TestSupport::SimFleet sim;
    if (!sim.Start(QString::fromLatin1(kAddress))) {
        std::fprintf(stderr, "bench_sim: nxa-sim did not start\n%s", sim.Output().c_str());
        return 1;
    }
    Snmpd snmpd;
    if (!snmpd.Start()) {
        std::fprintf(stderr, "bench_sim: snmpd did not start\n%s", snmpd.Output().c_str());
        return 1;
    }
    InitLibrary();
    gSession = OpenSession(kAddress, sim.Port());
    gSnmpdSession = OpenSession("127.0.0.1", snmpd.Port());
    if (!gSession || !gSnmpdSession) {
        std::fprintf(stderr, "bench_sim: cannot open an SNMP session\n");
        return 1;
    }
    if (!Answers(gSnmpdSession, 20)) {
        std::fprintf(stderr, "bench_sim: snmpd does not answer the GET\n%s", snmpd.Output().c_str());
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (gRates.count("get") && gRates.count("snmpd"))
        std::printf("P4: GET answered per second, one at a time by the same client: nxa-sim %.0f, snmpd %.0f, "
                    "ratio %.2f (aim: shown beside snmpd)\n",
                    gRates["get"], gRates["snmpd"], gRates["get"] / gRates["snmpd"]);
    snmp_sess_close(gSession);
    snmp_sess_close(gSnmpdSession);
    return 0;
}
