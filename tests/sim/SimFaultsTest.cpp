// nxa-sim's fault knobs, bad input and the state file.
#include "support/SimFleet.h"
#include "support/ToolRun.h"
#include <arpa/inet.h>
#include <cstdio>
#include <gtest/gtest.h>
#include <random>
#include <sys/socket.h>
#include <unistd.h>

using TestSupport::SimFleet;
using TestSupport::RunTool;

namespace {
bool Answers(const SimFleet& sim, int n, const std::string& timeout = "2") {
    std::string output;
    RunTool("snmpget -v2c -c public -r1 -t" + timeout + " " + sim.Target(n) + " 1.3.6.1.2.1.1.5.0", output);
    return output.find("NXA-7310") != std::string::npos;
}

void SendRaw(const std::string& target, const std::string& bytes) {
    std::string address = target.substr(0, target.find(':'));
    int port = std::stoi(target.substr(target.find(':') + 1));
    int fd = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(static_cast<uint16_t>(port));
    inet_pton(AF_INET, address.c_str(), &to.sin_addr);
    sendto(fd, bytes.data(), bytes.size(), 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
    close(fd);
}
}  // namespace

TEST(SimFaults, sim_SilentDeviceNeverAnswersOthersDo) {
    SimFleet sim("127.0.64.1", {"--silent", "2"}, 3);
    ASSERT_TRUE(sim.Ready()) << sim.Output();
    EXPECT_TRUE(Answers(sim, 1));
    EXPECT_FALSE(Answers(sim, 2, "0.5"));
    EXPECT_TRUE(Answers(sim, 3));
}

TEST(SimFaults, sim_DropAllAndDelay) {
    SimFleet dropping("127.0.64.11", {"--drop", "100"});
    ASSERT_TRUE(dropping.Ready());
    EXPECT_FALSE(Answers(dropping, 1, "0.5"));

    SimFleet slow("127.0.64.21", {"--delay", "1500"}, 2);
    ASSERT_TRUE(slow.Ready());
    EXPECT_FALSE(Answers(slow, 1, "0.3"));   // one try of 0.3 s and one retry: both answers come too late
    EXPECT_TRUE(Answers(slow, 2, "5"));
    std::string walk;
    RunTool("snmpwalk -v2c -c public -r0 -t5 " + slow.Target(1) + " 1.3.6.1.2.1.1", walk);
    EXPECT_NE(walk.find("NXA-7310"), std::string::npos) << walk;
    // Answers still held back at the stop are freed.
    RunTool("snmpget -v2c -c public -r0 -t0.2 " + slow.Target(1) + " 1.3.6.1.2.1.1.5.0", walk);
    EXPECT_EQ(slow.Stop(), 0) << slow.Output();
    EXPECT_EQ(slow.Output().find("Sanitizer"), std::string::npos) << slow.Output();
}

TEST(SimFaults, sim_FaultsAndCommunitiesPerDevice) {
    SimFleet sim("127.0.64.51", {"--drop", "100", "--drop-devices", "2", "--community", "3:pub3:priv3"}, 3);
    ASSERT_TRUE(sim.Ready()) << sim.Output();
    EXPECT_TRUE(Answers(sim, 1));
    EXPECT_FALSE(Answers(sim, 2, "0.5"));
    EXPECT_FALSE(Answers(sim, 3, "0.5"));   // "public" is not its community
    std::string output;
    RunTool("snmpget -v2c -c pub3 -r1 -t2 " + sim.Target(3) + " 1.3.6.1.2.1.1.5.0", output);
    EXPECT_NE(output.find("NXA-7310-000003"), std::string::npos) << output;
    RunTool("snmpset -v2c -c pub3 -r1 -t2 " + sim.Target(3) + " 1.3.6.1.2.1.1.6.0 s x", output);
    EXPECT_NE(output.find("noAccess"), std::string::npos) << output;
    RunTool("snmpset -v2c -c priv3 -r1 -t2 " + sim.Target(3) + " 1.3.6.1.2.1.1.6.0 s Hall", output);
    EXPECT_NE(output.find("Hall"), std::string::npos) << output;
    RunTool("snmpget -v2c -c pub3 -r1 -t2 " + sim.Target(1) + " 1.3.6.1.2.1.1.5.0", output);
    EXPECT_EQ(output.find("NXA-7310"), std::string::npos) << output;
}

TEST(SimFaults, sim_BadInputNeverStopsTheFleet) {
    SimFleet sim("127.0.64.31", {}, 2);
    ASSERT_TRUE(sim.Ready());
    std::mt19937 random(7);
    for (int i = 0; i < 200; ++i) {
        std::string junk(static_cast<size_t>(1 + random() % 300), '\0');
        for (char& c : junk)
            c = static_cast<char>(random());
        if (i % 2)
            junk[0] = 0x30;   // looks like a BER sequence
        SendRaw(sim.Target(1 + i % 2), junk);
    }
    // A truncated v2c get, a huge datagram and a sequence that claims more than it holds.
    SendRaw(sim.Target(1), std::string("\x30\x26\x02\x01\x01\x04\x06public\xa0\x19", 15));
    SendRaw(sim.Target(1), std::string(60000, '\x30'));
    SendRaw(sim.Target(2), std::string("\x30\x84\x7f\xff\xff\xff\x02\x01\x01", 9));
    EXPECT_TRUE(Answers(sim, 1));
    EXPECT_TRUE(Answers(sim, 2));

    // An oversized request (128 varbinds of 250 octets, about 34 kB) gets an
    // answer or tooBig, never a crash.
    std::string varbinds;
    std::string big(250, 'x');
    for (int i = 0; i < 128; ++i)
        varbinds += " 1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.1.1 s " + big;
    std::string output;
    RunTool("snmpset -v2c -c private -r0 -t3 " + sim.Target(1) + varbinds, output);
    EXPECT_TRUE(output.find("tooBig") != std::string::npos || output.find("STRING") != std::string::npos)
        << output.substr(0, 400);
    EXPECT_TRUE(Answers(sim, 1));
    EXPECT_TRUE(Answers(sim, 2));
    // A clean stop, and no sanitizer report when built with them.
    EXPECT_EQ(sim.Stop(), 0) << sim.Output();
    EXPECT_EQ(sim.Output().find("runtime error"), std::string::npos) << sim.Output();
    EXPECT_EQ(sim.Output().find("Sanitizer"), std::string::npos) << sim.Output();
}

TEST(SimFaults, sim_StateFileKeepsSettingsAcrossRestarts) {
    char pattern[] = "/tmp/nxa-sim-state-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    std::string state = std::string(pattern) + "/fleet.json";
    std::string location = "1.3.6.1.2.1.1.6.0";
    std::string acl = "1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.3.2.1.2.1";
    std::string output;
    {
        SimFleet sim("127.0.64.41", {"--state", state}, 2);
        ASSERT_TRUE(sim.Ready());
        RunTool("snmpset -v2c -c private " + sim.Target(2) + " " + location + " s \"Second floor\" " + acl + " x 0010A4B5C6D7", output);
        EXPECT_EQ(sim.Stop(), 0) << sim.Output();
    }
    {
        SimFleet sim("127.0.64.41", {"--state", state}, 2);
        ASSERT_TRUE(sim.Ready());
        RunTool("snmpget -v2c -c public " + sim.Target(2) + " " + location + " 1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.3.3.1.2.1.1", output);
        EXPECT_NE(output.find("Second floor"), std::string::npos) << output;
        EXPECT_NE(output.find("00 10 A4 B5 C6 D7"), std::string::npos) << output;
        RunTool("snmpget -v2c -c public " + sim.Target(1) + " " + location, output);
        EXPECT_EQ(output.find("Second floor"), std::string::npos) << output;
    }
    std::remove(state.c_str());
    rmdir(pattern);
}

TEST(SimFaults, sim_HelpDocumentsEveryFlag) {
    std::string output;
    EXPECT_EQ(RunTool(SimFleet::Binary() + " --help", output), 0);
    for (const char* flag : {"--devices", "--base", "--port", "--port-step", "--read-community", "--write-community",
                             "--v3-user", "--clients", "--firmware", "--state", "--restart-time", "--reset-time",
                             "--drop", "--delay", "--silent", "--drop-devices", "--delay-devices", "--community",
                             "--seed", "--verbose", "--dump-model", "--trace", "--fault", "--rows", "--ap-modes", "--mode-string-change"})
        EXPECT_NE(output.find(flag), std::string::npos) << flag;
    EXPECT_NE(RunTool(SimFleet::Binary() + " --devices 0", output), 0);
    EXPECT_NE(RunTool(SimFleet::Binary() + " --base 10.0.0.1", output), 0);
}
