// The Admin page against simulated devices: device 1 answers every probe
// (the range form), device 2 answers managerVLANID with noSuchObject (the
// two-address form), its ping control with genErr and refuses every set of
// its location. Read back over SNMP,
// the sets from the trace.
#include "PageSimFixture.h"

using namespace PageTest;

namespace {

const QString kPassword = Oid("4.1.1.1.3.1");
const QString kUserName = Oid("4.1.1.1.2.1");
const QString kStatus = Oid("4.10.1.1.0");
const QString kVlanId = Oid("4.10.1.2.0");
const QString kVlanState = Oid("3.6.1.1.0");
const QString kRangeStart = Oid("4.10.1.3.1.2.");
const QString kRangeEnd = Oid("4.10.1.3.1.3.");
const QString kRangeDelete = Oid("4.10.1.3.1.4.");
constexpr const char* kSuccess = "Setting Success.";

class AdminPageTest : public PageSimTest {
public:
    static void SetUpTestSuite() {
        StartFleet("127.0.152.1", 2,
                   {"--fault", "2:" + Oid("4.10.1.2.0") + ":noSuchObject:get", "--fault", "2:" + Oid("4.12.1") + ":genErr:get",
                    "--fault", "2:1.3.6.1.2.1.1.6.0:genErr:set"});
    }
    static void TearDownTestSuite() { StopFleet(); }

protected:
    QJsonObject Save(QJsonArray steps) {
        steps.append(Step("press", "Save"));
        return Drive("Admin", steps);
    }
    QString Password() const { return Get(kPassword, SnmpSyntax::DisplayString); }
    // Every range row back to free, through the device's own deletion.
    void ClearRanges() {
        for (int row = 1; row <= 4; ++row)
            ASSERT_TRUE(Set(kRangeDelete + QString::number(row), "i", "1"));
    }
};

TEST_F(AdminPageTest, ASaveOfTheSystemNameKeepsThePassword) {
    Open();
    ASSERT_TRUE(Set(kPassword, "s", "kept-secret"));
    const size_t before = Sets().size();
    const QJsonObject report = Save({Step("set", "System Name", "office-ap")});
    ASSERT_EQ(report.value("exit").toInt(), 0) << report.value("error").toString().toStdString();
    EXPECT_TRUE(Strings(report, "messages").isEmpty()) << Strings(report, "messages").join('|').toStdString();
    EXPECT_TRUE(Strings(report, "status").contains(kSuccess));
    EXPECT_EQ(Get("1.3.6.1.2.1.1.5.0", SnmpSyntax::DisplayString), "office-ap");
    EXPECT_EQ(Password(), "kept-secret");
    EXPECT_TRUE(Sent(Sets(before), kPassword).isEmpty()) << Varbinds(Sets(before)).join(' ').toStdString();
    EXPECT_EQ(Sent(Sets(before), kUserName).size(), 1);
    // The writes in their order: account, status, console, wireless administration, VLAN ID, ping, system.
    QStringList order;
    for (const auto& set : Sets(before))
        order << set.Varbinds.front().Oid;
    EXPECT_EQ(order, (QStringList{kUserName, kStatus, Oid("4.4.1.0"), Oid("4.11.3.0"), kVlanId, Oid("4.12.1.0"),
                                  "1.3.6.1.2.1.1.5.0"}));
    EXPECT_EQ(Field(report, "New Password"), "");
}

TEST_F(AdminPageTest, ANewPasswordNeedsTheOldOneAndTheSameConfirmation) {
    Open();
    ASSERT_TRUE(Set(kPassword, "s", "first"));
    const size_t before = Sets().size();
    QJsonObject report = Save({Step("set", "Old Password", "wrong"), Step("set", "New Password", "second"),
                               Step("set", "Confirm Password", "second")});
    EXPECT_EQ(Strings(report, "messages"), QStringList{"Old password is wrong!Please input again"});
    report = Save({Step("set", "Old Password", "first"), Step("set", "New Password", "second"),
                   Step("set", "Confirm Password", "secnod")});
    EXPECT_EQ(Strings(report, "messages"), QStringList{"The Password is not match!Please enter again!"});
    report = Save({Step("set", "Confirm Password", "second")});   // a confirmation alone is a change too
    EXPECT_EQ(Strings(report, "messages"), QStringList{"Old password is wrong!Please input again"});
    EXPECT_TRUE(Sets(before).empty());
    EXPECT_EQ(Password(), "first");

    report = Save({Step("set", "Old Password", "first"), Step("set", "New Password", "second"),
                   Step("set", "Confirm Password", "second")});
    EXPECT_TRUE(Strings(report, "messages").isEmpty()) << Strings(report, "messages").join('|').toStdString();
    EXPECT_EQ(Password(), "second");
    EXPECT_EQ(Sent(Sets(before), kPassword), QStringList{kPassword + "=second"});

    report = Save({Step("set", "User Name", QString(65, 'u'))});
    EXPECT_EQ(Strings(report, "messages"), QStringList{"Please limit user name to 64 characters!"});
    report = Save({Step("set", "System Name", "")});
    EXPECT_EQ(Strings(report, "messages"), QStringList{"The System Name field can not be blank."});
}

TEST_F(AdminPageTest, VidBoundsAndTheVlanStateWrittenAsDisable) {
    Open();
    ASSERT_TRUE(Set(kVlanState, "i", "1"));
    const size_t before = Sets().size();
    for (const char* vid : {"0", "4095", "x"}) {
        const QJsonObject report = Save({Step("check", "Limit Administrator VID"), Step("set", "VID", vid)});
        EXPECT_EQ(Strings(report, "messages"), QStringList{"Please input valid VID!"}) << vid;
    }
    EXPECT_TRUE(Sets(before).empty());
    for (const char* vid : {"1", "4094"}) {
        const QJsonObject report = Save({Step("check", "Limit Administrator VID"), Step("set", "VID", vid)});
        EXPECT_TRUE(Strings(report, "messages").isEmpty()) << vid;
        EXPECT_EQ(Get(kVlanId, SnmpSyntax::Integer), vid);
        EXPECT_EQ(Get(kStatus, SnmpSyntax::Integer), "1");   // VLANID
    }
    EXPECT_EQ(Get(kVlanState, SnmpSyntax::Integer), "0");
    EXPECT_EQ(Sent(Sets(before), kVlanState).last(), kVlanState + "=0");
    // The refresh shows the limit again: the VID box is checked.
    QJsonObject report = Drive("Admin", {});
    EXPECT_EQ(Field(report, "Limit Administrator VID"), "checked");
    EXPECT_TRUE(report.value("enabled").toObject().value("VID").toBool());
    report = Save({Step("uncheck", "Limit Administrator VID")});
    EXPECT_EQ(Get(kStatus, SnmpSyntax::Integer), "0");
}

TEST_F(AdminPageTest, RangesFollowTheirRulesAndAreDeletedByTheirRow) {
    Open();
    ClearRanges();
    const size_t before = Sets().size();
    struct Case {
        const char* From;
        const char* To;
        const char* Message;
    };
    const Case refused[] = {
        {"", "192.168.1.20", "The IP address should not be empty!"},
        {"192.168.1.0", "192.168.1.20", "Invalid IP address!"},
        {"192.168.1.30", "192.168.1.20", "The IP range is not right,please check..."},
        {"192.168.1.10", "192.168.2.20", "The IP range is not right,please check..."},
    };
    for (const Case& c : refused) {
        const QJsonObject report = Drive("Admin", {Step("set", "Limit Administrator IP 1", c.From),
                                                   Step("set", "Limit Administrator IP 2", c.To), Step("press", "Add")});
        EXPECT_EQ(Strings(report, "messages"), QStringList{c.Message}) << c.From << " " << c.To;
    }
    EXPECT_TRUE(Sets(before).empty());

    QJsonObject report;
    for (int n = 1; n <= 4; ++n) {
        report = Drive("Admin", {Step("set", "Limit Administrator IP 1", QString("192.168.%1.10").arg(n)),
                                 Step("set", "Limit Administrator IP 2", QString("192.168.%1.20").arg(n)), Step("press", "Add")});
        EXPECT_TRUE(Strings(report, "messages").isEmpty()) << Strings(report, "messages").join('|').toStdString();
    }
    EXPECT_EQ(Get(kRangeStart + "3", SnmpSyntax::IpAddress), "192.168.3.10");
    EXPECT_EQ(Get(kRangeEnd + "3", SnmpSyntax::IpAddress), "192.168.3.20");
    std::vector<QStringList> rows = ListRows(report, "IP Range List");
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], (QStringList{"1", "192.168.1.10", "192.168.1.20"}));
    const size_t full = Sets().size();
    report = Drive("Admin", {Step("set", "Limit Administrator IP 1", "192.168.5.10"),
                             Step("set", "Limit Administrator IP 2", "192.168.5.20"), Step("press", "Add")});
    EXPECT_EQ(Strings(report, "messages"), QStringList{"Maximum number of IP Range List is 4!"});
    EXPECT_EQ(Field(report, "Limit Administrator IP 1"), "");
    EXPECT_TRUE(Sets(full).empty());

    report = Drive("Admin", {Step("select", "IP Range List", "1"), Step("press", "Del")});
    EXPECT_EQ(Varbinds(Sets(full)), QStringList{kRangeDelete + "2=1"});
    rows = ListRows(report, "IP Range List");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].value(0), "3");
    EXPECT_EQ(Get(kRangeStart + "2", SnmpSyntax::IpAddress), "0.0.0.0");
    ClearRanges();
}

