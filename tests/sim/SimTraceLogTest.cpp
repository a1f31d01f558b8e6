// The trace line of one request PDU, built from net-snmp's PDU without the network.
#include "mib/Catalogue.h"
#include "sim/DeviceModel.h"
#include "sim/DeviceState.h"
#include "sim/TraceLog.h"
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <gtest/gtest.h>
#include <memory>

namespace {
struct PduDeleter {
    void operator()(netsnmp_pdu* pdu) const { snmp_free_pdu(pdu); }
};
using Pdu = std::unique_ptr<netsnmp_pdu, PduDeleter>;

void Add(netsnmp_pdu* pdu, const std::string& text, u_char type, const void* value, size_t length) {
    OidPath path = Oids::MustParse(text);
    std::vector<oid> ids(path.begin(), path.end());
    snmp_pdu_add_variable(pdu, ids.data(), ids.size(), type, value, length);
}
}  // namespace

TEST(SimTraceLog, sim_LineOfEachPduType) {
    Pdu get(snmp_pdu_create(SNMP_MSG_GET));
    Add(get.get(), "1.3.6.1.2.1.1.5.0", ASN_NULL, nullptr, 0);
    Add(get.get(), "1.3.6.1.2.1.1.6.0", ASN_NULL, nullptr, 0);
    EXPECT_EQ(TraceLog::Line("2026-01-02T03:04:05.006", "127.0.1.1", *get, nullptr),
              "2026-01-02T03:04:05.006\t127.0.1.1\tGET\t1.3.6.1.2.1.1.5.0\t1.3.6.1.2.1.1.6.0");
    Pdu next(snmp_pdu_create(SNMP_MSG_GETNEXT));
    Add(next.get(), "1.3.6.1.4.1", ASN_NULL, nullptr, 0);
    EXPECT_EQ(TraceLog::Line("T", "127.0.1.2", *next, nullptr), "T\t127.0.1.2\tGETNEXT\t1.3.6.1.4.1");
    Pdu bulk(snmp_pdu_create(SNMP_MSG_GETBULK));
    EXPECT_EQ(TraceLog::Line("T", "127.0.1.2", *bulk, nullptr), "T\t127.0.1.2\tGETBULK");
}

TEST(SimTraceLog, sim_SetValuesAsText) {
    auto model = DeviceModel::Build();
    DeviceState state(*model, DeviceIdentity::ForIndex(0, "127.0.1.1", 1161, 0, "1.10"), 2);
    const std::string e = Catalogue::EnterpriseRoot;
    Pdu set(snmp_pdu_create(SNMP_MSG_SET));
    long number = -5;
    Add(set.get(), e + ".2.1.3.3.1.1.1.3.1", ASN_INTEGER, &number, sizeof number);
    u_long ticks = 4000000000ul;
    Add(set.get(), "1.3.6.1.2.1.1.3.0", ASN_TIMETICKS, &ticks, sizeof ticks);
    const u_char ip[] = {192, 168, 0, 50};
    Add(set.get(), e + ".4.3.3.1", ASN_IPADDRESS, ip, sizeof ip);
    std::string text = "a\\b\tc\r\nd";
    Add(set.get(), "1.3.6.1.2.1.1.6.0", ASN_OCTET_STR, text.data(), text.size());
    std::string binary("\x00\x10\xA4", 3);
    Add(set.get(), "1.3.6.1.2.1.1.4.0", ASN_OCTET_STR, binary.data(), binary.size());
    // Printable bytes sent to a MAC address variable, and the same bytes to a text.
    Add(set.get(), e + ".2.1.3.3.2.3.2.1.2.1", ASN_OCTET_STR, "ABCDEF", 6);
    Add(set.get(), e + ".2.1.3.3.1.1.1.1.1", ASN_OCTET_STR, "ABCDEF", 6);
    Add(set.get(), e + ".2.1.3.3.1.1.1.1.1", ASN_OCTET_STR, "", 0);
    const oid target[] = {1, 3, 6, 1, 4, 1, 171};
    Add(set.get(), "1.3.6.1.2.1.1.2.0", ASN_OBJECT_ID, target, sizeof target);
    EXPECT_EQ(TraceLog::Line("T", "127.0.1.1", *set, &state),
              "T\t127.0.1.1\tSET\t" + e + ".2.1.3.3.1.1.1.3.1=-5\t1.3.6.1.2.1.1.3.0=4000000000\t" + e +
                  ".4.3.3.1=192.168.0.50\t1.3.6.1.2.1.1.6.0=a\\\\b\\tc\\r\\nd\t1.3.6.1.2.1.1.4.0=0010A4\t" + e +
                  ".2.1.3.3.2.3.2.1.2.1=414243444546\t" + e + ".2.1.3.3.1.1.1.1.1=ABCDEF\t" + e +
                  ".2.1.3.3.1.1.1.1.1=\t1.3.6.1.2.1.1.2.0=1.3.6.1.4.1.171");
}

TEST(SimTraceLog, sim_TimeHasMilliseconds) {
    std::string now = TraceLog::Now();
    ASSERT_EQ(now.size(), 23u) << now;
    EXPECT_EQ(now[4], '-');
    EXPECT_EQ(now[10], 'T');
    EXPECT_EQ(now[19], '.');
}
