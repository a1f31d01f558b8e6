// The LAN and DHCP server pages against a simulated device: what a person
// types reaches the device (read back over SNMP, the sets from the trace),
// refused input sends nothing. Device 2 refuses every set of the LAN
// settings.
#include "PageSimFixture.h"

using namespace PageTest;

namespace {

const QString kLanFrom = Oid("2.1.1.1.1.1.1");
const QString kLanIp = Oid("2.1.1.1.1.2.1");
const QString kFunction = Oid("3.1.1.0");
const QString kPoolStart = Oid("3.1.2.2.1.3.1");
const QString kPoolEnd = Oid("3.1.2.2.1.4.1");
const QString kLease = Oid("3.1.2.2.1.11.1");
const QString kStaticPool = Oid("3.1.3.2.1.");
const QString kStaticLeases = Oid("3.1.4.4.1.");
constexpr const char* kReconnect = "After the set take effect Please connect with new IP address!";

class LanDhcpPageTest : public PageSimTest {
public:
    static void SetUpTestSuite() {
        StartFleet("127.0.151.1", 2, {"--fault", "2:" + Oid("2.1.1.1.1") + ":genErr:set"});
    }
    static void TearDownTestSuite() { StopFleet(); }

protected:
    void SetUp() override {
        PageSimTest::SetUp();
        // The device's own address as a network would give it (loopback is no valid address).
        ASSERT_TRUE(Set(kLanIp, "a", "192.168.0.150"));
        ASSERT_TRUE(Set(Oid("2.1.1.1.1.4.1"), "a", "192.168.0.1"));
        ASSERT_TRUE(Set(kLanFrom, "i", "1"));
    }
    // The dynamic pool's Save with the server enabled, after `steps`.
    QJsonObject SavePool(QJsonArray steps) {
        steps.prepend(Step("set", "Function Enable/Disable", "Enable"));
        steps.append(Step("press", "Dynamic Pool Settings/Save"));
        return Drive("DHCP Server", steps);
    }
};

TEST_F(LanDhcpPageTest, DynamicAddressingSendsOnlyTheAddressSource) {
    Open();
    const size_t before = Sets().size();
    const QJsonObject report = Drive("LAN", {Step("set", "Get IP From", "Dynamic (DHCP)"), Step("press", "Save")});
    ASSERT_EQ(report.value("exit").toInt(), 0) << report.value("error").toString().toStdString();
    EXPECT_EQ(Varbinds(Sets(before)), QStringList{kLanFrom + "=2"});
    EXPECT_EQ(Get(kLanFrom, SnmpSyntax::Integer), "2");
    EXPECT_EQ(Strings(report, "messages"), QStringList{kReconnect});
    EXPECT_FALSE(report.value("visible").toObject().value("IP address").toBool());
    EXPECT_TRUE(Strings(report, "status").contains("Save OK!"));
}

TEST_F(LanDhcpPageTest, StaticAddressingIsCheckedAndSentWhole) {
    Open();
    size_t before = Sets().size();
    QJsonObject report = Drive("LAN", {Step("set", "IP address", "127.0.15.9"), Step("press", "Save")});
    EXPECT_EQ(Strings(report, "messages"), QStringList{"Please input valid IP Address."});
    EXPECT_TRUE(Sets(before).empty());
    report = Drive("LAN", {Step("set", "Subnet Mask", "255.0.255.0"), Step("press", "Save")});
    EXPECT_EQ(Strings(report, "messages"), QStringList{"Please input valid Subnet Mask."});
    EXPECT_TRUE(Sets(before).empty());

    report = Drive("LAN", {Step("set", "IP address", "192.168.0.151"), Step("set", "Subnet Mask", "255.255.255.0"),
                           Step("set", "Default Gateway", "192.168.0.254"), Step("press", "Save")});
    ASSERT_EQ(report.value("exit").toInt(), 0);
    const QStringList sent = Varbinds(Sets(before));
    EXPECT_EQ(sent.size(), 4) << sent.join(' ').toStdString();
    EXPECT_TRUE(sent.contains(kLanIp + "=192.168.0.151"));
    EXPECT_EQ(Get(kLanIp, SnmpSyntax::IpAddress), "192.168.0.151");
    EXPECT_EQ(Get(Oid("2.1.1.1.1.3.1"), SnmpSyntax::IpAddress), "255.255.255.0");
    EXPECT_EQ(Strings(report, "messages"), QStringList{kReconnect});
    // Saving what the device holds asks for no reconnection.
    report = Drive("LAN", {Step("press", "Save")});
    EXPECT_TRUE(Strings(report, "messages").isEmpty());
    EXPECT_EQ(Varbinds(Sets(before)).size(), 8);
}

TEST_F(LanDhcpPageTest, AFailedLanSetShowsNoReconnectMessage) {
    Open(2);
    const QJsonObject report = Drive("LAN", {Step("set", "Get IP From", "Dynamic (DHCP)"), Step("press", "Save")});
    EXPECT_TRUE(Strings(report, "messages").isEmpty()) << Strings(report, "messages").join('|').toStdString();
    EXPECT_FALSE(Strings(report, "status").contains("Save OK!"));
    EXPECT_EQ(Get(kLanFrom, SnmpSyntax::Integer), "1");
}

TEST_F(LanDhcpPageTest, LeaseTimeBoundsAndTheComputedEndAddress) {
    Open();
    size_t before = Sets().size();
    QJsonObject report = SavePool({Step("set", "Lease Time (60 - 31536000 sec)", "59")});
    EXPECT_EQ(Strings(report, "messages"), QStringList{"Please input a number between 60 and 31536000!"});
    EXPECT_TRUE(Sets(before).empty());

    for (const char* lease : {"60", "31536000"}) {
        report = SavePool({Step("set", "IP Assigned From", "192.168.0.10"), Step("set", "The Range of Pool (1-255)", "20"),
                           Step("set", "Lease Time (60 - 31536000 sec)", lease)});
        EXPECT_TRUE(Strings(report, "messages").isEmpty()) << Strings(report, "messages").join('|').toStdString();
        EXPECT_EQ(Get(kLease, SnmpSyntax::Integer), lease);
    }
    EXPECT_EQ(Get(kPoolStart, SnmpSyntax::IpAddress), "192.168.0.10");
    EXPECT_EQ(Get(kPoolEnd, SnmpSyntax::IpAddress), "192.168.0.29");
    EXPECT_EQ(Get(kFunction, SnmpSyntax::Integer), "1");
    // The refresh shows the pool's size again.
    report = Drive("DHCP Server", {});
    EXPECT_EQ(Field(report, "The Range of Pool (1-255)"), "20");
    ASSERT_TRUE(Set(kFunction, "i", "0"));
}

TEST_F(LanDhcpPageTest, PoolsThatCannotBeAreRefusedWithNothingSent) {
    Open();
    const size_t before = Sets().size();
    struct Case {
        const char* Start;
        const char* Size;
        const char* Message;
    };
    const Case cases[] = {
        {"192.168.0.100", "100", "Reject:DHCPS dynamic IP pool will cover system IP"},   // .100 to .199 holds .150
        {"192.168.0.100", "0", "Please input a number between 1 and 254."},
        {"192.168.0.100", "ten", "Please input a number between 1 and 254."},
        {"192.168.0.200", "60", "Invalid IP Range!"},
        {"127.0.0.5", "10", "Please input valid IP address"},
    };
    for (const Case& c : cases) {
        const QJsonObject report =
            SavePool({Step("set", "IP Assigned From", c.Start), Step("set", "The Range of Pool (1-255)", c.Size)});
        EXPECT_EQ(Strings(report, "messages"), QStringList{c.Message}) << c.Start << " " << c.Size;
    }
    EXPECT_TRUE(Sets(before).empty()) << Varbinds(Sets(before)).join(' ').toStdString();
}

TEST_F(LanDhcpPageTest, StaticEntriesAreAddedEditedListedAsLeasesAndDeleted) {
    Open();
    const QJsonArray add = {Step("press", "Static Pool Settings"), Step("press", "Add")};
    // Refused entries: nothing sent.
    const size_t before = Sets().size();
    struct Case {
        const char* Ip;
        const char* Mac;
        const char* Message;
    };
    const Case refused[] = {
        {"0.0.0.0", "0010A4B5C6D7", "Please input valid IP address"},
        {"192.168.0.50", "000000000000", "Please input valid MAC."},
        {"192.168.0.50", "0010A4B5C6", "Please input valid MAC."},
        {"192.168.0.150", "0010A4B5C6D7", "Reject: The IP is the system IP."},
    };
    for (const Case& c : refused) {
        QJsonArray steps = add;
        steps.append(Step("set", "IP Address", c.Ip));
        steps.append(Step("set", "MAC Address", c.Mac));
        steps.append(Step("set", "Static Entry/Subnet Mask", "255.255.255.0"));
        steps.append(Step("press", "OK"));
        const QJsonObject report = Drive("DHCP Server", steps);
        EXPECT_EQ(Strings(report, "messages"), QStringList{c.Message}) << c.Ip << " " << c.Mac;
    }
    EXPECT_TRUE(Sets(before).empty()) << Varbinds(Sets(before)).join(' ').toStdString();

    QJsonArray steps = add;
    for (const QJsonValue& step : QJsonArray{Step("set", "Host Name", "printer"), Step("set", "IP Address", "192.168.0.50"),
                                             Step("set", "MAC Address", "00:10:a4:b5:c6:d7"),
                                             Step("set", "Static Entry/Subnet Mask", "255.255.255.0"), Step("press", "OK")})
        steps.append(step);
    QJsonObject report = Drive("DHCP Server", steps);
    ASSERT_TRUE(Strings(report, "messages").isEmpty()) << Strings(report, "messages").join('|').toStdString();
    EXPECT_EQ(Get(kStaticPool + "4.1", SnmpSyntax::IpAddress), "192.168.0.50");
    EXPECT_EQ(Get(kStaticPool + "5.1", SnmpSyntax::MacAddress).toUpper(), "0010A4B5C6D7");
    EXPECT_EQ(Get(kStaticPool + "3.1", SnmpSyntax::DisplayString), "printer");
    std::vector<QStringList> rows = ListRows(report, "Static Pool");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], (QStringList{"1", "printer", "192.168.0.50", "0010A4B5C6D7"}));

    // The same MAC address in a second entry is refused.
    steps = add;
    steps.append(Step("set", "IP Address", "192.168.0.51"));
    steps.append(Step("set", "MAC Address", "0010A4B5C6D7"));
    steps.append(Step("set", "Static Entry/Subnet Mask", "255.255.255.0"));
    steps.append(Step("press", "OK"));
    report = Drive("DHCP Server", steps);
    EXPECT_EQ(Strings(report, "messages"),
              QStringList{"There is a existent entry with the same MAC Address.Please change the MAC Address."});

    // Edit writes the same row.
    report = Drive("DHCP Server", {Step("press", "Static Pool Settings"), Step("select", "Static Pool", "0"), Step("press", "Edit"),
                                   Step("set", "IP Address", "192.168.0.52"), Step("press", "OK")});
    EXPECT_TRUE(Strings(report, "messages").isEmpty()) << Strings(report, "messages").join('|').toStdString();
    EXPECT_EQ(Get(kStaticPool + "4.1", SnmpSyntax::IpAddress), "192.168.0.52");

    // The mapping's Refresh lists the entry as a static lease.
    report = Drive("DHCP Server", {Step("press", "Current IP Mapping List"), Step("press", "Refresh")});
    rows = ListRows(report, "Current DHCP Static Pools");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].value(2), "192.168.0.52");
    EXPECT_EQ(Get(kStaticLeases + "4.1", SnmpSyntax::IpAddress), "192.168.0.52");
    EXPECT_FALSE(ListRows(report, "Current DHCP Dynamic Pools").empty());

    // Delete asks first; Cancel keeps the entry, OK deletes it.
    const size_t beforeDelete = Sets().size();
    report = Drive("DHCP Server", {Step("press", "Static Pool Settings"), Step("answer", "", "cancel"),
                                   Step("select", "Static Pool", "0"), Step("press", "Del")});
    EXPECT_EQ(Strings(report, "messages"), QStringList{"Are you sure that you want to delete the selected entry ?"});
    EXPECT_TRUE(Sets(beforeDelete).empty());
    report = Drive("DHCP Server", {Step("press", "Static Pool Settings"), Step("select", "Static Pool", "0"), Step("press", "Del")});
    EXPECT_EQ(Varbinds(Sets(beforeDelete)), QStringList{Oid("3.1.3.3.0") + "=1"});
    EXPECT_TRUE(ListRows(report, "Static Pool").empty());
    EXPECT_EQ(Get(kStaticPool + "4.1", SnmpSyntax::IpAddress), "0.0.0.0");
    report = Drive("DHCP Server", {Step("press", "Static Pool Settings"), Step("press", "Del")});
    EXPECT_EQ(Strings(report, "messages"), QStringList{"No item selected!"});
}

}  // namespace