TEST_F(AdminPageTest, AnEmptyRangeListTurnsTheLimitByAddressOff) {
    Open();
    ClearRanges();
    const QJsonObject report = Save({Step("check", "Limit Administrator IP")});
    EXPECT_EQ(Strings(report, "messages"),
              QStringList{"The IP Range List is empty.\nThe Limit Administrator IP function will be disabled!"});
    EXPECT_TRUE(Strings(report, "status").contains(kSuccess));
    EXPECT_EQ(Get(kStatus, SnmpSyntax::Integer), "0");
}

TEST_F(AdminPageTest, ADeviceWithoutManagementVlanShowsTheTwoAddressForm) {
    Open(2);
    QJsonObject report = Drive("Admin", {});
    const QJsonObject visible = report.value("visible").toObject();
    EXPECT_FALSE(visible.value("VID").toBool());
    EXPECT_FALSE(visible.value("Limit Administrator VID").toBool());
    EXPECT_TRUE(visible.value("Limit Administrator IP 1").toBool());
    EXPECT_FALSE(visible.value("Enable").toBool());   // the ping control answered with an error
    EXPECT_TRUE(visible.value("Administrate AP with WLAN").toBool());

    const size_t before = Sets().size();
    report = Save({Step("check", "Limit Administrator IP")});
    EXPECT_EQ(Strings(report, "messages"), QStringList{"You at least must input one IP address!"});
    report = Save({Step("check", "Limit Administrator IP"), Step("set", "Limit Administrator IP 1", "192.168.1.5"),
                   Step("set", "Limit Administrator IP 2", "192.168.1.5")});
    EXPECT_EQ(Strings(report, "messages"), QStringList{"Limit Administrator IP 1 is the same as Limit Administrator IP 2."});
    report = Save({Step("check", "Limit Administrator IP"), Step("set", "Limit Administrator IP 1", "224.0.0.1")});
    EXPECT_EQ(Strings(report, "messages"), QStringList{"Invalid IP address!"});
    EXPECT_TRUE(Sets(before).empty());

    report = Save({Step("check", "Limit Administrator IP"), Step("set", "Limit Administrator IP 1", "192.168.1.5"),
                   Step("set", "Limit Administrator IP 2", "")});
    EXPECT_TRUE(Strings(report, "messages").isEmpty()) << Strings(report, "messages").join('|').toStdString();
    const QStringList sent = Varbinds(Sets(before));
    EXPECT_TRUE(sent.contains(kStatus + "=2")) << sent.join(' ').toStdString();
    EXPECT_TRUE(sent.contains(Oid("4.10.1.3.1.2.0") + "=192.168.1.5"));
    EXPECT_TRUE(sent.contains(Oid("4.10.1.3.1.3.0") + "=0.0.0.0"));
    EXPECT_TRUE(Sent(Sets(before), kVlanId).isEmpty());
    EXPECT_TRUE(Sent(Sets(before), Oid("4.12.1")).isEmpty());
    EXPECT_EQ(Get(kStatus, SnmpSyntax::Integer), "2");
    ASSERT_TRUE(Set(kStatus, "i", "0"));
}

