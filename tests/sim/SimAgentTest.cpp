// nxa-sim against net-snmp's own tools: walks, sets and error answers.
#include "mib/Catalogue.h"
#include "SecondNumbering.h"
#include "support/SimFleet.h"
#include "support/ToolRun.h"
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <sstream>

using TestSupport::SimFleet;
using TestSupport::RunTool;

namespace {
const std::string kRoot = Catalogue::EnterpriseRoot;

std::vector<std::string> WalkOids(const std::string& output) {
    std::vector<std::string> oids;
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line))
        if (line.rfind(".1.3.6", 0) == 0)
            oids.push_back(line.substr(1, line.find(' ') - 1));
    return oids;
}

std::vector<unsigned long> Arcs(const std::string& oid) {
    std::vector<unsigned long> arcs;
    std::istringstream parts(oid);
    std::string part;
    while (std::getline(parts, part, '.'))
        arcs.push_back(std::stoul(part));
    return arcs;
}

// The OIDs of the catalogue entry: its explicit instances, or the bare OID.
std::vector<std::string> CatalogueOids(const std::string& oid) {
    size_t open = oid.find('{');
    if (open == std::string::npos)
        return {oid};
    std::string base = oid.substr(0, open);
    std::string inner = oid.substr(open + 1, oid.size() - open - 2);
    std::vector<std::string> result;
    size_t range = inner.find("..");
    if (range != std::string::npos) {
        for (int i = std::stoi(inner.substr(0, range)); i <= std::stoi(inner.substr(range + 2)); ++i)
            result.push_back(base + std::to_string(i));
    } else {
        std::istringstream parts(inner);
        std::string part;
        while (std::getline(parts, part, ','))
            result.push_back(base + part);
    }
    return result;
}

class SimAgent : public ::testing::Test {
protected:
    void SetUp() override {
        sim = std::make_unique<SimFleet>("127.0.61.1", std::vector<std::string>{}, 2);
        ASSERT_TRUE(sim->Ready()) << sim->Output();
    }
    std::string Tool(const std::string& command) {
        std::string output;
        lastStatus = RunTool(command, output);
        return output;
    }
    std::unique_ptr<SimFleet> sim;
    int lastStatus = 0;
};
}  // namespace

TEST_F(SimAgent, sim_V1WalkListsEveryCatalogueVariableInOrder) {
    std::string output = Tool("snmpwalk -v1 -c public -On -r1 -t2 " + sim->Target() + " " + kRoot);
    EXPECT_EQ(lastStatus, 0) << output;
    EXPECT_EQ(output.find("Error"), std::string::npos) << output;
    EXPECT_EQ(output.find("Timeout"), std::string::npos) << output;
    std::vector<std::string> oids = WalkOids(output);
    ASSERT_GT(oids.size(), 600u);
    for (size_t i = 1; i < oids.size(); ++i)
        ASSERT_LT(Arcs(oids[i - 1]), Arcs(oids[i])) << "walk out of order at " << oids[i];
    std::set<std::string> walked(oids.begin(), oids.end());
    for (const CatalogueEntry& entry : Catalogue::All()) {
        if (std::string(entry.Oid).rfind(kRoot, 0) != 0)
            continue;
        for (const std::string& oid : CatalogueOids(entry.Oid)) {
            // The variable itself, or instances below it (scalars, table columns).
            if (IsSecondNumbering(oid))
                continue;   // where such an OID is walked, it is a row of the table's own column
            auto it = walked.lower_bound(oid);
            bool found = it != walked.end() && (*it == oid || it->rfind(oid + ".", 0) == 0);
            EXPECT_TRUE(found) << entry.Name << " " << oid << " is missing from the walk";
        }
    }
}

TEST_F(SimAgent, sim_DevicesHaveTheirOwnIdentity) {
    std::string mac = "1.3.6.1.4.1.171.10.37.36.2.1.1.1.1.5.1";
    std::string ip = "1.3.6.1.4.1.171.10.37.36.2.1.1.1.1.2.1";
    std::string first = Tool("snmpget -v2c -c public -On " + sim->Target(1) + " 1.3.6.1.2.1.1.5.0 " + mac + " " + ip +
                             " 1.3.6.1.4.1.171.10.37.36.5.1.1.0");
    std::string second = Tool("snmpget -v2c -c public -On " + sim->Target(2) + " 1.3.6.1.2.1.1.5.0 " + mac + " " + ip);
    EXPECT_NE(first.find("127.0.61.1"), std::string::npos) << first;
    EXPECT_NE(second.find("127.0.61.2"), std::string::npos) << second;
    EXPECT_NE(first.find("STRING: \"1.10\""), std::string::npos) << first;
    EXPECT_NE(first.find("02 4E 58 00 00 01"), std::string::npos) << first;
    EXPECT_NE(second.find("02 4E 58 00 00 02"), std::string::npos) << second;
    EXPECT_NE(first.find("NXA-7310-000001"), std::string::npos) << first;
}

