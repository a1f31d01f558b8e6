// The Admin page's range table and the DHCP server's static leases of
// nxa-sim: a set of 1 to ...4.10.1.3.1.4.<ID> frees that range row; the static
// lease list follows the static pool when it is refreshed.
#include "mib/Catalogue.h"
#include "support/SimFleet.h"
#include "SnmpTools.h"
#include <gtest/gtest.h>

using TestSupport::SimFleet;

namespace {
const std::string kE = Catalogue::EnterpriseRoot;

class SimAdminDhcp : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        sim_ = std::make_unique<SimFleet>("127.0.157.1", std::vector<std::string>{});
        ASSERT_TRUE(sim_->Ready()) << sim_->Output();
    }
    static void TearDownTestSuite() { sim_.reset(); }
    static std::string Set(const std::string& varbinds) { return SnmpTools::Set(sim_->Target(), varbinds); }
    static std::string Get(const std::string& oids) { return SnmpTools::Get(sim_->Target(), oids); }
    static std::string Walk(const std::string& oid) { return SnmpTools::Walk(sim_->Target(), oid); }
    static inline std::unique_ptr<SimFleet> sim_;
};

TEST_F(SimAdminDhcp, ARangeRowIsFreedByItsDeletionOid) {
    const std::string start = kE + ".4.10.1.3.1.2.", end = kE + ".4.10.1.3.1.3.";
    ASSERT_NE(Set(start + "3 a 192.168.7.1 " + end + "3 a 192.168.7.9").find("192.168.7.9"), std::string::npos);
    EXPECT_EQ(SnmpTools::Rows(Walk(start.substr(0, start.size() - 1)), start.substr(0, start.size() - 1)).size(), 4u);
    // Another value than 1, a row that does not exist, a string: refused, nothing changes.
    EXPECT_NE(Set(kE + ".4.10.1.3.1.4.3 i 2").find("wrongValue"), std::string::npos);
    EXPECT_NE(Set(kE + ".4.10.1.3.1.4.5 i 1").find("notWritable"), std::string::npos);
    EXPECT_NE(Set(kE + ".4.10.1.3.1.4.3 s 1").find("wrongType"), std::string::npos);
    EXPECT_NE(Get(start + "3").find("192.168.7.1"), std::string::npos);
    Set(kE + ".4.10.1.3.1.4.3 i 1");
    EXPECT_NE(Get(start + "3").find("0.0.0.0"), std::string::npos);
    EXPECT_NE(Get(end + "3").find("0.0.0.0"), std::string::npos);
    EXPECT_NE(Get(kE + ".4.10.1.3.1.1.3").find("INTEGER: 3"), std::string::npos);   // the row stays, free
}

TEST_F(SimAdminDhcp, StaticLeasesFollowTheStaticPool) {
    const std::string pool = kE + ".3.1.3.2.1.";
    Set(pool + "4.2 a 192.168.0.60 " + pool + "5.2 x 0010A4000002");
    Set(pool + "4.5 a 192.168.0.61 " + pool + "5.5 x 0010A4000005");
    Set(pool + "4.6 a 192.168.0.62");   // no MAC address: no lease
    Set(kE + ".3.1.4.3.0 i 1");
    const std::string leases = kE + ".3.1.4.4.1";
    const std::string walk = Walk(leases);
    EXPECT_EQ(SnmpTools::Rows(walk, leases + ".4"), (std::vector<std::string>{"1", "2"})) << walk;
    EXPECT_NE(Get(leases + ".4.1").find("192.168.0.60"), std::string::npos);
    EXPECT_NE(Get(leases + ".3.2").find("00 10 A4 00 00 05"), std::string::npos) << Get(leases + ".3.2");
    // A deleted entry leaves the list at the next refresh.
    Set(kE + ".3.1.3.3.0 i 2");
    Set(kE + ".3.1.4.3.0 i 1");
    EXPECT_EQ(SnmpTools::Rows(Walk(leases), leases + ".4"), (std::vector<std::string>{"1"}));
    EXPECT_NE(Get(leases + ".4.1").find("192.168.0.61"), std::string::npos);
}
}  // namespace
