// nxa-sim --forget DEVICES:OID: chosen variables of chosen devices take a set
// (answered as done) and keep their old value; the others keep what is set.
#include "mib/Catalogue.h"
#include "support/SimFleet.h"
#include "support/ToolRun.h"
#include <gtest/gtest.h>

using TestSupport::SimFleet;
using TestSupport::RunTool;

namespace {

const std::string kSsid = std::string(Catalogue::EnterpriseRoot) + ".2.1.3.3.1.1.1.1.1";
const std::string kLocation = "1.3.6.1.2.1.1.6.0";

std::string Tool(const std::string& command) {
    std::string output;
    EXPECT_EQ(RunTool(command, output), 0) << output;
    return output;
}

}  // namespace

TEST(SimForget, sim_AForgetfulVariableAnswersTheSetAndKeepsItsOldValue) {
    // Device 1 forgets the SSID; the location is named without ".0".
    SimFleet sim("127.0.69.1", {"--forget", "1:" + kSsid, "--forget", "all:1.3.6.1.2.1.1.6"}, 2);
    ASSERT_TRUE(sim.Ready()) << sim.Output();
    const std::string before = Tool("snmpget -v2c -c public -Oqv " + sim.Target(1) + " " + kSsid);
    const std::string set = Tool("snmpset -v2c -c private " + sim.Target(1) + " " + kSsid + " s forgotten");
    EXPECT_NE(set.find("forgotten"), std::string::npos) << set;   // answered as done
    EXPECT_EQ(Tool("snmpget -v2c -c public -Oqv " + sim.Target(1) + " " + kSsid), before);
    // The other device keeps it.
    Tool("snmpset -v2c -c private " + sim.Target(2) + " " + kSsid + " s kept");
    EXPECT_NE(Tool("snmpget -v2c -c public -Oqv " + sim.Target(2) + " " + kSsid).find("kept"), std::string::npos);
    // A scalar named without its ".0" is forgotten by every device.
    for (int device : {1, 2}) {
        Tool("snmpset -v1 -c private " + sim.Target(device) + " " + kLocation + " s elsewhere");
        EXPECT_EQ(Tool("snmpget -v1 -c public -Oqv " + sim.Target(device) + " " + kLocation).find("elsewhere"),
                  std::string::npos);
    }
}

TEST(SimForget, sim_BadForgetIsRefused) {
    for (const std::vector<std::string>& extra : std::vector<std::vector<std::string>>{
             {"--forget", "3:" + kSsid}, {"--forget", "all:" + kSsid + ":genErr"}, {"--forget", "all:ssid"}}) {
        SimFleet sim("127.0.69.11", extra, 2);
        EXPECT_FALSE(sim.Ready()) << extra[1];
        EXPECT_NE(sim.Output().find("bad --forget"), std::string::npos) << sim.Output();
    }
}