TEST_F(SimAgent, sim_V2cSetOfWritableVariableSticks) {
    std::string ssid = "1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.1.1";
    Tool("snmpset -v2c -c private -On " + sim->Target() + " " + ssid + " s Lobby-AP");
    EXPECT_EQ(lastStatus, 0);
    std::string read = Tool("snmpget -v2c -c public -On " + sim->Target() + " " + ssid);
    EXPECT_NE(read.find("\"Lobby-AP\""), std::string::npos) << read;
    // The other device keeps its own value.
    std::string other = Tool("snmpget -v2c -c public -On " + sim->Target(2) + " " + ssid);
    EXPECT_EQ(other.find("Lobby-AP"), std::string::npos) << other;
}

TEST_F(SimAgent, sim_SetErrorsCarryTheProperStatus) {
    std::string mac = "1.3.6.1.4.1.171.10.37.36.2.1.1.1.1.5.1";
    std::string ssid = "1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.1.1";
    std::string broadcast = "1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.2.1";
    std::string t = sim->Target();
    EXPECT_NE(Tool("snmpset -v2c -c private " + t + " " + mac + " x 001122334455").find("notWritable"), std::string::npos);
    EXPECT_NE(Tool("snmpset -v1 -c private " + t + " " + mac + " x 001122334455").find("noSuchName"), std::string::npos);
    EXPECT_NE(Tool("snmpset -v2c -c private " + t + " " + ssid + " i 5").find("wrongType"), std::string::npos);
    EXPECT_NE(Tool("snmpset -v1 -c private " + t + " " + ssid + " i 5").find("badValue"), std::string::npos);
    EXPECT_NE(Tool("snmpset -v2c -c private " + t + " " + broadcast + " i 7").find("wrongValue"), std::string::npos);
    EXPECT_NE(Tool("snmpset -v2c -c public " + t + " " + ssid + " s x").find("noAccess"), std::string::npos);
    EXPECT_NE(Tool("snmpset -v2c -c private " + t + " " + kRoot + ".9.9.9.0 i 1").find("notWritable"), std::string::npos);
    // A failed varbind leaves the others of the request unwritten.
    Tool("snmpset -v2c -c private " + t + " " + ssid + " s Changed " + broadcast + " i 7");
    EXPECT_EQ(Tool("snmpget -v2c -c public " + t + " " + ssid).find("Changed"), std::string::npos);
}

TEST_F(SimAgent, sim_UnknownOidsAnswerAsTheVersionRequires) {
    std::string t = sim->Target();
    EXPECT_NE(Tool("snmpget -v1 -c public " + t + " " + kRoot + ".9.9.0").find("noSuchName"), std::string::npos);
    EXPECT_NE(Tool("snmpget -v2c -c public " + t + " " + kRoot + ".9.9.0").find("No Such Object"), std::string::npos);
    EXPECT_NE(Tool("snmpget -v2c -c public " + t + " " + kRoot + ".2.1.1.1.1.5.7").find("No Such Instance"), std::string::npos);
    EXPECT_NE(Tool("snmpgetnext -v2c -c public " + t + " " + kRoot + ".9").find("No more variables"), std::string::npos);
    EXPECT_NE(Tool("snmpgetnext -v1 -c public " + t + " " + kRoot + ".9").find("noSuchName"), std::string::npos);
    EXPECT_NE(Tool("snmpget -v2c -c public " + t + " 1.3.6.1.2.1.1.1.0").find("NXA-7310"), std::string::npos);
}

TEST_F(SimAgent, sim_UnknownCommunityIsDropped) {
    std::string output = Tool("snmpget -v2c -c nobody -r0 -t1 " + sim->Target() + " 1.3.6.1.2.1.1.5.0");
    EXPECT_NE(output.find("Timeout"), std::string::npos) << output;
    output = Tool("snmpget -v2c -c public -r0 -t2 " + sim->Target() + " 1.3.6.1.2.1.1.5.0");
    EXPECT_NE(output.find("NXA-7310"), std::string::npos) << output;
}

TEST_F(SimAgent, sim_GetBulkAndScalarSpellings) {
    std::string t = sim->Target();
    std::string bulk = Tool("snmpbulkwalk -v2c -c public -On " + t + " " + kRoot + ".2.1.3.3.2.3.3.1.2");
    EXPECT_EQ(WalkOids(bulk).size(), 256u);
    EXPECT_NE(bulk.find("00 00 00 00 00 00"), std::string::npos);
    // deviceRestart is asked for with or without ".0".
    EXPECT_NE(Tool("snmpget -v2c -c public " + t + " " + kRoot + ".4.2.1").find("INTEGER: 0"), std::string::npos);
    EXPECT_NE(Tool("snmpget -v2c -c public " + t + " " + kRoot + ".4.2.1.0").find("INTEGER: 0"), std::string::npos);
}