TEST_F(AdminPageTest, TheConsoleRadioDecidesWhatIsWritten) {
    Open();
    QJsonObject report = Save({Step("set", "Console Protocol", "SSH")});
    EXPECT_TRUE(Strings(report, "messages").isEmpty());
    EXPECT_EQ(Get(Oid("4.4.1.0"), SnmpSyntax::Integer), "0");
    EXPECT_EQ(Get(Oid("4.4.2.0"), SnmpSyntax::Integer), "1");
    EXPECT_EQ(Field(report, "Console Protocol"), "SSH");   // as read again after the save
    const size_t before = Sets().size();
    report = Save({Step("set", "Console Protocol", "None")});
    EXPECT_FALSE(report.value("enabled").toObject().value("Timeout").toBool());
    EXPECT_EQ(Get(Oid("4.4.1.0"), SnmpSyntax::Integer), "0");
    EXPECT_EQ(Get(Oid("4.4.2.0"), SnmpSyntax::Integer), "0");
    EXPECT_TRUE(Sent(Sets(before), Oid("4.4.3")).isEmpty()) << "with None the time-out is only read";
    report = Save({Step("set", "Console Protocol", "Telnet"), Step("set", "Timeout", "10 Mins")});
    EXPECT_EQ(Get(Oid("4.4.1.0"), SnmpSyntax::Integer), "1");
    EXPECT_EQ(Get(Oid("4.4.2.0"), SnmpSyntax::Integer), "0");
    EXPECT_EQ(Field(report, "Console Protocol"), "Telnet");
    EXPECT_EQ(Get(Oid("4.4.3.0"), SnmpSyntax::Integer), "4");
    EXPECT_TRUE(report.value("enabled").toObject().value("Timeout").toBool());
}

TEST_F(AdminPageTest, AFailedWriteStopsTheSaveWithSettingError) {
    Open(2);
    const size_t before = Sets().size();
    const QJsonObject report = Save({Step("set", "User Name", "operator"), Step("set", "Location", "Hall")});
    EXPECT_TRUE(Strings(report, "messages").isEmpty());
    const QStringList status = Strings(report, "status");
    EXPECT_EQ(status.last(), "Setting Error.") << status.join(" | ").toStdString();
    EXPECT_FALSE(status.contains(kSuccess));
    // What was written before the failure stays; the system write was the last one tried.
    EXPECT_EQ(Get(kUserName, SnmpSyntax::DisplayString), "operator");
    const auto sets = Sets(before);
    ASSERT_FALSE(sets.empty());
    EXPECT_EQ(sets.back().Varbinds.front().Oid, "1.3.6.1.2.1.1.5.0");
    EXPECT_NE(Get("1.3.6.1.2.1.1.6.0", SnmpSyntax::DisplayString), "Hall");
    ASSERT_TRUE(Set(kUserName, "s", "admin"));
}

}  // namespace
