// The filter page in its two modes against simulated devices: device 2 is a
// wireless client and refuses every address added to its list. Read back over SNMP, the sets from the trace.
#include "PageSimFixture.h"

using namespace PageTest;

namespace {

const QString kAclMode = Oid("2.1.3.3.2.3.2.1.1.1");
const QString kAclAdd = Oid("2.1.3.3.2.3.2.1.2.1");
const QString kAclList = Oid("2.1.3.3.2.3.3.1.2.");
const QString kEthernetToWlan = Oid("2.1.3.3.2.3.1.1.2.1");
const QString kApMode = Oid("2.1.3.3.1.1.1.28.1");

class FilterPageTest : public PageSimTest {
public:
    static void SetUpTestSuite() { StartFleet("127.0.154.1", 2, {"--fault", "2:" + Oid("2.1.3.3.2.3.2.1.2.1") + ":genErr:set"}); }
    static void TearDownTestSuite() { StopFleet(); }

protected:
    QJsonObject Acl(QJsonArray steps) {
        steps.prepend(Step("set", "Access Control", "Accept"));
        return Drive("Filters", steps);
    }
};

TEST_F(FilterPageTest, AddressesAreAddedOnceAndDeleted) {
    Open();
    const size_t before = Sets().size();
    const char* refused[][2] = {
        {"0010A4B5C6", "The length is 12 in MAC Address."},
        {"000000000000", "The length is 12 in MAC Address."},
        {"0010A4B5C6ZZ", "Please input a valid MAC Address."},
        {"01005E000001", "Please input a valid MAC Address."},   // a group address is no station
    };
    for (const auto& [mac, message] : refused) {
        const QJsonObject report = Acl({Step("set", "MAC Address", mac), Step("press", "Add")});
        EXPECT_EQ(Strings(report, "messages"), QStringList{message}) << mac;
    }
    EXPECT_TRUE(Sets(before).empty());

    QJsonObject report = Acl({Step("set", "MAC Address", "00:10:A4:B5:C6:D7"), Step("press", "Add")});
    EXPECT_TRUE(Strings(report, "messages").isEmpty()) << Strings(report, "messages").join('|').toStdString();
    EXPECT_EQ(Varbinds(Sets(before)), QStringList{kAclAdd + "=0010A4B5C6D7"});
    EXPECT_EQ(Get(kAclList + "1.1", SnmpSyntax::MacAddress).toUpper(), "0010A4B5C6D7");
    std::vector<QStringList> rows = ListRows(report, "MAC Address List");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].value(1), "0010A4B5C6D7");

    const size_t added = Sets().size();
    report = Acl({Step("set", "MAC Address", "0010a4b5c6d7"), Step("press", "Add")});
    EXPECT_EQ(Strings(report, "messages"), QStringList{"Reject: The MAC already exists"});
    EXPECT_TRUE(Sets(added).empty());

    report = Acl({Step("press", "Del")});
    EXPECT_EQ(Strings(report, "messages"), QStringList{"No item selected!"});
    report = Acl({Step("select", "MAC Address List", "0"), Step("press", "Del")});
    EXPECT_TRUE(ListRows(report, "MAC Address List").empty());
    EXPECT_EQ(Get(kAclList + "1.1", SnmpSyntax::MacAddress).toUpper(), "000000000000");
}

TEST_F(FilterPageTest, AClientIsAddedFromTheClientList) {
    Open();
    QJsonObject report = Acl({});
    const std::vector<QStringList> clients = ListRows(report, "Current Client Information");
    ASSERT_FALSE(clients.empty());
    EXPECT_EQ(clients[0].size(), 5);
    report = Acl({Step("select", "Current Client Information", "0"), Step("press", "Add Client")});
    EXPECT_TRUE(Strings(report, "messages").isEmpty()) << Strings(report, "messages").join('|').toStdString();
    const std::vector<QStringList> rows = ListRows(report, "MAC Address List");
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.back().value(1), clients[0].value(0));
    report = Acl({Step("select", "MAC Address List", QString::number(rows.size() - 1)), Step("press", "Del")});
}

