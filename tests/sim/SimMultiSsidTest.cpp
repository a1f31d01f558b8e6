// The Multi-SSID tables of nxa-sim: rows 1 to 8, row 1 being the primary SSID
// (its cells are the primary SSID's own variables), rows 2 to 8 the seven
// additional SSIDs.
#include "mib/Catalogue.h"
#include "support/SimFleet.h"
#include "support/ToolRun.h"
#include "SnmpTools.h"
#include <gtest/gtest.h>
#include <sstream>

using TestSupport::SimFleet;

namespace {
const std::string kE = Catalogue::EnterpriseRoot;
const std::string kSsidTable = kE + ".3.3.3.1";
const std::string kRadiusTable = kE + ".3.3.4.1";
const std::string kAccountingTable = kE + ".3.3.5.1";
const std::string kPrimarySsid = kE + ".2.1.3.3.1.1.1.1.1";
const std::string kPrimaryAuthentication = kE + ".2.1.3.3.2.1.1.1.1";
const std::string kPrimaryRadiusServer = kE + ".2.1.3.3.2.1.1.8.1";
const std::string kPrimaryAccountingPort = kE + ".2.1.3.3.2.1.1.16.1";

// "row value" for each line of a walk of column.
std::vector<std::string> Column(const std::string& output, const std::string& column) {
    std::vector<std::string> rows;
    std::istringstream lines(output);
    std::string line;
    const std::string prefix = "." + column + ".";
    while (std::getline(lines, line)) {
        if (line.rfind(prefix, 0) != 0)
            continue;
        std::string row = line.substr(prefix.size(), line.find(' ') - prefix.size());
        std::string value = line.substr(line.find(": ") == std::string::npos ? line.size() : line.find(": ") + 2);
        rows.push_back(row + " " + value);
    }
    return rows;
}

class SimMultiSsid : public ::testing::Test {
protected:
    void SetUp() override {
        sim = std::make_unique<SimFleet>("127.0.69.1", std::vector<std::string>{}, 2);
        ASSERT_TRUE(sim->Ready()) << sim->Output();
    }
    std::string Walk(const std::string& column, int device = 1) { return SnmpTools::Walk(sim->Target(device), column); }
    std::string Get(const std::string& oids, int device = 1) { return SnmpTools::Get(sim->Target(device), oids); }
    std::string Set(const std::string& varbinds, int device = 1) { return SnmpTools::Set(sim->Target(device), varbinds); }
    std::unique_ptr<SimFleet> sim;
};
}  // namespace

TEST_F(SimMultiSsid, sim_RowsOneToEightWithThePrimaryFirst) {
    std::vector<std::string> index = Column(Walk(kSsidTable + ".1"), kSsidTable + ".1");
    EXPECT_EQ(index, (std::vector<std::string>{"1 1", "2 2", "3 3", "4 4", "5 5", "6 6", "7 7", "8 8"}));
    std::vector<std::string> ssids = Column(Walk(kSsidTable + ".3"), kSsidTable + ".3");
    EXPECT_EQ(ssids, (std::vector<std::string>{"1 \"nxa7310\"", "2 \"nxa7310-1\"", "3 \"nxa7310-2\"", "4 \"nxa7310-3\"",
                                               "5 \"nxa7310-4\"", "6 \"nxa7310-5\"", "7 \"nxa7310-6\"", "8 \"nxa7310-7\""}));
    std::vector<std::string> states = Column(Walk(kSsidTable + ".2"), kSsidTable + ".2");
    ASSERT_EQ(states.size(), 8u);
    EXPECT_EQ(states[0], "1 1") << "the primary SSID is on";
    EXPECT_EQ(states[1], "2 0");
    for (const std::string& table : {kRadiusTable, kAccountingTable}) {
        std::vector<std::string> rows = Column(Walk(table + ".1"), table + ".1");
        EXPECT_EQ(rows.size(), 8u) << table;
    }
}

TEST_F(SimMultiSsid, sim_RowOneIsThePrimarySsid) {
    // Written through the Multi-SSID table, read as the primary SSID ...
    std::string out = Set(kSsidTable + ".3.1 s Front-desk " + kSsidTable + ".5.1 i 6 " + kRadiusTable + ".2.1 a 127.0.0.5");
    EXPECT_NE(out.find("Front-desk"), std::string::npos) << out;
    out = Get(kPrimarySsid + " " + kPrimaryAuthentication + " " + kPrimaryRadiusServer);
    EXPECT_NE(out.find(kPrimarySsid + " = STRING: \"Front-desk\""), std::string::npos) << out;
    EXPECT_NE(out.find(kPrimaryAuthentication + " = INTEGER: 6"), std::string::npos) << out;
    EXPECT_NE(out.find(kPrimaryRadiusServer + " = IpAddress: 127.0.0.5"), std::string::npos) << out;
    // ... and the other way round, also for a walk.
    Set(kPrimarySsid + " s Lobby " + kPrimaryAccountingPort + " i 1814");
    std::vector<std::string> ssids = Column(Walk(kSsidTable + ".3"), kSsidTable + ".3");
    ASSERT_EQ(ssids.size(), 8u);
    EXPECT_EQ(ssids[0], "1 \"Lobby\"");
    out = Get(kAccountingTable + ".4.1 " + kAccountingTable + ".4.2");
    EXPECT_NE(out.find(kAccountingTable + ".4.1 = INTEGER: 1814"), std::string::npos) << out;
    EXPECT_EQ(out.find(kAccountingTable + ".4.2 = INTEGER: 1814"), std::string::npos) << out;
    // An additional SSID is its own; the other device keeps its primary SSID.
    Set(kSsidTable + ".3.3 s Guests");
    out = Get(kPrimarySsid + " " + kSsidTable + ".3.3");
    EXPECT_NE(out.find(kPrimarySsid + " = STRING: \"Lobby\""), std::string::npos) << out;
    EXPECT_NE(out.find(kSsidTable + ".3.3 = STRING: \"Guests\""), std::string::npos) << out;
    out = Get(kSsidTable + ".3.1", 2);
    EXPECT_NE(out.find("\"nxa7310\""), std::string::npos) << out;
}

TEST_F(SimMultiSsid, sim_RowOneKeepsThePrimarysRules) {
    // The primary SSID's value map holds for row 1's authentication: 11 is no authentication.
    std::string out = Set(kSsidTable + ".5.1 i 11");
    EXPECT_NE(out.find("wrongValue"), std::string::npos) << out;
    out = Get(kPrimaryAuthentication);
    EXPECT_EQ(out.find("INTEGER: 11"), std::string::npos) << out;
}
