// nxa-sim's SNMPv3 users with authentication and privacy.
#include "support/SimFleet.h"
#include "support/ToolRun.h"
#include <gtest/gtest.h>

using TestSupport::SimFleet;
using TestSupport::RunTool;

namespace {
std::string V3(const std::string& tool, const std::string& user, const std::string& auth, const std::string& priv,
               const std::string& authPass = "authpass123") {
    std::string level = priv.empty() ? "authNoPriv" : "authPriv";
    std::string command = tool + " -v3 -r1 -t2 -l " + level + " -u " + user + " -a " + auth + " -A " + authPass;
    if (!priv.empty())
        command += " -x " + priv + " -X privpass123";
    return command;
}
}  // namespace

TEST(SimV3, sim_AuthPrivShaAesAndMd5DesWork) {
    SimFleet sim("127.0.62.1", {});
    ASSERT_TRUE(sim.Ready()) << sim.Output();
    std::string output;
    RunTool(V3("snmpget", "nxaSha", "SHA", "AES") + " " + sim.Target() + " 1.3.6.1.2.1.1.5.0", output);
    EXPECT_NE(output.find("NXA-7310-000001"), std::string::npos) << output;
    RunTool(V3("snmpget", "nxaMd5", "MD5", "DES") + " " + sim.Target() + " 1.3.6.1.2.1.1.5.0", output);
    EXPECT_NE(output.find("NXA-7310-000001"), std::string::npos) << output;
    RunTool(V3("snmpget", "nxaAuth", "SHA", "") + " " + sim.Target() + " 1.3.6.1.2.1.1.5.0", output);
    EXPECT_NE(output.find("NXA-7310-000001"), std::string::npos) << output;

    RunTool(V3("snmpset", "nxaSha", "SHA", "AES") + " " + sim.Target() + " 1.3.6.1.2.1.1.6.0 s Roof", output);
    RunTool("snmpget -v2c -c public " + sim.Target() + " 1.3.6.1.2.1.1.6.0", output);
    EXPECT_NE(output.find("Roof"), std::string::npos) << output;
}

TEST(SimV3, sim_WrongPassPhraseAndReadOnlyUserAreRefused) {
    SimFleet sim("127.0.62.11", {});
    ASSERT_TRUE(sim.Ready()) << sim.Output();
    std::string output;
    RunTool(V3("snmpget", "nxaSha", "SHA", "AES", "not-the-pass") + " " + sim.Target() + " 1.3.6.1.2.1.1.5.0", output);
    EXPECT_EQ(output.find("NXA-7310"), std::string::npos) << output;
    RunTool(V3("snmpset", "nxaReader", "SHA", "AES") + " " + sim.Target() + " 1.3.6.1.2.1.1.6.0 s x", output);
    EXPECT_NE(output.find("noAccess"), std::string::npos) << output;
    RunTool(V3("snmpget", "nobody1", "SHA", "AES") + " " + sim.Target() + " 1.3.6.1.2.1.1.5.0", output);
    EXPECT_EQ(output.find("NXA-7310"), std::string::npos) << output;
}

TEST(SimV3, sim_UsersFromTheCommandLine) {
    SimFleet sim("127.0.62.21", {"--v3-user", "ops:SHA:opsauth123:AES:opspriv123"});
    ASSERT_TRUE(sim.Ready()) << sim.Output();
    std::string output;
    RunTool("snmpget -v3 -r1 -t2 -l authPriv -u ops -a SHA -A opsauth123 -x AES -X opspriv123 " + sim.Target() + " 1.3.6.1.2.1.1.5.0", output);
    EXPECT_NE(output.find("NXA-7310"), std::string::npos) << output;
    // The default users are replaced.
    RunTool(V3("snmpget", "nxaSha", "SHA", "AES") + " " + sim.Target() + " 1.3.6.1.2.1.1.5.0", output);
    EXPECT_EQ(output.find("NXA-7310"), std::string::npos) << output;
}
