// nxa-sim --trace: what a client sent, one line per request PDU, read back
// while the simulator runs.
#include "mib/Catalogue.h"
#include "support/SimFleet.h"
#include "support/ToolRun.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>
#include <unistd.h>

using TestSupport::SimFleet;
using TestSupport::RunTool;

namespace {
const std::string kRoot = Catalogue::EnterpriseRoot;

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator))
        parts.push_back(part);
    if (!text.empty() && text.back() == separator)
        parts.push_back("");
    return parts;
}

// The trace's lines, each split into its TAB-separated fields.
std::vector<std::vector<std::string>> TraceLines(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::vector<std::string>> lines;
    std::string line;
    while (std::getline(in, line))
        lines.push_back(Split(line, '\t'));
    return lines;
}

class TraceFile {
public:
    TraceFile() {
        char pattern[] = "/tmp/nxa-sim-trace-XXXXXX";
        if (mkdtemp(pattern))
            dir_ = pattern;
        path_ = dir_ + "/trace.tsv";
    }
    ~TraceFile() {
        std::remove(path_.c_str());
        rmdir(dir_.c_str());
    }
    const std::string& Path() const { return path_; }

private:
    std::string dir_, path_;
};

std::string Tool(const std::string& command) {
    std::string output;
    RunTool(command, output);
    return output;
}
}  // namespace

TEST(SimTrace, sim_EveryRequestPduIsOneLine) {
    TraceFile trace;
    SimFleet sim("127.0.66.1", {"--trace", trace.Path()}, 2);
    ASSERT_TRUE(sim.Ready()) << sim.Output();
    EXPECT_TRUE(TraceLines(trace.Path()).empty()) << "nothing was sent yet";

    const std::string ssid = kRoot + ".2.1.3.3.1.1.1.1.1";
    const std::string channel = kRoot + ".2.1.3.3.1.1.1.3.1";
    const std::string macAdd = kRoot + ".2.1.3.3.2.3.2.1.2.1";
    const std::string ftpServer = kRoot + ".4.3.3.1";
    const std::string location = "1.3.6.1.2.1.1.6.0";

    std::string out = Tool("snmpget -v2c -c public -r0 -t3 " + sim.Target(1) + " 1.3.6.1.2.1.1.5.0 " + ssid);
    ASSERT_NE(out.find("NXA-7310"), std::string::npos) << out;
    // The line is in the file as soon as the answer is here.
    auto lines = TraceLines(trace.Path());
    ASSERT_EQ(lines.size(), 1u);
    ASSERT_EQ(lines[0].size(), 5u);
    EXPECT_TRUE(std::regex_match(lines[0][0], std::regex(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3})"))) << lines[0][0];
    EXPECT_EQ(lines[0][1], "127.0.66.1");
    EXPECT_EQ(lines[0][2], "GET");
    EXPECT_EQ(lines[0][3], "1.3.6.1.2.1.1.5.0");
    EXPECT_EQ(lines[0][4], ssid);

    // One set with a string holding a backslash and a TAB, an integer, an IP
    // address, a MAC address of printable bytes and raw unprintable octets.
    out = Tool("snmpset -v2c -c private -r0 -t3 " + sim.Target(2) + " " + location + " s \"$(printf 'Hall\\\\2\\tEast')\" " +
               channel + " i 11 " + ftpServer + " a 127.0.0.9 " + macAdd + " x 414243444546 " + ssid + " x 00FF41");
    EXPECT_NE(out.find("INTEGER: 11"), std::string::npos) << out;
    lines = TraceLines(trace.Path());
    ASSERT_EQ(lines.size(), 2u);
    ASSERT_EQ(lines[1].size(), 8u);
    EXPECT_EQ(lines[1][1], "127.0.66.2");
    EXPECT_EQ(lines[1][2], "SET");
    EXPECT_EQ(lines[1][3], location + "=Hall\\\\2\\tEast");
    EXPECT_EQ(lines[1][4], channel + "=11");
    EXPECT_EQ(lines[1][5], ftpServer + "=127.0.0.9");
    EXPECT_EQ(lines[1][6], macAdd + "=414243444546");
    EXPECT_EQ(lines[1][7], ssid + "=00FF41");

    Tool("snmpgetnext -v2c -c public -r0 -t3 " + sim.Target(1) + " 1.3.6.1.2.1.1.4.0");
    Tool("snmpbulkget -v2c -c public -r0 -t3 -Cn1 -Cr2 " + sim.Target(1) + " 1.3.6.1.2.1.1.1.0 1.3.6.1.2.1.1.5");
    lines = TraceLines(trace.Path());
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[2], (std::vector<std::string>{lines[2][0], "127.0.66.1", "GETNEXT", "1.3.6.1.2.1.1.4.0"}));
    EXPECT_EQ(lines[3], (std::vector<std::string>{lines[3][0], "127.0.66.1", "GETBULK", "1.3.6.1.2.1.1.1.0", "1.3.6.1.2.1.1.5"}));
    EXPECT_LE(lines[0][0], lines[3][0]) << "lines in the order received";

    // A walk is one GETNEXT line per step.
    out = Tool("snmpwalk -v1 -c public -r0 -t3 " + sim.Target(2) + " 1.3.6.1.2.1.1");
    size_t answers = static_cast<size_t>(std::count(out.begin(), out.end(), '\n'));
    lines = TraceLines(trace.Path());
    ASSERT_EQ(lines.size(), 4u + answers + 1) << "one step per answer and the step that leaves the subtree";
    EXPECT_EQ(lines.back()[2], "GETNEXT");
}

