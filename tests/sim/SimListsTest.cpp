// Lists of nxa-sim: the lists a page fills through an add variable have a
// fixed number of slots and refuse an add when every slot is taken; generated
// tables take their size from --rows, down to nothing found.
#include "mib/Catalogue.h"
#include "support/SimFleet.h"
#include "support/ToolRun.h"
#include "SnmpTools.h"
#include <gtest/gtest.h>
#include <cstdio>

using TestSupport::SimFleet;
using TestSupport::RunTool;

namespace {
const std::string kE = Catalogue::EnterpriseRoot;

int CountRows(const std::string& walk, const std::string& column) {
    return static_cast<int>(SnmpTools::Rows(walk, column).size());
}

class SimLists : public ::testing::Test {
protected:
    void Start(const std::string& address, std::vector<std::string> extra = {}) {
        sim = std::make_unique<SimFleet>(address, std::move(extra));
        ASSERT_TRUE(sim->Ready()) << sim->Output();
    }
    std::string Set(const std::string& varbinds) { return SnmpTools::Set(sim->Target(), varbinds); }
    std::string Get(const std::string& oids) { return SnmpTools::Get(sim->Target(), oids); }
    std::string Walk(const std::string& oid) { return SnmpTools::Walk(sim->Target(), oid); }
    std::unique_ptr<SimFleet> sim;
};

std::string Rule(int n) {
    const std::string r = kE + ".3.9.3.2.";
    return r + "1.0 s rule" + std::to_string(n) + " " + r + "2.0 a 192.168.0." + std::to_string(10 + n) + " " + r +
           "3.0 x 0010A400000" + std::to_string(n % 10) + " " + r + "4.0 i " + std::to_string(100 * n) + " " + r + "5.0 i 64 " +
           r + "6.0 i 1";
}
}  // namespace

TEST_F(SimLists, sim_TrafficRulesRefuseTheNinthRule) {
    Start("127.0.70.1");
    const std::string list = kE + ".3.9.3.3.1.1";
    for (int n = 1; n <= 8; ++n) {
        std::string out = Set(Rule(n));
        ASSERT_EQ(out.find("Error"), std::string::npos) << n << "\n" << out;
    }
    std::string out = Set(Rule(9));
    EXPECT_NE(out.find("resourceUnavailable"), std::string::npos) << out;
    std::string names = Walk(list + ".2");
    EXPECT_EQ(CountRows(names, list + ".2"), 8);
    EXPECT_EQ(names.find("rule9"), std::string::npos) << names;
    EXPECT_NE(names.find(list + ".2.8 = STRING: \"rule8\""), std::string::npos) << names;
    out = Get(list + ".4.3 " + list + ".5.3");
    EXPECT_NE(out.find(list + ".5.3 = INTEGER: 300"), std::string::npos) << out;
    // A listed rule can still be changed when the list is full; a deleted one frees its slot.
    out = Set(kE + ".3.9.3.2.1.0 s rule3 " + kE + ".3.9.3.2.4.0 i 333 " + kE + ".3.9.3.2.6.0 i 1");
    EXPECT_EQ(out.find("Error"), std::string::npos) << out;
    EXPECT_NE(Get(list + ".5.3").find("INTEGER: 333"), std::string::npos);
    out = Set(kE + ".3.9.3.2.1.0 s rule5 " + kE + ".3.9.3.2.6.0 i 0");
    EXPECT_EQ(out.find("Error"), std::string::npos) << out;
    out = Set(Rule(9));
    EXPECT_EQ(out.find("Error"), std::string::npos) << out;
    EXPECT_NE(Get(list + ".2.5").find("\"rule9\""), std::string::npos);
    // The list itself is the device's: it is not written directly.
    EXPECT_NE(Set(list + ".2.1 s other").find("notWritable"), std::string::npos);
}

TEST_F(SimLists, sim_RadiusUsersRefuseTheSeventeenthUser) {
    Start("127.0.70.11");
    const std::string add = kE + ".3.12.1.";
    auto user = [&](int n) {
        return add + "1.0 s user" + std::to_string(n) + " " + add + "2.0 s password" + std::to_string(n) + " " + add + "4.0 i 1 " + add +
               "3.0 i 1";
    };
    for (int n = 1; n <= 16; ++n)
        ASSERT_EQ(Set(user(n)).find("Error"), std::string::npos) << n;
    std::string out = Set(user(17));
    EXPECT_NE(out.find("resourceUnavailable"), std::string::npos) << out;
    // v1 reads it as genErr (RFC 2576).
    std::string v1;
    RunTool("snmpset -v1 -c private -r0 -t5 " + sim->Target() + " " + user(17), v1);
    EXPECT_NE(v1.find("genError"), std::string::npos) << v1;
    const std::string names = kE + ".3.12.2.1.1.2";
    std::string walk = Walk(names);
    EXPECT_EQ(CountRows(walk, names), 16);
    EXPECT_EQ(walk.find("user17"), std::string::npos) << walk;
    EXPECT_NE(walk.find(names + ".16 = STRING: \"user16\""), std::string::npos) << walk;
}

