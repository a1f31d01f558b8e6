// Factory defaults of nxa-sim that the management pages check: every value
// for which a page states a range lies in it, so that a page saved without a
// change is not refused by its own checks; the AP-mode capability mask and the
// repeater naming flag per device.
#include "mib/Catalogue.h"
#include "mib/MibTables.h"
#include "support/SimFleet.h"
#include "support/ToolRun.h"
#include <gtest/gtest.h>
#include <cstring>
#include <set>
#include <sstream>

using TestSupport::SimFleet;
using TestSupport::RunTool;

namespace {
const std::string kE = Catalogue::EnterpriseRoot;

// A page's stated range: numbers from Low to High, or a text of Low to High characters.
struct Range {
    const char* Name;
    bool Text;
    long long Low, High;
};
const Range kRanges[] = {
    {"dot11BeaconInterval", false, 25, 500},
    {"dot11Dtim", false, 1, 15},
    {"dot11FragmentLength", false, 256, 2346},
    {"dot11RtsLength", false, 1, 2346},
    {"dot11AckTimeout", false, 48, 200},   // 25 to 200 on 5 GHz, 48 to 200 on 2.4 GHz
    {"dot11UserLimit", false, 0, 64},
    {"dot11GroupKeyUpdateInterval", false, 300, 9999999},
    {"dot11RadiusKeyUpdateInterval", false, 300, 9999999},
    {"dot11MssidGroupKeyUpdateInterval", false, 300, 9999999},
    {"dot11PrimaryRadiusPort", false, 1, 65535},
    {"dot11SecondaryRadiusPort", false, 1, 65535},
    {"dot11PrimaryAccountingServerPort", false, 1, 65535},
    {"dot11SecondaryAccountingServerPort", false, 1, 65535},
    {"dot11MssidRADIUSPort", false, 1, 65535},
    {"dot11MssidAccountingServerPort", false, 1, 65535},
    {"Dynamic Lease", false, 60, 31536000},
    {"dot11DownLinkBandWidth", false, 1, 150},
    {"dot11UpLinkBandWidth", false, 1, 150},
    {"managerVLANID", false, 1, 4094},
    {"dot11PvidSettingMgmt", false, 1, 4094},   // a port's VLAN ID, in the VID range of the VLAN page
    {"dot11PvidSettingLan", false, 1, 4094},
    {"dot11PvidSettingPrimary", false, 1, 4094},
    {"dot11PvidSettingMssid7", false, 1, 4094},
    {"dot11PvidSettingWds8", false, 1, 4094},
    {"dot11MssidPriority", false, 0, 7},
    {"sntpTimeZoneIndex", false, 1, 75},
    {"emailNtfPort", false, 1, 65535},
    {"dot11Ssid", true, 1, 32},
    {"dot11MssidSsid", true, 1, 32},
    {"dot11PassPhrase", true, 8, 63},
    {"dot11MssidPassPhrase", true, 8, 63},
    {"usersName", true, 0, 64},
    {"sysName", true, 1, 255},
};

// The values of lines "OID = TYPE: value" (strings without their quotes).
std::vector<std::string> Values(const std::string& output) {
    std::vector<std::string> values;
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        size_t eq = line.find(" = ");
        if (line.rfind(".1.3.6", 0) != 0 || eq == std::string::npos)
            continue;
        std::string value = line.substr(eq + 3);
        if (size_t colon = value.find(": "); colon != std::string::npos && value.compare(0, 1, "\"") != 0)
            value = value.substr(colon + 2);
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        values.push_back(value);
    }
    return values;
}
}  // namespace