TEST_F(FilterPageTest, TheAccessControlIsSavedAndDisableLocksTheList) {
    Open();
    QJsonObject report = Acl({Step("press", "Wireless MAC ACL/Save")});
    EXPECT_TRUE(Strings(report, "status").contains("Setting OK!"));
    EXPECT_EQ(Get(kAclMode, SnmpSyntax::Integer), "1");
    report = Drive("Filters", {Step("set", "Access Control", "Disable"), Step("press", "Wireless MAC ACL/Save")});
    EXPECT_EQ(Get(kAclMode, SnmpSyntax::Integer), "3");
    EXPECT_FALSE(report.value("enabled").toObject().value("MAC Address").toBool());
    EXPECT_FALSE(report.value("visible").toObject().value("Primary SSID").toBool());   // the ACL mode
}

TEST_F(FilterPageTest, ThePartitionAsksBeforeBlockingEthernetToWlan) {
    Open();
    ASSERT_TRUE(Set(kEthernetToWlan, "i", "1"));
    QJsonObject report = Drive("WLAN Partition", {Step("answer", "", "cancel"), Step("uncheck", "Ethernet to WLAN Access")});
    EXPECT_EQ(report.value("exit").toInt(), 1);   // the box is checked again
    EXPECT_EQ(Strings(report, "messages"),
              QStringList{"AP will block all multicast/broadcast packets from Ethernet to Wireless, except DHCP's"});
    EXPECT_EQ(Field(report, "Ethernet to WLAN Access"), "checked");
    EXPECT_TRUE(report.value("visible").toObject().value("Primary SSID").toBool());
    EXPECT_FALSE(report.value("visible").toObject().value("Access Control").toBool());

    report = Drive("WLAN Partition", {Step("uncheck", "Ethernet to WLAN Access"), Step("set", "Primary SSID", "guestmode"),
                                      Step("press", "WLAN Partition Settings/Save")});
    ASSERT_EQ(report.value("exit").toInt(), 0) << report.value("error").toString().toStdString();
    EXPECT_TRUE(Strings(report, "status").contains("Setting OK!"));
    EXPECT_EQ(Get(kEthernetToWlan, SnmpSyntax::Integer), "0");
    EXPECT_EQ(Get(Oid("2.1.3.3.2.3.1.1.4.1"), SnmpSyntax::Integer), "2");
}

TEST_F(FilterPageTest, AWirelessClientHasItsAccessListSwitchedOff) {
    device_ = 2;
    ASSERT_TRUE(Set(kApMode, "i", "4"));   // Wireless Client
    Open(2);
    const size_t before = Sets().size();
    const QJsonObject report = Drive("Filters", {});
    EXPECT_EQ(Strings(report, "messages"), QStringList{"AP Mode is Wireless Client, the Wireless MAC ACL will be invalid!"});
    EXPECT_EQ(Field(report, "Access Control"), "Disable");
    EXPECT_FALSE(report.value("enabled").toObject().value("Access Control").toBool());
    EXPECT_TRUE(Sets(before).empty());
    EXPECT_TRUE(Strings(Drive("WLAN Partition", {}), "messages").isEmpty());
    // Enabling the DHCP server of a wireless client warns (and may go on).
    const QJsonObject dhcp = Drive("DHCP Server", {Step("set", "Function Enable/Disable", "Enable")});
    EXPECT_EQ(Strings(dhcp, "messages"), QStringList{"AP Mode is Wireless Client, The DHCP Server will be invalid!"});
    ASSERT_TRUE(Set(kApMode, "i", "1"));
}

TEST_F(FilterPageTest, AFailedAddSaysSo) {
    Open(2);
    const QJsonObject report = Acl({Step("set", "MAC Address", "0010A4B5C6D8"), Step("press", "Add")});
    EXPECT_EQ(Strings(report, "status").value(Strings(report, "status").size() - 2), "Set Error!")
        << Strings(report, "status").join(" | ").toStdString();
    EXPECT_TRUE(ListRows(report, "MAC Address List").empty());
}

TEST_F(FilterPageTest, TheGroupingPageIsBuiltButNeverShown) {
    Open();
    CPage* grouping = Page("Grouping");
    ASSERT_NE(grouping, nullptr);
    EXPECT_TRUE(Drive("Filters", {}).value("exit").toInt() == 0);
    EXPECT_FALSE(grouping->isVisible());
}

}  // namespace
