// nxa-sim --fault DEVICES:OID:ERROR[:get|set]: chosen variables of chosen
// devices answer an error status, a v2 exception or nothing; the rest of the
// device and the other devices answer as usual.
#include "mib/Catalogue.h"
#include "support/SimFleet.h"
#include "support/ToolRun.h"
#include <gtest/gtest.h>

using TestSupport::SimFleet;
using TestSupport::RunTool;

namespace {
const std::string kE = Catalogue::EnterpriseRoot;
const std::string kSsid = kE + ".2.1.3.3.1.1.1.1.1";
const std::string kChannel = kE + ".2.1.3.3.1.1.1.3.1";
const std::string kMacColumn = kE + ".2.1.3.3.2.3.3.1.2";   // the MAC access list's address column
const std::string kName = "1.3.6.1.2.1.1.5.0";
const std::string kLocation = "1.3.6.1.2.1.1.6.0";
const std::string kContact = "1.3.6.1.2.1.1.4.0";

class SimVariableFaults : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        sim = new SimFleet("127.0.67.1",
                             {"--fault", "1:" + kLocation + ":genErr",
                              "--fault", "1,3:" + kSsid + ":noAccess:get",
                              "--fault", "all:" + kChannel + ":notWritable:set",
                              "--fault", "2:" + kMacColumn + ":noSuchInstance",
                              "--fault", "2:1.3.6.1.2.1.1.3:noSuchObject:get",
                              "--fault", "3:" + kContact + ":silent",
                              "--fault", "3:" + kE + ".2.1.3.3.1.1.1.9:wrongValue:set"},
                             3);
    }
    static void TearDownTestSuite() {
        delete sim;
        sim = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(sim && sim->Ready()) << (sim ? sim->Output() : ""); }

    static std::string Get(const std::string& version, int device, const std::string& oids, const std::string& timeout = "3") {
        std::string output;
        RunTool("snmpget -v" + version + " -c public -r0 -t" + timeout + " " + sim->Target(device) + " " + oids, output);
        return output;
    }
    static std::string Set(const std::string& version, int device, const std::string& varbinds, const std::string& timeout = "3") {
        std::string output;
        RunTool("snmpset -v" + version + " -c private -r0 -t" + timeout + " " + sim->Target(device) + " " + varbinds, output);
        return output;
    }
    static SimFleet* sim;
};
SimFleet* SimVariableFaults::sim = nullptr;
}  // namespace

TEST_F(SimVariableFaults, sim_FaultedGetAnswersItsErrorInV1AndV2c) {
    for (const char* version : {"1", "2c"}) {
        SCOPED_TRACE(version);
        std::string out = Get(version, 1, kLocation);
        EXPECT_NE(out.find("genError"), std::string::npos) << out;
        EXPECT_NE(out.find("Failed object: iso.3.6.1.2.1.1.6.0"), std::string::npos) << out;
        // The same device's other variables and the other devices' same variable answer.
        out = Get(version, 1, kName);
        EXPECT_NE(out.find("NXA-7310-000001"), std::string::npos) << out;
        out = Get(version, 2, kLocation);
        EXPECT_NE(out.find("iso.3.6.1.2.1.1.6.0 = "), std::string::npos) << out;
        EXPECT_EQ(out.find("Error"), std::string::npos) << out;
    }
    // noAccess is a v2 status: v1 gets its RFC 2576 form, noSuchName.
    std::string out = Get("2c", 3, kSsid);
    EXPECT_NE(out.find("Reason: noAccess"), std::string::npos) << out;
    out = Get("1", 3, kSsid);
    EXPECT_NE(out.find("noSuchName"), std::string::npos) << out;
    out = Get("2c", 2, kSsid);
    EXPECT_NE(out.find("STRING"), std::string::npos) << out;
}

TEST_F(SimVariableFaults, sim_GetOnlyFaultLetsSetsThrough) {
    std::string out = Set("2c", 1, kSsid + " s Lobby");
    EXPECT_NE(out.find("STRING: \"Lobby\""), std::string::npos) << out;
    out = Get("2c", 1, kSsid);
    EXPECT_NE(out.find("noAccess"), std::string::npos) << out;
}

TEST_F(SimVariableFaults, sim_SetFaultAnswersTheSetAndLeavesTheValue) {
    std::string before = Get("2c", 2, kChannel);
    ASSERT_NE(before.find("INTEGER"), std::string::npos) << before;
    std::string out = Set("2c", 2, kChannel + " i 1");
    EXPECT_NE(out.find("notWritable"), std::string::npos) << out;
    out = Set("1", 2, kChannel + " i 1");
    EXPECT_NE(out.find("noSuchName"), std::string::npos) << out;
    EXPECT_EQ(Get("2c", 2, kChannel), before);
    // wrongValue: v1 reads badValue; the 802.11 mode stays as it was.
    const std::string mode = kE + ".2.1.3.3.1.1.1.9.1";
    before = Get("2c", 3, mode);
    out = Set("2c", 3, mode + " i 14");
    EXPECT_NE(out.find("wrongValue"), std::string::npos) << out;
    out = Set("1", 3, mode + " i 14");
    EXPECT_NE(out.find("badValue"), std::string::npos) << out;
    EXPECT_EQ(Get("2c", 3, mode), before);
    // A set of several variables fails as a whole: the location is not written either.
    out = Set("2c", 1, kLocation + " s Attic");
    EXPECT_NE(out.find("genError"), std::string::npos) << out;
    out = Set("2c", 2, kLocation + " s Cellar " + kChannel + " i 1");
    EXPECT_NE(out.find("notWritable"), std::string::npos) << out;
    EXPECT_EQ(Get("2c", 2, kLocation).find("Cellar"), std::string::npos);
}