TEST(SimDefaults, sim_EveryStatedRangeHoldsTheDefault) {
    SimFleet sim("127.0.72.1", {});
    ASSERT_TRUE(sim.Ready()) << sim.Output();
    for (const Range& range : kRanges) {
        SCOPED_TRACE(range.Name);
        // Every place a module table reads the variable: scalars, complete OIDs, columns.
        std::set<std::string> gets, walks;
        for (const MibTableInfo& info : MibTables::All())
            for (const MibVariable* v = info.Table; v->Oid; ++v)
                if (std::strcmp(v->Name, range.Name) == 0)
                    (info.Kind >= 2 ? walks : gets).insert(info.Kind == 0 ? std::string(v->Oid) + ".0" : std::string(v->Oid));
        ASSERT_FALSE(gets.empty() && walks.empty()) << "no table reads it";
        std::vector<std::string> values;
        for (const std::string& oid : gets) {
            std::string output;
            RunTool("snmpget -v2c -c public -On -Oe -r1 -t5 " + sim.Target() + " " + oid, output);
            std::vector<std::string> got = Values(output);
            ASSERT_EQ(got.size(), 1u) << output;
            values.push_back(got.front());
        }
        for (const std::string& oid : walks) {
            std::string output;
            RunTool("snmpwalk -v2c -c public -On -Oe -r1 -t5 " + sim.Target() + " " + oid, output);
            std::vector<std::string> got = Values(output);
            ASSERT_FALSE(got.empty()) << output;
            values.insert(values.end(), got.begin(), got.end());
        }
        for (const std::string& value : values) {
            if (range.Text) {
                EXPECT_GE(static_cast<long long>(value.size()), range.Low) << "\"" << value << "\"";
                EXPECT_LE(static_cast<long long>(value.size()), range.High) << "\"" << value << "\"";
                continue;
            }
            ASSERT_FALSE(value.empty());
            long long number = std::stoll(value);
            EXPECT_GE(number, range.Low);
            EXPECT_LE(number, range.High);
        }
    }
}

TEST(SimDefaults, sim_ApModeMaskAndRepeaterNamingPerDevice) {
    const std::string modes = kE + ".6.1.1.1.1.1";
    const std::string naming = kE + ".6.1.1.1.39.1";
    SimFleet sim("127.0.72.11", {"--ap-modes", "2=0x1d", "--mode-string-change", "3=0", "--reset-time", "200"}, 3);
    ASSERT_TRUE(sim.Ready()) << sim.Output();
    auto read = [&](int device, const char* timeout = "-r1 -t5 ") {
        std::string output;
        RunTool("snmpget -v2c -c public -On " + std::string(timeout) + sim.Target(device) + " " + modes + " " + naming, output);
        return Values(output);
    };
    // Every mode bit: client 0x01, repeater 0x02, WDS with AP 0x04 and 0x08, AP 0x10, WDS 0x20 and 0x40.
    EXPECT_EQ(read(1), (std::vector<std::string>{"127", "1"}));
    EXPECT_EQ(read(2), (std::vector<std::string>{"29", "1"}));
    EXPECT_EQ(read(3), (std::vector<std::string>{"127", "0"}));
    // Capabilities are not settings: refused for a set, kept by a factory reset.
    std::string output;
    RunTool("snmpset -v2c -c private -r0 -t5 " + sim.Target(2) + " " + modes + " i 1", output);
    EXPECT_NE(output.find("notWritable"), std::string::npos) << output;
    RunTool("snmpset -v2c -c private -r0 -t5 " + sim.Target(2) + " " + kE + ".4.2.2 i 1", output);
    std::vector<std::string> after;
    for (int i = 0; i < 50 && after.empty(); ++i)
        after = read(2, "-r0 -t0.3 ");
    EXPECT_EQ(after, (std::vector<std::string>{"29", "1"}));
}

TEST(SimDefaults, sim_BadCapabilityOptionsStopTheStart) {
    for (const char* args : {"--ap-modes 2=0x80", "--ap-modes 4=1", "--ap-modes x", "--ap-modes 1=-1", "--mode-string-change 1=2",
                             "--mode-string-change 0=1"}) {
        std::string output;
        EXPECT_NE(RunTool(SimFleet::Binary() + " --devices 3 --base 127.0.72.21 --port 1 " + args, output), 0) << args;
    }
}