TEST_F(SimLists, sim_SchedulesAreKeyedBySsidAndRefuseANinth) {
    Start("127.0.70.21");
    const std::string s = kE + ".3.10.1.2.";
    auto schedule = [&](int ssid, bool allDay) {
        return s + "1.0 s night" + std::to_string(ssid) + " " + s + "2.0 i 62 " + s + "3.0 i " + (allDay ? "1 " : "0 ") + s +
               "4.0 s 08:00 " + s + "5.0 s 17:30 " + s + "8.0 i " + std::to_string(ssid) + " " + s + "9.0 i 1 " + s + "7.0 i 1";
    };
    for (int ssid = 1; ssid <= 8; ++ssid)
        ASSERT_EQ(Set(schedule(ssid, ssid == 2)).find("Error"), std::string::npos) << ssid;
    std::string out = Set(schedule(9, false));
    EXPECT_NE(out.find("resourceUnavailable"), std::string::npos) << out;
    const std::string list = kE + ".3.10.2.1.1";
    out = Get(list + ".2.1 " + list + ".3.1 " + list + ".4.1 " + list + ".4.2 " + list + ".5.1 " + list + ".6.1 " + list + ".7.1");
    EXPECT_NE(out.find(list + ".2.1 = STRING: \"night1\""), std::string::npos) << out;
    EXPECT_NE(out.find(list + ".3.1 = STRING: \"62\""), std::string::npos) << out;
    EXPECT_NE(out.find(list + ".4.1 = STRING: \"08:00-17:30\""), std::string::npos) << out;
    EXPECT_NE(out.find(list + ".4.2 = STRING: \"All Day(s)\""), std::string::npos) << out;
    EXPECT_NE(out.find(list + ".5.1 = INTEGER: 1"), std::string::npos) << out;
    EXPECT_NE(out.find(list + ".6.1 = INTEGER: 1"), std::string::npos) << out;
    EXPECT_NE(out.find(list + ".7.1 = STRING: \"nxa7310\""), std::string::npos) << out;   // SSID index 1: the primary SSID
    // Delete by SSID index (the name set beside it is another rule's).
    out = Set(s + "8.0 i 4 " + s + "7.0 i 0");
    EXPECT_EQ(out.find("Error"), std::string::npos) << out;
    out = Get(list + ".2.4 " + list + ".6.4");
    EXPECT_NE(out.find(list + ".2.4 = \"\""), std::string::npos) << out;
    EXPECT_EQ(Set(schedule(9, false)).find("Error"), std::string::npos);
}

TEST_F(SimLists, sim_RemoteApListRefusesANinthAddress) {
    Start("127.0.70.31");
    const std::string add = kE + ".2.1.3.3.1.2.2.1.1.1";
    std::string all;
    for (int n = 1; n <= 8; ++n)
        all += " " + add + " x 0A0B0C0D0E0" + std::to_string(n);
    EXPECT_EQ(Set(all).find("Error"), std::string::npos);
    std::string out = Set(add + " x 0A0B0C0D0E09");
    EXPECT_NE(out.find("resourceUnavailable"), std::string::npos) << out;
    EXPECT_EQ(Set(add + " x 0A0B0C0D0E08").find("Error"), std::string::npos) << "an address already listed is no new entry";
    std::string walk = Walk(kE + ".2.1.3.3.1.2.1.1.2");
    EXPECT_NE(walk.find("0A 0B 0C 0D 0E 08"), std::string::npos) << walk;
    EXPECT_EQ(walk.find("0A 0B 0C 0D 0E 09"), std::string::npos) << walk;
}

