// The Performance page against simulated devices: device 2 cannot give its
// rate list. Read back over SNMP, the sets from the trace.
#include "PageSimFixture.h"

using namespace PageTest;

namespace {

const QString kRadio = Oid("2.1.3.3.1.1.1.");
const QString kMode = kRadio + "16.1";
const QString kBeacon = kRadio + "17.1";
const QString kBand = kRadio + "34.1";

class PerformancePageTest : public PageSimTest {
public:
    static void SetUpTestSuite() { StartFleet("127.0.153.1", 2, {"--fault", "2:" + Oid("2.1.3.3.1.1.1.35.1") + ":genErr:get"}); }
    static void TearDownTestSuite() { StopFleet(); }

protected:
    QJsonObject Save(QJsonArray steps) {
        steps.append(Step("press", "Save"));
        return Drive("Performance", steps);
    }
};

TEST_F(PerformancePageTest, RangesAreCheckedBeforeAnythingIsSent) {
    Open();
    const size_t before = Sets().size();
    struct Case {
        const char* Field;
        const char* Value;
        const char* Message;
    };
    const Case refused[] = {
        {"Beacon interval (25-500)", "24", "Please input a number between 25 and 500."},
        {"Beacon interval (25-500)", "501", "Please input a number between 25 and 500."},
        {"DTIM interval (1-15)", "0", "Please input a number between 1 and 15."},
        {"RTS Threshold (256-2346)", "2347", "Please input a number between 1 and 2346."},
        {"User Limit (0 - 64)", "65", "Please input a number between 0 and 64."},
        {"Ack Timeout", "5", "Please input a number between 25 and 200."},
        {"Ack Timeout", "201", "Please input a number between 25 and 200."},
    };
    for (const Case& c : refused) {
        const QJsonObject report = Save({Step("set", c.Field, c.Value)});
        EXPECT_EQ(Strings(report, "messages"), QStringList{c.Message}) << c.Field << "=" << c.Value;
    }
    EXPECT_TRUE(Sets(before).empty()) << Varbinds(Sets(before)).join(' ').toStdString();

    for (const char* beacon : {"25", "500"}) {
        const QJsonObject report = Save({Step("set", "Beacon interval (25-500)", beacon)});
        EXPECT_TRUE(Strings(report, "messages").isEmpty()) << beacon;
        EXPECT_EQ(Get(kBeacon, SnmpSyntax::Integer), beacon);
    }
    const QJsonObject report = Save({Step("set", "RTS Threshold (256-2346)", "1")});
    EXPECT_TRUE(Strings(report, "messages").isEmpty());
    EXPECT_EQ(Get(kRadio + "20.1", SnmpSyntax::Integer), "1");
}

TEST_F(PerformancePageTest, OnlyTheBandsModeVariableIsWritten) {
    Open();
    ASSERT_TRUE(Set(kBand, "i", "1"));   // 5 GHz
    ASSERT_TRUE(Set(kMode, "i", "9"));
    size_t before = Sets().size();
    QJsonObject report = Save({Step("set", "Wireless Mode (5GHz)", "802.11a only")});
    ASSERT_EQ(report.value("exit").toInt(), 0) << report.value("error").toString().toStdString();
    EXPECT_EQ(Sent(Sets(before), kMode), QStringList{kMode + "=7"});
    EXPECT_EQ(Get(kMode, SnmpSyntax::Integer), "7");
    const QJsonObject visible = report.value("visible").toObject();
    EXPECT_TRUE(visible.value("Wireless Mode (5GHz)").toBool());
    EXPECT_FALSE(visible.value("Wireless Mode (2.4GHz)").toBool());
    EXPECT_TRUE(visible.value("Fragmentation (256-2346)").toBool());   // 802.11a only: no 802.11n

    ASSERT_TRUE(Set(kBand, "i", "0"));   // 2.4 GHz
    ASSERT_TRUE(Set(kMode, "i", "6"));
    before = Sets().size();
    report = Save({});
    EXPECT_EQ(Sent(Sets(before), kMode), QStringList{kMode + "=6"});
    // An 802.11n mode hides the fragmentation threshold and does not send it.
    EXPECT_FALSE(report.value("visible").toObject().value("Fragmentation (256-2346)").toBool());
    EXPECT_TRUE(Sent(Sets(before), kRadio + "19.1").isEmpty());
    report = Save({Step("set", "Wireless Mode (2.4GHz)", "Mixed 802.11g and 802.11b"),
                   Step("set", "Fragmentation (256-2346)", "255")});
    EXPECT_EQ(Strings(report, "messages"), QStringList{"Please input a number between 256 and 2346."});
    report = Save({Step("set", "Wireless Mode (2.4GHz)", "Mixed 802.11g and 802.11b"),
                   Step("set", "Fragmentation (256-2346)", "1024")});
    EXPECT_EQ(Get(kRadio + "19.1", SnmpSyntax::Integer), "1024");
    EXPECT_EQ(Get(kMode, SnmpSyntax::Integer), "3");
}

TEST_F(PerformancePageTest, TheRateListFillsTheRateSelector) {
    Open();
    QJsonObject report = Save({Step("set", "Data Rate", "54")});
    EXPECT_EQ(Get(kRadio + "11.1", SnmpSyntax::DisplayString), "54");
    report = Drive("Performance", {});
    EXPECT_EQ(Field(report, "Data Rate"), "54");
}

TEST_F(PerformancePageTest, AMissingRateListLeavesOnlyTheCurrentRate) {
    Open(2);
    ASSERT_TRUE(Set(kRadio + "11.1", "s", "48"));
    const size_t before = Sets().size();
    QJsonObject report = Drive("Performance", {Step("set", "Data Rate", "54")});
    EXPECT_EQ(report.value("exit").toInt(), 1);   // the selector holds the current rate alone
    report = Save({});
    EXPECT_TRUE(Strings(report, "messages").isEmpty());
    EXPECT_EQ(Sent(Sets(before), kRadio + "11.1"), QStringList{kRadio + "11.1=48"});
}

}  // namespace
