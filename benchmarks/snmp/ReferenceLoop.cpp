// bench_snmp_reference: the reference for the engine's CPU cost per request.
// A minimal loop on net-snmp's own asynchronous API, as the library's
// examples write it: one session per device (snmp_open), one GET of the
// basic-configuration variables sent to every device at once
// (snmp_async_send), then snmp_select_info / select / snmp_read /
// snmp_timeout until every device has answered. The first rounds open the
// way (sessions, ARP-free loopback, the agent's caches, the heap grown to
// its size) and are not counted (--warmup, 1 by default); the process CPU
// time of the other rounds is divided by their requests.
//
//   bench_snmp_reference --base 127.0.92.1 --devices 200 --port PORT [--rounds 5] [--warmup 1]
//
// Prints one line: "reference: DEVICES devices x ROUNDS rounds, cpu US us per
// request, wall MS ms per round, failures N".
#include "mib/QueryTables.h"
#include "snmp/MibVariableList.h"
#include "snmp/SnmpValueText.h"
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <arpa/inet.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

namespace {

int gAnswered = 0;
int gFailed = 0;

int OnResponse(int op, netsnmp_session*, int, netsnmp_pdu* pdu, void*) {
    ++gAnswered;
    if (op != NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE || !pdu || pdu->errstat != SNMP_ERR_NOERROR)
        ++gFailed;
    return 1;
}

double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

double WallSeconds() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// The variables the module's basic-configuration query reads.
std::vector<std::vector<oid>> BasicConfigOids() {
    const MibVariableList list(kBasicConfigVars, MibVariableList::MVT_SV);
    std::vector<std::vector<oid>> oids;
    for (int i = 0; i < list.Count(); ++i) {
        if (!list.IsRequested(i))
            continue;
        const SnmpValueText::SubIds sub = SnmpValueText::ParseOid(list.FullOid(i));
        oids.emplace_back(sub.begin(), sub.end());
    }
    return oids;
}

// One GET to every session; returns when each has answered or timed out.
void Round(const std::vector<netsnmp_session*>& sessions, const std::vector<std::vector<oid>>& oids) {
    gAnswered = 0;
    int sent = 0;
    for (netsnmp_session* s : sessions) {
        netsnmp_pdu* pdu = snmp_pdu_create(SNMP_MSG_GET);
        for (const std::vector<oid>& name : oids)
            snmp_add_null_var(pdu, name.data(), name.size());
        if (snmp_async_send(s, pdu, OnResponse, nullptr) == 0) {
            snmp_free_pdu(pdu);
            ++gFailed;
            continue;
        }
        ++sent;
    }
    while (gAnswered < sent) {
        int fds = 0;
        int block = 1;
        fd_set readable;
        FD_ZERO(&readable);
        timeval timeout{};
        snmp_select_info(&fds, &readable, &timeout, &block);
        const int ready = select(fds, &readable, nullptr, nullptr, block ? nullptr : &timeout);
        if (ready > 0)
            snmp_read(&readable);
        else if (ready == 0)
            snmp_timeout();
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::string base = "127.0.92.1";
    int devices = 200;
    int rounds = 5;
    int warmup = 1;
    int port = 161;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--help" || a == "-h") {
            std::printf("usage: bench_snmp_reference --base ADDRESS --devices N --port PORT [--rounds N] [--warmup N]\n"
                        "Sends one GET of the basic-configuration variables to N devices on consecutive\n"
                        "addresses at once with net-snmp's asynchronous API, ROUNDS times, and prints the\n"
                        "process CPU time per request (the first WARMUP rounds, 1 by default, not counted).\n");
            return 0;
        }
        if (i + 1 >= argc) {
            std::fprintf(stderr, "bench_snmp_reference: %s needs a value\n", a.c_str());
            return 2;
        }
        const char* v = argv[++i];
        if (a == "--base")
            base = v;
        else if (a == "--devices")
            devices = std::max(1, std::atoi(v));
        else if (a == "--rounds")
            rounds = std::max(2, std::atoi(v));
        else if (a == "--port")
            port = std::atoi(v);
        else if (a == "--warmup")
            warmup = std::max(1, std::atoi(v));
        else {
            std::fprintf(stderr, "bench_snmp_reference: unknown option %s\n", a.c_str());
            return 2;
        }
    }
    if (rounds <= warmup) {
        std::fprintf(stderr, "bench_snmp_reference: --rounds must be more than --warmup\n");
        return 2;
    }
    in_addr first{};
    if (inet_pton(AF_INET, base.c_str(), &first) != 1) {
        std::fprintf(stderr, "bench_snmp_reference: %s is not an IPv4 address\n", base.c_str());
        return 2;
    }

    // As the module's engine: no configuration files, no MIBs, no state.
    setenv("MIBS", "", 1);
    setenv("MIBDIRS", "/dev/null", 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    snmp_disable_log();
    init_snmp("bench_snmp_reference");

    // The module's settings for this query: SNMPv1, "public", 20 s, one retry.
    std::vector<netsnmp_session*> sessions;
    char community[] = "public";
    for (int n = 0; n < devices; ++n) {
        in_addr a{};
        a.s_addr = htonl(ntohl(first.s_addr) + static_cast<uint32_t>(n));
        char text[INET_ADDRSTRLEN] = {};
        inet_ntop(AF_INET, &a, text, sizeof text);
        std::string peer = std::string("udp:") + text + ":" + std::to_string(port);
        netsnmp_session cfg;
        snmp_sess_init(&cfg);
        cfg.peername = peer.data();
        cfg.version = SNMP_VERSION_1;
        cfg.community = reinterpret_cast<u_char*>(community);
        cfg.community_len = std::strlen(community);
        cfg.timeout = 20L * 1000000L;
        cfg.retries = 1;
        netsnmp_session* s = snmp_open(&cfg);
        if (!s) {
            std::fprintf(stderr, "bench_snmp_reference: cannot open a session to %s\n", peer.c_str());
            return 1;
        }
        sessions.push_back(s);
    }
    const std::vector<std::vector<oid>> oids = BasicConfigOids();

    for (int r = 0; r < warmup; ++r)
        Round(sessions, oids);   // not counted
    gFailed = 0;
    const double cpu0 = CpuSeconds();
    const double wall0 = WallSeconds();
    for (int r = warmup; r < rounds; ++r)
        Round(sessions, oids);
    const double cpu = CpuSeconds() - cpu0;
    const double wall = WallSeconds() - wall0;
    const int countedRounds = rounds - warmup;
    std::printf("reference: %d devices x %d rounds, cpu %.1f us per request, wall %.1f ms per round, failures %d\n",
                devices, countedRounds, cpu * 1e6 / (countedRounds * devices), wall * 1e3 / countedRounds, gFailed);
    for (netsnmp_session* s : sessions)
        snmp_close(s);
    snmp_shutdown("bench_snmp_reference");
    return gFailed == 0 ? 0 : 1;
}
