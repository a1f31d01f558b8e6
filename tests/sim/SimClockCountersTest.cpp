// The device clock (setTimeManually / systemTime), the traffic counters that
// move and clear per group, and the e-mail port rule of nxa-sim.
#include "SnmpTools.h"
#include <gtest/gtest.h>
#include <chrono>
#include <thread>

namespace {
const std::string kE = "1.3.6.1.4.1.171.10.37.36";
const std::string kClock = kE + ".4.8.7.0";

// The value after " = TYPE: " of the first line.
std::string ValueOf(const std::string& output) {
    const size_t colon = output.find(": ");
    if (colon == std::string::npos)
        return {};
    std::string value = output.substr(colon + 2);
    value = value.substr(0, value.find('\n'));
    if (value.size() >= 2 && value.front() == '"')
        value = value.substr(1, value.size() - 2);
    return value;
}

long long Number(const std::string& target, const std::string& oid) {
    return std::stoll(ValueOf(SnmpTools::Get(target, oid)));
}

class SimClockCounters : public ::testing::Test {
public:
    static void SetUpTestSuite() {
        sim_ = std::make_unique<TestSupport::SimFleet>();
        ASSERT_TRUE(sim_->Start("127.0.64.1", 1));
    }
    static void TearDownTestSuite() { sim_.reset(); }

protected:
    static std::string Target() { return sim_->Target(1); }
    static inline std::unique_ptr<TestSupport::SimFleet> sim_;
};

TEST_F(SimClockCounters, sim_ATimeSetByHandMovesTheClockThatSystemTimeReports) {
    const std::string answer = SnmpTools::Set(Target(), kClock + " s 2009:03:05:14:07:09");
    EXPECT_EQ(answer.find("Error"), std::string::npos) << answer;
    const std::string time = ValueOf(SnmpTools::Get(Target(), kClock));
    EXPECT_EQ(time.substr(0, 16), "2009/03/05 14:07") << time;
    // Texts that are no time, or a day that does not exist, are refused and change nothing.
    for (const char* bad : {"2009:02:30:12:00:00", "2009-03-05 14:07:09", "hello", "2009:03:05:24:00:00",
                            "1969:12:31:23:59:59", "2009:03:05:14:07:09:00"}) {
        const std::string refused = SnmpTools::Set(Target(), kClock + " s \"" + bad + "\"");
        EXPECT_NE(refused.find("wrongValue"), std::string::npos) << bad << ": " << refused;
    }
    EXPECT_EQ(ValueOf(SnmpTools::Get(Target(), kClock)).substr(0, 13), "2009/03/05 14");
}

TEST_F(SimClockCounters, sim_CountersMoveAndEachClearZeroesOnlyItsGroup) {
    const std::string ethernet = kE + ".5.2.1.1.1.1.1.1";     // dot3TransmittedPacketCount
    const std::string ethernetBytes = kE + ".5.2.1.1.1.1.5.1";
    const std::string wlan = kE + ".5.2.2.1.1.1.21.1";        // dot11TransmittedPacketCount
    const std::string wlanBytes = kE + ".5.2.2.1.1.1.28.1";
    const std::string successRate = kE + ".5.2.2.1.1.1.1.1";
    const long long e0 = Number(Target(), ethernet), w0 = Number(Target(), wlan);
    const long long eb0 = Number(Target(), ethernetBytes), wb0 = Number(Target(), wlanBytes);
    const std::string rate = ValueOf(SnmpTools::Get(Target(), successRate));
    EXPECT_GT(e0, 1000);   // a fresh device has counted for a day
    EXPECT_GT(eb0, e0);
    // A second and more later every counter has moved on; the rates have not.
    std::this_thread::sleep_for(std::chrono::milliseconds(1200));
    EXPECT_GT(Number(Target(), ethernet), e0);
    EXPECT_GT(Number(Target(), wlan), w0);
    EXPECT_EQ(ValueOf(SnmpTools::Get(Target(), successRate)), rate);

    SnmpTools::Set(Target(), kE + ".5.2.1.1.1.1.16.1 i 1");   // dot3Clear
    EXPECT_LT(Number(Target(), ethernet), e0);
    EXPECT_LT(Number(Target(), ethernetBytes), eb0);
    EXPECT_GT(Number(Target(), wlan), w0);
    EXPECT_GT(Number(Target(), wlanBytes), wb0);
    EXPECT_EQ(ValueOf(SnmpTools::Get(Target(), kE + ".5.2.1.1.1.1.16.1")), "0");   // reads "nothing" again

    const long long e1 = Number(Target(), ethernet);
    SnmpTools::Set(Target(), kE + ".5.2.2.1.1.1.34.1 i 1");   // dot11Clear
    EXPECT_LT(Number(Target(), wlan), w0);
    EXPECT_GE(Number(Target(), ethernet), e1);
    EXPECT_EQ(ValueOf(SnmpTools::Get(Target(), successRate)), rate);
}

TEST_F(SimClockCounters, sim_AnSmtpPortOutsideItsRangeIsRefused) {
    const std::string port = kE + ".5.4.11.1.1.10.1";
    EXPECT_NE(SnmpTools::Set(Target(), port + " i 0").find("wrongValue"), std::string::npos);
    EXPECT_NE(SnmpTools::Set(Target(), port + " i 65536").find("wrongValue"), std::string::npos);
    EXPECT_EQ(SnmpTools::Set(Target(), port + " i 587").find("Error"), std::string::npos);
    EXPECT_EQ(ValueOf(SnmpTools::Get(Target(), port)), "587");
}
}  // namespace
