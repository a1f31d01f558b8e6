// PlugSetSnmpSecurity through dlopen against a simulated fleet whose trace
// records each PDU's version and v3 user (--trace-security): the version and
// user given for one address reach that device and no other, a version 1
// record goes back to communities, a wrong pass phrase fails with the
// module's SNMPv3 text, and bad records are refused without a change.
#include "Answers.h"
#include "support/ModuleUnderTest.h"
#include "support/SimFleet.h"
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <cstring>
#include <memory>

using TestSupport::ModuleUnderTest;
using TestSupport::SimFleet;
using TestSupport::WaitUntil;

namespace {

const char* const kBase = "127.0.74.1";

uint32_t AddressOf(const QString& text) {
    in_addr in{};
    inet_pton(AF_INET, text.toLatin1().constData(), &in);
    return in.s_addr;
}

class HostSecurity : public testing::Test {
protected:
    static void SetUpTestSuite() {
        sim = std::make_unique<SimFleet>();
        sim->Start(QString::fromLatin1(kBase), 2,
                   {QStringLiteral("--trace"), sim->PrivateFile(QStringLiteral("trace.tsv")), QStringLiteral("--trace-security")});
    }
    static void TearDownTestSuite() { sim.reset(); }

    void SetUp() override {
        ASSERT_TRUE(m.Loaded()) << m.Error().toStdString();
        ASSERT_TRUE(sim->Ready()) << sim->Output();
        EXPECT_EQ(m.Init(0, 0, 0, nullptr), 0);
        m.SetSnmp(kBase, "public", "private", sim->Port(), 100);
        setSecurity = reinterpret_cast<decltype(&PlugSetSnmpSecurity)>(m.Symbol("PlugSetSnmpSecurity"));
        ASSERT_NE(setSecurity, nullptr);
    }
    void TearDown() override {
        // Every device back to SNMPv1 for the next test.
        for (int n = 1; n <= 2; ++n) {
            SnmpSecurity v1 = Record(n, NXA_SNMP_VERSION_1);
            setSecurity(&v1);
        }
    }

    static SnmpSecurity Record(int device, int32_t version, const char* user = nullptr, int32_t auth = NXA_SNMP_AUTH_NONE,
                               int32_t priv = NXA_SNMP_PRIV_NONE, const char* authPass = nullptr,
                               const char* privPass = nullptr) {
        SnmpSecurity r{};
        r.Size = sizeof r;
        r.Address = AddressOf(sim->Address(device));
        r.Version = version;
        r.AuthProtocol = auth;
        r.PrivProtocol = priv;
        r.UserName = user;
        r.AuthPassphrase = authPass;
        r.PrivPassphrase = privPass;
        return r;
    }

    // The firmware version the module reads from device n ("" when it failed).
    std::string Firmware(int device) {
        char firmware[256];
        std::memset(firmware, 0, sizeof firmware);
        m.GetSystemInfo(sim->Address(device).toLatin1().constData(), firmware, nullptr, nullptr);
        return firmware;
    }

    // The security fields of the trace records of device n since record `from`.
    QStringList SecurityOf(int device, size_t from) const {
        QStringList seen;
        const auto records = sim->Trace();
        for (size_t i = from; i < records.size(); ++i)
            if (records[i].Address == sim->Address(device) && !seen.contains(records[i].Security))
                seen << records[i].Security;
        return seen;
    }