TEST_F(SimVariableFaults, sim_ExceptionsCoverAPrefixAndWalksPassOverThem) {
    // Every row of the MAC list column answers noSuchInstance.
    std::string out = Get("2c", 2, kMacColumn + ".1.1 " + kMacColumn + ".1.200 " + kName);
    EXPECT_NE(out.find(".1.1 = No Such Instance"), std::string::npos) << out;
    EXPECT_NE(out.find(".1.200 = No Such Instance"), std::string::npos) << out;
    EXPECT_NE(out.find("NXA-7310-000002"), std::string::npos) << out;
    out = Get("1", 2, kMacColumn + ".1.1");
    EXPECT_NE(out.find("noSuchName"), std::string::npos) << out;
    // A set of it: an instance that does not exist cannot be created.
    out = Set("2c", 2, kMacColumn + ".1.1 x 001122334455");
    EXPECT_NE(out.find("noCreation"), std::string::npos) << out;
    // The up-time is not there for a get (noSuchObject) nor for a walk.
    out = Get("2c", 2, "1.3.6.1.2.1.1.3.0");
    EXPECT_NE(out.find("No Such Object"), std::string::npos) << out;
    std::string walk;
    RunTool("snmpwalk -v2c -On -c public -r0 -t3 " + sim->Target(2) + " 1.3.6.1.2.1.1", walk);
    EXPECT_EQ(walk.find("1.3.6.1.2.1.1.3.0"), std::string::npos) << walk;
    EXPECT_NE(walk.find("1.3.6.1.2.1.1.2.0"), std::string::npos) << walk;
    EXPECT_NE(walk.find("1.3.6.1.2.1.1.5.0"), std::string::npos) << walk;
    RunTool("snmpwalk -v2c -On -c public -r0 -t3 " + sim->Target(1) + " 1.3.6.1.2.1.1", walk);
    EXPECT_NE(walk.find("1.3.6.1.2.1.1.3.0"), std::string::npos) << walk;
}

TEST_F(SimVariableFaults, sim_WalkReachingAnErrorStopsWithIt) {
    std::string walk;
    RunTool("snmpwalk -v2c -On -c public -r0 -t3 " + sim->Target(1) + " 1.3.6.1.2.1.1", walk);
    EXPECT_NE(walk.find("1.3.6.1.2.1.1.5.0"), std::string::npos) << walk;
    EXPECT_NE(walk.find("genError"), std::string::npos) << walk;
}

TEST_F(SimVariableFaults, sim_SilentVariableGetsNoAnswerAtAll) {
    std::string out = Get("2c", 3, kContact, "0.5");
    EXPECT_NE(out.find("Timeout"), std::string::npos) << out;
    // A PDU that names it among others is not answered either.
    out = Get("1", 3, kName + " " + kContact, "0.5");
    EXPECT_NE(out.find("Timeout"), std::string::npos) << out;
    out = Set("2c", 3, kContact + " s Ops", "0.5");
    EXPECT_NE(out.find("Timeout"), std::string::npos) << out;
    // A get-next that would return it.
    std::string next;
    RunTool("snmpgetnext -v2c -c public -r0 -t0.5 " + sim->Target(3) + " 1.3.6.1.2.1.1.3.0", next);
    EXPECT_NE(next.find("Timeout"), std::string::npos) << next;
    // The device answers everything else, the other devices this one too.
    out = Get("2c", 3, kName);
    EXPECT_NE(out.find("NXA-7310-000003"), std::string::npos) << out;
    out = Get("2c", 1, kContact);
    EXPECT_NE(out.find("iso.3.6.1.2.1.1.4.0 = "), std::string::npos) << out;
}

TEST(SimVariableFaultOptions, sim_BadFaultsStopTheStart) {
    for (const char* fault : {"1:1.3.6.1.2.1.1.5.0:bogus", "4:1.3.6.1.2.1.1.5.0:genErr", "all:sysName:genErr",
                              "all:1.3.6.1.2.1.1.5.0:genErr:both", "all:1.3.6.1.2.1.1.5.0", "0:1.3.6.1:genErr"}) {
        std::string output;
        EXPECT_NE(RunTool(SimFleet::Binary() + " --devices 3 --base 127.0.67.11 --port 1 --fault " + fault, output), 0) << fault;
        EXPECT_NE(output.find("--fault"), std::string::npos) << output;
    }
}