TEST(SimTrace, sim_RefusedAndDroppedRequestsAreListed) {
    TraceFile trace;
    SimFleet sim("127.0.66.11", {"--trace", trace.Path(), "--silent", "2", "--drop", "100", "--drop-devices", "3"}, 3);
    ASSERT_TRUE(sim.Ready()) << sim.Output();
    // Refused: the read community may not write; nothing changes on the device.
    std::string out = Tool("snmpset -v2c -c public -r0 -t3 " + sim.Target(1) + " 1.3.6.1.2.1.1.6.0 s Roof");
    EXPECT_NE(out.find("noAccess"), std::string::npos) << out;
    // An unknown community is dropped, a silent device never answers, and a
    // device that drops every request neither: all three were received.
    out = Tool("snmpget -v2c -c nobody -r0 -t0.5 " + sim.Target(1) + " 1.3.6.1.2.1.1.5.0");
    EXPECT_NE(out.find("Timeout"), std::string::npos) << out;
    out = Tool("snmpget -v1 -c public -r1 -t0.5 " + sim.Target(2) + " 1.3.6.1.2.1.1.5.0");
    EXPECT_NE(out.find("Timeout"), std::string::npos) << out;
    out = Tool("snmpget -v2c -c public -r0 -t0.5 " + sim.Target(3) + " 1.3.6.1.2.1.1.5.0");
    EXPECT_NE(out.find("Timeout"), std::string::npos) << out;

    auto lines = TraceLines(trace.Path());
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], (std::vector<std::string>{lines[0][0], "127.0.66.11", "SET", "1.3.6.1.2.1.1.6.0=Roof"}));
    EXPECT_EQ(lines[1], (std::vector<std::string>{lines[1][0], "127.0.66.11", "GET", "1.3.6.1.2.1.1.5.0"}));
    // The silent device got the request and its one retry.
    EXPECT_EQ(lines[2], (std::vector<std::string>{lines[2][0], "127.0.66.12", "GET", "1.3.6.1.2.1.1.5.0"}));
    EXPECT_EQ(std::vector<std::string>(lines[3].begin() + 1, lines[3].end()),
              std::vector<std::string>(lines[2].begin() + 1, lines[2].end()));
    EXPECT_EQ(lines[4], (std::vector<std::string>{lines[4][0], "127.0.66.13", "GET", "1.3.6.1.2.1.1.5.0"}));
    out = Tool("snmpget -v2c -c public -r0 -t3 " + sim.Target(1) + " 1.3.6.1.2.1.1.6.0");
    EXPECT_EQ(out.find("Roof"), std::string::npos) << out;

    // A silent device stays silent over SNMPv3 too: not even the engine discovery is answered.
    out = Tool("snmpget -v3 -l authPriv -u nxaSha -a SHA -A authpass123 -x AES -X privpass123 -r0 -t0.5 " + sim.Target(2) +
               " 1.3.6.1.2.1.1.5.0");
    EXPECT_EQ(out.find("NXA-7310"), std::string::npos) << out;
    EXPECT_NE(out.find("Timeout"), std::string::npos) << out;
}

TEST(SimTrace, sim_DevicesOnOneAddressAreNamedWithTheirPort) {
    TraceFile trace;
    SimFleet sim("127.0.66.21", {"--trace", trace.Path(), "--port-step", "1"}, 2);
    ASSERT_TRUE(sim.Ready()) << sim.Output();
    std::string second = "127.0.66.21:" + std::to_string(sim.Port() + 1);
    std::string out = Tool("snmpget -v2c -c public -r0 -t3 " + second + " 1.3.6.1.2.1.1.5.0");
    EXPECT_NE(out.find("NXA-7310-000002"), std::string::npos) << out;
    auto lines = TraceLines(trace.Path());
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0][1], second);
}

TEST(SimTrace, sim_AnUnwritableTraceStopsTheStart) {
    std::string output;
    EXPECT_NE(RunTool(SimFleet::Binary() + " --base 127.0.66.31 --port 1 --trace /nonexistent-folder/trace.tsv", output), 0);
    EXPECT_NE(output.find("trace"), std::string::npos) << output;
}
