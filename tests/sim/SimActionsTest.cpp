// The action variables of nxa-sim and their effects on tables and state.
#include "support/SimFleet.h"
#include "support/ToolRun.h"
#include <gtest/gtest.h>
#include <sstream>

using TestSupport::SimFleet;
using TestSupport::RunTool;

namespace {
const std::string kE = "1.3.6.1.4.1.171.10.37.36";

int CountLines(const std::string& output, const std::string& prefix) {
    std::istringstream lines(output);
    std::string line;
    int count = 0;
    while (std::getline(lines, line))
        count += line.rfind(prefix, 0) == 0;
    return count;
}

class SimActions : public ::testing::Test {
protected:
    std::string Get(const std::string& oids) {
        std::string output;
        RunTool("snmpget -v2c -c public -On -r1 -t2 " + sim->Target() + " " + oids, output);
        return output;
    }
    std::string Set(const std::string& args) {
        std::string output;
        RunTool("snmpset -v2c -c private -On -r0 -t2 " + sim->Target() + " " + args, output);
        return output;
    }
    std::string Walk(const std::string& oid) {
        std::string output;
        RunTool("snmpwalk -v2c -c public -On -r1 -t2 " + sim->Target() + " " + oid, output);
        return output;
    }
    std::unique_ptr<SimFleet> sim;
};
}  // namespace

TEST_F(SimActions, sim_MacAccessListAddDelete) {
    sim = std::make_unique<SimFleet>("127.0.63.1", std::vector<std::string>{});
    ASSERT_TRUE(sim->Ready());
    std::string list = kE + ".2.1.3.3.2.3.3.1.2.1.";
    EXPECT_NE(Get(list + "1").find("00 00 00 00 00 00"), std::string::npos);
    Set(kE + ".2.1.3.3.2.3.2.1.2.1 x 001122334455");
    Set(kE + ".2.1.3.3.2.3.2.1.2.1 x 00AABBCCDDEE");
    Set(kE + ".2.1.3.3.2.3.2.1.2.1 x 001122334455");   // already present: no second entry
    std::string read = Get(list + "1 " + list + "2 " + list + "3");
    EXPECT_NE(read.find(list + "1 = Hex-STRING: 00 11 22 33 44 55"), std::string::npos) << read;
    EXPECT_NE(read.find(list + "2 = Hex-STRING: 00 AA BB CC DD EE"), std::string::npos) << read;
    EXPECT_NE(read.find(list + "3 = Hex-STRING: 00 00 00 00 00 00"), std::string::npos) << read;
    Set(kE + ".2.1.3.3.2.3.2.1.3.1 x 001122334455");
    read = Get(list + "1 " + list + "2");
    EXPECT_NE(read.find(list + "1 = Hex-STRING: 00 AA BB CC DD EE"), std::string::npos) << read;
    EXPECT_NE(read.find(list + "2 = Hex-STRING: 00 00 00 00 00 00"), std::string::npos) << read;
    // The list holds 256 entries; the add variable reads as all zeros.
    EXPECT_NE(Get(kE + ".2.1.3.3.2.3.2.1.2.1").find("00 00 00 00 00 00"), std::string::npos);
    EXPECT_NE(Set(kE + ".2.1.3.3.2.3.2.1.2.1 x 0011223344").find("wrongLength"), std::string::npos);
}

TEST_F(SimActions, sim_ClientRefreshRebuildsTheClientTable) {
    sim = std::make_unique<SimFleet>("127.0.63.11", std::vector<std::string>{"--clients", "7"});
    ASSERT_TRUE(sim->Ready());
    std::string column = "." + kE + ".2.1.3.3.4.2.1.2.";
    std::string before = Walk(kE + ".2.1.3.3.4.2.1.2");
    EXPECT_EQ(CountLines(before, column), 7) << before;
    EXPECT_NE(Set(kE + ".2.1.3.3.4.1.1.1.1 i 1").find("INTEGER: 1"), std::string::npos);
    std::string after = Walk(kE + ".2.1.3.3.4.2.1.2");
    EXPECT_EQ(CountLines(after, column), 7) << after;
    EXPECT_NE(before, after);
    EXPECT_EQ(after.find("00 00 00 00 00 00"), std::string::npos);
    // One get-next over the six columns, as the module walks the table, gives row 1 of each.
    std::string columns;
    for (int c = 2; c <= 7; ++c)
        columns += " " + kE + ".2.1.3.3.4.2.1." + std::to_string(c);
    std::string row;
    RunTool("snmpgetnext -v2c -c public -On -r1 -t2 " + sim->Target() + columns, row);
    for (int c = 2; c <= 7; ++c)
        EXPECT_NE(row.find("." + kE + ".2.1.3.3.4.2.1." + std::to_string(c) + ".1 = "), std::string::npos) << row;
    // The refresh variable reads "nothing" again.
    EXPECT_NE(Get(kE + ".2.1.3.3.4.1.1.1.1").find("INTEGER: 0"), std::string::npos);
}

