// bench_sim: starts nxa-sim with one device on 127.0.90.1 and measures how many
// GET and GETNEXT requests it answers per second (one outstanding request at a
// time, net-snmp's single-session client API).
#include "support/SimFleet.h"
#include <benchmark/benchmark.h>
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <cstdio>
#include <string>

namespace {
const char* kAddress = "127.0.90.1";
void* gSession = nullptr;

bool OpenSession(int port) {
    setenv("MIBS", "", 1);
    setenv("MIBDIRS", "", 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    snmp_disable_log();
    init_snmp("bench_sim");
    netsnmp_session session;
    snmp_sess_init(&session);
    std::string peer = std::string("udp:") + kAddress + ":" + std::to_string(port);
    session.peername = peer.data();
    session.version = SNMP_VERSION_2c;
    static char community[] = "public";
    session.community = reinterpret_cast<u_char*>(community);
    session.community_len = 6;
    session.timeout = 1000000;
    session.retries = 2;
    gSession = snmp_sess_open(&session);
    return gSession != nullptr;
}

void Request(benchmark::State& state, int command, const char* oidText) {
    oid name[MAX_OID_LEN];
    size_t length = MAX_OID_LEN;
    read_objid(oidText, name, &length);
    int64_t failures = 0;
    for (auto _ : state) {
        netsnmp_pdu* pdu = snmp_pdu_create(command);
        snmp_add_null_var(pdu, name, length);
        netsnmp_pdu* response = nullptr;
        int status = snmp_sess_synch_response(gSession, pdu, &response);
        if (status != STAT_SUCCESS || !response || response->errstat != SNMP_ERR_NOERROR)
            ++failures;
        if (response)
            snmp_free_pdu(response);
    }
    state.counters["requests_per_s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["failures"] = static_cast<double>(failures);
}

void BM_Get(benchmark::State& state) {
    Request(state, SNMP_MSG_GET, ".1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.1.1");
}
void BM_GetNext(benchmark::State& state) {
    Request(state, SNMP_MSG_GETNEXT, ".1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.3.3.1.2.1.100");
}
BENCHMARK(BM_Get)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_GetNext)->UseRealTime()->MinTime(2.0);
}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    TestSupport::SimFleet sim;
    if (!sim.Start(QString::fromLatin1(kAddress))) {
        std::fprintf(stderr, "bench_sim: nxa-sim did not start\n%s", sim.Output().c_str());
        return 1;
    }
    if (!OpenSession(sim.Port())) {
        std::fprintf(stderr, "bench_sim: cannot open an SNMP session\n");
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    snmp_sess_close(gSession);
    return 0;
}