TEST_F(SimLists, sim_MacAccessListRefusesThe257thAddress) {
    Start("127.0.70.41");
    const std::string add = kE + ".2.1.3.3.2.3.2.1.2.1";
    // Two sets of 128 addresses (snmpset takes at most 128 varbinds).
    for (int part = 0; part < 2; ++part) {
        std::string all;
        char mac[24];
        for (int n = part * 128; n < (part + 1) * 128; ++n) {
            std::snprintf(mac, sizeof mac, "0010A400%04X", n);
            all += " " + add + " x " + mac;
        }
        std::string out = Set(all);
        ASSERT_NE(out.find("00 10 A4 00"), std::string::npos) << out.substr(0, 500);
        EXPECT_EQ(out.find("Error"), std::string::npos) << out.substr(0, 500);
    }
    std::string out = Set(add + " x 0010A4FFFFFF");
    EXPECT_NE(out.find("resourceUnavailable"), std::string::npos) << out;
    EXPECT_NE(Get(kE + ".2.1.3.3.2.3.3.1.2.1.256").find("00 10 A4 00 00 FF"), std::string::npos);
}

TEST_F(SimLists, sim_VlanListHasEightRows) {
    Start("127.0.70.51");
    const std::string vid = kE + ".3.6.1.3.1.2";
    EXPECT_EQ(CountRows(Walk(vid), vid), 8);
    EXPECT_EQ(Set(vid + ".8 i 200 " + kE + ".3.6.1.3.1.3.8 s guests").find("Error"), std::string::npos);
    std::string out = Set(vid + ".9 i 300");
    EXPECT_NE(out.find("noCreation"), std::string::npos) << out;
    // The VLAN page deletes a VLAN by its VID through ...3.5.1.3.1.22.<VID> = 1.
    const std::string deletion = kE + ".3.5.1.3.1.22.";
    EXPECT_NE(Set(deletion + "200 i 2").find("wrongValue"), std::string::npos);
    EXPECT_NE(Set(deletion + "300 i 1").find("noCreation"), std::string::npos) << "no VLAN 300";
    out = Set(deletion + "200 i 1");
    EXPECT_EQ(out.find("Error"), std::string::npos) << out;
    out = Get(vid + ".8 " + kE + ".3.6.1.3.1.3.8");
    EXPECT_NE(out.find(vid + ".8 = INTEGER: 0"), std::string::npos) << out;
    EXPECT_EQ(out.find("guests"), std::string::npos) << out;
    EXPECT_EQ(CountRows(Walk(vid), vid), 8) << "the slot is free again";
}

TEST_F(SimLists, sim_GeneratedTablesTakeTheirSizeFromRows) {
    Start("127.0.70.61", {"--rows", "survey=0,wds=3", "--rows", "rogue=0,members=0,leases=1", "--clients", "2"});
    const std::string survey = kE + ".2.1.3.3.1.3.2.1.1";
    const std::string wds = kE + ".2.1.3.3.5.2.1.1";
    const std::string rogue = kE + ".3.4.4.4.1.1";
    const std::string members = kE + ".3.11.2.1.1.1";
    const std::string leases = kE + ".3.1.4.2.1.1";
    const std::string clients = kE + ".2.1.3.3.4.2.1.1";
    for (int pass = 0; pass < 2; ++pass) {
        SCOPED_TRACE(pass ? "after a refresh" : "fresh");
        EXPECT_EQ(CountRows(Walk(survey), survey), 0);
        EXPECT_EQ(CountRows(Walk(wds), wds), 3);
        EXPECT_EQ(CountRows(Walk(rogue), rogue), 0);
        EXPECT_EQ(CountRows(Walk(members), members), 0);
        EXPECT_EQ(CountRows(Walk(leases), leases), 1);
        EXPECT_EQ(CountRows(Walk(clients), clients), 2);
        // Scan, detect and refresh: still nothing found where nothing is to be found.
        Set(kE + ".2.1.3.3.1.3.1.1.1.1 i 1 " + kE + ".2.1.3.3.5.1.1.1.1 i 1 " + kE + ".3.4.4.1 i 1 " + kE + ".3.11.1.2.1.1 i 1 " +
            kE + ".3.1.4.1 i 1 " + kE + ".2.1.3.3.4.1.1.1.1 i 1");
    }
    // The survey's other columns agree: no row anywhere.
    std::string walk = Walk(kE + ".2.1.3.3.1.3.2");
    EXPECT_EQ(walk.find(kE + ".2.1.3.3.1.3.2.1."), std::string::npos) << walk;
}

TEST(SimListOptions, sim_BadRowsStopTheStart) {
    for (const char* rows : {"survey", "survey=-1", "survey=1001", "nosuch=2", "macAccessList=3", "survey=x"}) {
        std::string output;
        EXPECT_NE(RunTool(SimFleet::Binary() + " --base 127.0.70.71 --port 1 --rows " + rows, output), 0) << rows;
        EXPECT_NE(output.find("--rows"), std::string::npos) << output;
    }
}