    static std::unique_ptr<SimFleet> sim;
    ModuleUnderTest& m = ModuleUnderTest::Get();
    decltype(&PlugSetSnmpSecurity) setSecurity = nullptr;
};

std::unique_ptr<SimFleet> HostSecurity::sim;

TEST_F(HostSecurity, host_V3UserReachesItsDeviceOnly) {
    SnmpSecurity sha = Record(1, NXA_SNMP_VERSION_3, "nxaSha", NXA_SNMP_AUTH_SHA, NXA_SNMP_PRIV_AES, "authpass123", "privpass123");
    ASSERT_EQ(setSecurity(&sha), 0);
    size_t from = sim->Trace().size();
    EXPECT_FALSE(Firmware(1).empty());
    EXPECT_FALSE(Firmware(2).empty());
    EXPECT_EQ(SecurityOf(1, from), QStringList{QStringLiteral("v3:nxaSha:authPriv")});
    EXPECT_EQ(SecurityOf(2, from), QStringList{QStringLiteral("v1")});

    // The other user, MD5/DES, on the second device; the first keeps its own.
    SnmpSecurity md5 = Record(2, NXA_SNMP_VERSION_3, "nxaMd5", NXA_SNMP_AUTH_MD5, NXA_SNMP_PRIV_DES, "authpass123", "privpass123");
    ASSERT_EQ(setSecurity(&md5), 0);
    from = sim->Trace().size();
    BasicConfigAnswer a;
    m.GetBasicConfigInfor(sim->Address(2).toLatin1().constData(), &BasicConfigAnswer::Callback, "", Context(a));
    ASSERT_TRUE(WaitUntil([&] { return a.Calls > 0; }));
    EXPECT_EQ(a.Result.Status, 0) << a.Result.Message.value_or("");
    EXPECT_FALSE(a.Ssid.empty());
    EXPECT_FALSE(Firmware(1).empty());
    EXPECT_EQ(SecurityOf(2, from), QStringList{QStringLiteral("v3:nxaMd5:authPriv")});
    EXPECT_EQ(SecurityOf(1, from), QStringList{QStringLiteral("v3:nxaSha:authPriv")});
}

TEST_F(HostSecurity, host_AuthenticationWithoutPrivacyAndV2c) {
    SnmpSecurity authOnly = Record(1, NXA_SNMP_VERSION_3, "nxaAuth", NXA_SNMP_AUTH_SHA, NXA_SNMP_PRIV_NONE, "authpass123");
    ASSERT_EQ(setSecurity(&authOnly), 0);
    SnmpSecurity v2c = Record(2, NXA_SNMP_VERSION_2C);
    ASSERT_EQ(setSecurity(&v2c), 0);
    const size_t from = sim->Trace().size();
    EXPECT_FALSE(Firmware(1).empty());
    EXPECT_FALSE(Firmware(2).empty());
    EXPECT_EQ(SecurityOf(1, from), QStringList{QStringLiteral("v3:nxaAuth:authNoPriv")});
    EXPECT_EQ(SecurityOf(2, from), QStringList{QStringLiteral("v2c")});
}

TEST_F(HostSecurity, host_VersionOneGoesBackToCommunities) {
    SnmpSecurity sha = Record(1, NXA_SNMP_VERSION_3, "nxaSha", NXA_SNMP_AUTH_SHA, NXA_SNMP_PRIV_AES, "authpass123", "privpass123");
    ASSERT_EQ(setSecurity(&sha), 0);
    const size_t asV3 = sim->Trace().size();
    EXPECT_FALSE(Firmware(1).empty());
    EXPECT_EQ(SecurityOf(1, asV3), QStringList{QStringLiteral("v3:nxaSha:authPriv")});
    SnmpSecurity v1 = Record(1, NXA_SNMP_VERSION_1);
    ASSERT_EQ(setSecurity(&v1), 0);
    const size_t from = sim->Trace().size();
    EXPECT_FALSE(Firmware(1).empty());
    EXPECT_EQ(SecurityOf(1, from), QStringList{QStringLiteral("v1")});
    // The communities of PlugSetSnmpParameter apply again: a wrong one gets no answer.
    m.SetSnmp(kBase, "nobody", "nobody", sim->Port(), 30);
    EXPECT_TRUE(Firmware(1).empty());
}

TEST_F(HostSecurity, host_WrongPassPhraseFailsWithTheV3Text) {
    SnmpSecurity wrong = Record(1, NXA_SNMP_VERSION_3, "nxaSha", NXA_SNMP_AUTH_SHA, NXA_SNMP_PRIV_AES, "wrongpass123", "privpass123");
    ASSERT_EQ(setSecurity(&wrong), 0);
    BasicConfigAnswer a;
    m.GetBasicConfigInfor(sim->Address(1).toLatin1().constData(), &BasicConfigAnswer::Callback, "", Context(a));
    ASSERT_TRUE(WaitUntil([&] { return a.Calls > 0; }));
    EXPECT_EQ(a.Result.Status, 1);
    EXPECT_EQ(a.Result.Message.value_or(""), "(SNMPv3USM) Authentication failure!");
    EXPECT_TRUE(Firmware(1).empty());
    // The pass phrase is nowhere in what the module showed.
    for (const QString& text : m.Messages)
        EXPECT_FALSE(text.contains(QStringLiteral("wrongpass"))) << text.toStdString();
    // The right one works again for the same user.
    SnmpSecurity right = Record(1, NXA_SNMP_VERSION_3, "nxaSha", NXA_SNMP_AUTH_SHA, NXA_SNMP_PRIV_AES, "authpass123", "privpass123");
    ASSERT_EQ(setSecurity(&right), 0);
    EXPECT_FALSE(Firmware(1).empty());
}

TEST_F(HostSecurity, host_BadRecordsAreRefusedWithoutAChange) {
    SnmpSecurity sha = Record(1, NXA_SNMP_VERSION_3, "nxaSha", NXA_SNMP_AUTH_SHA, NXA_SNMP_PRIV_AES, "authpass123", "privpass123");
    ASSERT_EQ(setSecurity(&sha), 0);
    EXPECT_EQ(setSecurity(nullptr), -1);
    SnmpSecurity small = Record(1, NXA_SNMP_VERSION_1);
    small.Size = NXA_SNMP_SECURITY_SIZE_1 - 8;
    EXPECT_EQ(setSecurity(&small), -1);
    SnmpSecurity noAddress = Record(1, NXA_SNMP_VERSION_1);
    noAddress.Address = 0;
    EXPECT_EQ(setSecurity(&noAddress), -2);
    SnmpSecurity v4 = Record(1, 4);
    EXPECT_EQ(setSecurity(&v4), -3);
    SnmpSecurity noUser = Record(1, NXA_SNMP_VERSION_3, "", NXA_SNMP_AUTH_SHA, NXA_SNMP_PRIV_AES, "authpass123", "privpass123");
    EXPECT_EQ(setSecurity(&noUser), -4);
    SnmpSecurity badAuth = Record(1, NXA_SNMP_VERSION_3, "nxaSha", 9, NXA_SNMP_PRIV_NONE, "authpass123");
    EXPECT_EQ(setSecurity(&badAuth), -5);
    SnmpSecurity privOnly = Record(1, NXA_SNMP_VERSION_3, "nxaSha", NXA_SNMP_AUTH_NONE, NXA_SNMP_PRIV_AES, nullptr, "privpass123");
    EXPECT_EQ(setSecurity(&privOnly), -6);
    SnmpSecurity shortPass = Record(1, NXA_SNMP_VERSION_3, "nxaSha", NXA_SNMP_AUTH_SHA, NXA_SNMP_PRIV_AES, "short", "privpass123");
    EXPECT_EQ(setSecurity(&shortPass), -7);
    SnmpSecurity noPrivPass = Record(1, NXA_SNMP_VERSION_3, "nxaSha", NXA_SNMP_AUTH_SHA, NXA_SNMP_PRIV_AES, "authpass123");
    EXPECT_EQ(setSecurity(&noPrivPass), -7);
    // A later, larger record is read for the fields this module knows.
    struct Larger {
        SnmpSecurity First;
        int32_t Later[4];
    } larger{};
    larger.First = Record(2, NXA_SNMP_VERSION_2C);
    larger.First.Size = sizeof larger;
    EXPECT_EQ(setSecurity(&larger.First), 0);

    const size_t from = sim->Trace().size();
    EXPECT_FALSE(Firmware(1).empty());
    EXPECT_FALSE(Firmware(2).empty());
    EXPECT_EQ(SecurityOf(1, from), QStringList{QStringLiteral("v3:nxaSha:authPriv")});
    EXPECT_EQ(SecurityOf(2, from), QStringList{QStringLiteral("v2c")});
}

}  // namespace