TEST_F(SimActions, sim_RemoteApListAddAndDeleteAll) {
    sim = std::make_unique<SimFleet>("127.0.63.21", std::vector<std::string>{});
    ASSERT_TRUE(sim->Ready());
    Set(kE + ".2.1.3.3.1.2.2.1.1.1 x 0A0B0C0D0E0F");
    EXPECT_NE(Get(kE + ".2.1.3.3.1.2.1.1.2.1.1").find("0A 0B 0C 0D 0E 0F"), std::string::npos);
    Set(kE + ".2.1.3.3.1.2.2.1.3.1 i 1");
    EXPECT_NE(Get(kE + ".2.1.3.3.1.2.1.1.2.1.1").find("00 00 00 00 00 00"), std::string::npos);
}

TEST_F(SimActions, sim_ApplyDiscardAndFactoryReset) {
    sim = std::make_unique<SimFleet>("127.0.63.31", std::vector<std::string>{"--reset-time", "3000"});
    ASSERT_TRUE(sim->Ready());
    std::string band = kE + ".2.1.3.3.1.1.1.34.1";
    std::string mssid = kE + ".3.3.1.1.1.1";
    std::string apMode = kE + ".2.1.3.3.1.1.1.29.1";
    EXPECT_NE(Get(band + " " + mssid + " " + apMode).find(band + " = INTEGER: 0"), std::string::npos);
    Set(band + " i 1 " + mssid + " i 1");
    Set(kE + ".4.2.3 i 1");   // apply
    Set(apMode + " i 3");
    Set(kE + ".4.3.4 i 1");   // discard: back to the applied settings
    std::string read = Get(band + " " + mssid + " " + apMode);
    EXPECT_NE(read.find(band + " = INTEGER: 1"), std::string::npos) << read;
    EXPECT_NE(read.find(mssid + " = INTEGER: 1"), std::string::npos) << read;
    EXPECT_NE(read.find(apMode + " = INTEGER: 1"), std::string::npos) << read;

    EXPECT_NE(Set(kE + ".4.2.2 i 1").find("INTEGER: 1"), std::string::npos);
    std::string silent;
    RunTool("snmpget -v2c -c public -r0 -t0.3 " + sim->Target() + " " + band, silent);
    EXPECT_NE(silent.find("Timeout"), std::string::npos) << silent;
    // Back after the reset time, with factory values.
    std::string back;
    for (int i = 0; i < 40 && back.find("INTEGER") == std::string::npos; ++i)
        RunTool("snmpget -v2c -c public -On -r0 -t0.5 " + sim->Target() + " " + band + " " + mssid, back);
    EXPECT_NE(back.find(band + " = INTEGER: 0"), std::string::npos) << back;
    EXPECT_NE(back.find(mssid + " = INTEGER: 0"), std::string::npos) << back;
}

TEST_F(SimActions, sim_RestartSilencesOnlyThatDevice) {
    sim = std::make_unique<SimFleet>("127.0.63.41", std::vector<std::string>{"--restart-time", "3000"}, 2);
    ASSERT_TRUE(sim->Ready());
    Set(kE + ".2.1.3.3.1.1.1.1.1 s Kept");
    EXPECT_NE(Set(kE + ".4.2.1 i 1").find("INTEGER: 1"), std::string::npos);
    std::string output;
    RunTool("snmpget -v2c -c public -r0 -t0.3 " + sim->Target(1) + " 1.3.6.1.2.1.1.5.0", output);
    EXPECT_NE(output.find("Timeout"), std::string::npos) << output;
    RunTool("snmpget -v2c -c public -r1 -t2 " + sim->Target(2) + " 1.3.6.1.2.1.1.5.0", output);
    EXPECT_NE(output.find("NXA-7310-000002"), std::string::npos) << output;
    std::string back;
    for (int i = 0; i < 40 && back.find("STRING") == std::string::npos; ++i)
        RunTool("snmpget -v2c -c public -r0 -t0.5 " + sim->Target(1) + " " + kE + ".2.1.3.3.1.1.1.1.1", back);
    EXPECT_NE(back.find("Kept"), std::string::npos) << back;
}
