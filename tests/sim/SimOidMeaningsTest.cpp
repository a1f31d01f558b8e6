// One meaning per OID: where the catalogue gives an object of the radio
// table several meanings, the kept one (src/mib/OidMeanings) is what every
// descriptor table asks for, what a running nxa-sim answers at every
// instance, and what the MIB module mib/NXA7310-MIB.txt defines.
#include "mib/MibTables.h"
#include "mib/OidMeanings.h"
#include "support/SimFleet.h"
#include "support/ToolRun.h"
#include "snmp/SnmpSyntax.h"
#include <gtest/gtest.h>
#include <sstream>

using TestSupport::SimFleet;
using TestSupport::RunTool;

namespace {
bool IsText(int32_t syntax) {
    return syntax == SnmpSyntax::DisplayString;
}

}  // namespace

TEST(SimOidMeanings, sim_EveryTableAsksForTheKeptMeaning) {
    int records = 0;
    for (const MibTableInfo& info : MibTables::All())
        for (const MibVariable* v = info.Table; v->Oid; ++v) {
            const OidMeaning* meaning = OidMeanings::Of(v->Oid);
            if (!meaning)
                continue;
            ++records;
            EXPECT_TRUE(OidMeanings::Names(*meaning, v->Name))
                << info.Name << ": " << v->Name << " at " << v->Oid << ", which is " << meaning->Name;
            EXPECT_EQ(v->Syntax, meaning->Syntax) << info.Name << ": " << v->Name << " at " << v->Oid;
        }
    EXPECT_GT(records, 10);
    // The rate is read at ...11.1 and nowhere at ...8.1 (the WDS channel list).
    for (const MibTableInfo& info : MibTables::All())
        for (const MibVariable* v = info.Table; v->Oid; ++v)
            if (std::string(v->Name) == "dot11DataRate") {
                EXPECT_EQ(std::string(v->Oid), "1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.11.1") << info.Name;
            }
}

TEST(SimOidMeanings, sim_DeviceAnswersEveryInstanceWithTheKeptMeaning) {
    SimFleet sim("127.0.73.1", {});
    ASSERT_TRUE(sim.Ready()) << sim.Output();
    for (const OidMeaning& meaning : OidMeanings::All()) {
        SCOPED_TRACE(meaning.Name);
        std::string walk;
        RunTool("snmpwalk -v2c -c public -On -r1 -t5 " + sim.Target() + " " + meaning.Oid, walk);
        std::istringstream lines(walk);
        std::string line;
        int instances = 0;
        while (std::getline(lines, line)) {
            if (line.rfind("." + std::string(meaning.Oid) + ".", 0) != 0)
                continue;
            ++instances;
            const bool text = line.find(" = STRING: ") != std::string::npos || line.find(" = \"\"") != std::string::npos;
            const bool number = line.find(" = INTEGER: ") != std::string::npos;
            EXPECT_TRUE(IsText(meaning.Syntax) ? text : number) << line;
        }
        EXPECT_GE(instances, 1) << walk;
    }
    // A rate written at ...11.1 is the rate; the WDS channel list at ...8.1 is not writable.
    std::string out;
    const std::string radio = "1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.";
    RunTool("snmpset -v2c -c private -On -r1 -t5 " + sim.Target() + " " + radio + "11.1 s 54", out);
    EXPECT_NE(out.find("STRING: \"54\""), std::string::npos) << out;
    RunTool("snmpset -v2c -c private -On -r1 -t5 " + sim.Target() + " " + radio + "8.1 s 54", out);
    EXPECT_NE(out.find("notWritable"), std::string::npos) << out;
    RunTool("snmpset -v2c -c private -On -r1 -t5 " + sim.Target() + " " + radio + "31.1 i 64", out);
    EXPECT_NE(out.find("INTEGER: 64"), std::string::npos) << out;
}

TEST(SimOidMeanings, sim_MibModuleDefinesTheKeptMeaning) {
    const std::string mibs = std::string(NXA_MIB_DIR) + ":" + NXA_MIB_DIR + "/base";
    for (const OidMeaning& meaning : OidMeanings::All()) {
        SCOPED_TRACE(meaning.Name);
        std::string out;
        ASSERT_EQ(RunTool("snmptranslate -M " + mibs + " -m NXA7310-MIB -IR -On " + meaning.Name, out), 0) << out;
        EXPECT_EQ(out, "." + std::string(meaning.Oid) + "\n");
        RunTool("snmptranslate -M " + mibs + " -m NXA7310-MIB -IR -Td " + meaning.Name, out);
        const bool text = out.find("DisplayString") != std::string::npos;
        const bool number = out.find("SYNTAX\tINTEGER") != std::string::npos || out.find("SYNTAX\tInteger32") != std::string::npos;
        EXPECT_TRUE(IsText(meaning.Syntax) ? text : number) << out;
    }
}
