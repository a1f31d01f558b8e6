// The wireless page against simulated devices: the changed-field record (a
// save sends only the changed groups), the remote AP list, the AP-mode
// entries from the capabilities, the checks with their messages (nothing
// sent), the surveys and the clone list, and devices that answer oddly.
#include "RadioPagesFixture.h"
#include "snmp/CZRException.h"
#include <QTreeWidget>
#include <set>

namespace {
using namespace RadioTest;
using WirelessPageTest = RadioPagesTest;

const QString kBasic = kEnterprise + "2.1.3.3.1.1.1.";
const QString kSsid = kBasic + "1.1";
const QString kApMode = kBasic + "28.1";
const QString kRemoteAp = kEnterprise + "2.1.3.3.1.2.1.1.2.1.";
const QString kDeleteAll = kEnterprise + "2.1.3.3.1.2.2.1.3.1";
const QString kAddAp = kEnterprise + "2.1.3.3.1.2.2.1.1.1";
const QString kSecurity = kEnterprise + "2.1.3.3.2.1.1.";

QStringList Oids(const TestSupport::SimTraceRecord& set) {
    QStringList oids;
    for (const auto& vb : set.Varbinds)
        oids << vb.Oid;
    return oids;
}

std::set<QString> OidSet(const TestSupport::SimTraceRecord& set) {
    const QStringList oids = Oids(set);
    return {oids.begin(), oids.end()};
}

QString ValueSent(const TestSupport::SimTraceRecord& set, const QString& oid) {
    for (const auto& vb : set.Varbinds)
        if (vb.Oid == oid)
            return vb.Value;
    return QStringLiteral("<not sent>");
}

TEST_F(WirelessPageTest, ASaveWithoutChangesSendsNoSet) {
    ASSERT_NE(Open(1, "Wireless"), nullptr);
    EXPECT_EQ(Status(), "Get OK.");
    EXPECT_EQ(Text("SSID"), Get(1, kSsid));
    const size_t before = Sets().size();
    ASSERT_TRUE(Press("Save"));
    EXPECT_EQ(Sets().size(), before);
    EXPECT_TRUE(messages->Boxes.empty()) << messages->Texts().join('|').toStdString();
}

TEST_F(WirelessPageTest, ChangingOnlyTheSsidSendsOnlyTheBasicGroup) {
    ASSERT_NE(Open(1, "Wireless"), nullptr);
    const size_t before = Sets().size();
    Set("SSID", "Lobby Net");
    ASSERT_TRUE(Press("Save"));
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), before + 1);
    const QStringList basicGroup{kBasic + "40.1", kApMode, kSsid, kBasic + "2.1", kBasic + "3.1", kBasic + "24.1"};
    EXPECT_TRUE(Oids(sets.back()).contains(kSsid));
    for (const QString& oid : Oids(sets.back()))
        EXPECT_TRUE(basicGroup.contains(oid)) << oid.toStdString();
    EXPECT_EQ(ValueSent(sets.back(), kSsid), "Lobby Net");
    EXPECT_EQ(Get(1, kSsid), "Lobby Net");
    ShellTest::StatusLog status(ManagementWindow::Frame());
    // A second save has nothing new to send.
    ASSERT_TRUE(Press("Save"));
    EXPECT_EQ(Sets().size(), before + 1);
    Set("SSID", "nxa7310");
    ASSERT_TRUE(Press("Save"));
    EXPECT_TRUE(status.Contains("Send SNMP packet, please wait!"));
    EXPECT_TRUE(status.Contains("Setting Success!"));
}

TEST_F(WirelessPageTest, TheRemoteApListEndsOnTheDeviceExactlyAsTyped) {
    ASSERT_NE(Open(1, "Wireless"), nullptr);
    Set("AP Mode", "WDS with AP");
    EXPECT_TRUE(page->FindField("Remote AP MAC Address 1")->Widget()->isVisibleTo(page));
    const size_t before = Sets().size();
    Set("Remote AP MAC Address 1", "00AABBCCDD03");
    Set("Remote AP MAC Address 2", "00aabbccdd01");
    Set("Remote AP MAC Address 3", "00AABBCCDD02");
    ASSERT_TRUE(Press("Save"));
    EXPECT_TRUE(messages->Boxes.empty()) << messages->Texts().join('|').toStdString();
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), before + 5);   // the mode, delete-all, three adds
    EXPECT_EQ(ValueSent(sets[before], kApMode), "2");
    EXPECT_EQ(Oids(sets[before + 1]), QStringList{kDeleteAll});
    EXPECT_EQ(ValueSent(sets[before + 1], kDeleteAll), "1");
    const QStringList typed{"00AABBCCDD03", "00AABBCCDD01", "00AABBCCDD02"};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(ValueSent(sets[before + 2 + static_cast<size_t>(i)], kAddAp), typed[i]);
    for (int i = 1; i <= 8; ++i)
        EXPECT_EQ(Get(1, kRemoteAp + QString::number(i), SnmpSyntax::MacAddress).toUpper(),
                  i <= 3 ? typed[i - 1] : QStringLiteral("000000000000"));
    // A shorter list replaces it: field 2 emptied, field 3 moves up.
    ASSERT_NE(Show(), nullptr);
    EXPECT_EQ(Text("Remote AP MAC Address 2"), "00AABBCCDD01");
    Set("Remote AP MAC Address 2", "00AABBCCDD02");
    Set("Remote AP MAC Address 3", "");
    ASSERT_TRUE(Press("Save"));
    EXPECT_EQ(Get(1, kRemoteAp + "2", SnmpSyntax::MacAddress).toUpper(), "00AABBCCDD02");
    EXPECT_EQ(Get(1, kRemoteAp + "3", SnmpSyntax::MacAddress).toUpper(), "000000000000");
    Set("AP Mode", "Access Point");
    ASSERT_TRUE(Press("Save"));
    EXPECT_EQ(Get(1, kApMode, SnmpSyntax::Integer), "1");
}

// Each refused input shows the page's text and sends nothing.
TEST_F(WirelessPageTest, BadInputIsRefusedWithItsMessageAndNothingIsSent) {
    struct Case {
        std::vector<std::pair<QString, QString>> Input;
        QString Message;
    };
    const QString hex26 = "0123456789ABCDEF0123456789";
    const std::vector<Case> cases = {
        {{{"SSID", QString(33, 'x')}}, "The Max Length of SSID is 32!"},
        {{{"SSID", " lobby"}}, "The first character can't be blank."},
        {{{"SSID", ""}}, "Please Input SSID."},
        {{{"AP Mode", "WDS"}, {"SSID", "lobby "}}, "The first character and last character can't be blank."},
        {{{"AP Mode", "WDS with AP"}, {"Remote AP MAC Address 1", ""}, {"Remote AP MAC Address 2", "00AABBCCDD01"}},
         "Please input MAC address in first blank space!"},
        {{{"AP Mode", "WDS with AP"}, {"Remote AP MAC Address 1", "00AABBCCDD0"}}, "The length of MAC address is 12"},
        {{{"AP Mode", "WDS with AP"}, {"Remote AP MAC Address 1", "00AABBCCDD01"}, {"Remote AP MAC Address 2", "00aabbccdd01"}},
         "Exist same MAC address."},
        {{{"Authentication", "Open System"}, {"Encryption", "Enable"}, {"Key Type", "HEX"}, {"Key Size", "128 Bits"},
          {"First Key", hex26.left(25)}, {"Second Key", hex26}, {"Third Key", hex26}, {"Fourth Key", hex26}},
         "The Length of key must be 26!"},
        {{{"Authentication", "Open System"}, {"Encryption", "Enable"}, {"Key Type", "HEX"}, {"Key Size", "64 Bits"},
          {"First Key", "0123456789"}, {"Second Key", "012345678G"}, {"Third Key", "0123456789"}, {"Fourth Key", "0123456789"}},
         "Please input  Hexadecimal digits!"},
        {{{"Authentication", "WPA-Personal"}, {"PassPhrase", "1234567"}, {"Confirmed Passphrase", "1234567"}},
         "The length of PassPhrase is between 8 and 63."},
        {{{"Authentication", "WPA-Personal"}, {"PassPhrase", QString(64, 'p')}, {"Confirmed Passphrase", QString(64, 'p')}},
         "The length of PassPhrase is between 8 and 63."},
        {{{"Authentication", "WPA-Personal"}, {"PassPhrase", "12345678"}, {"Confirmed Passphrase", "12345679"}},
         "The Passphrase and Confirmed Passphrase are not matched."},
        {{{"Authentication", "WPA-Personal"}, {"PassPhrase", "12345678"}, {"Confirmed Passphrase", "12345678"},
          {"Group Key Update Interval", "299"}},
         "Please input a number between 300 and 9999999."},
        {{{"Authentication", "WPA-Enterprise"}, {"RADIUS Server", "10.0.0.5"}, {"RADIUS Port", "0"}, {"Shared Secret", "s"}},
         "Please input a number between 1 and 65535."},
        {{{"Authentication", "WPA-Enterprise"}, {"RADIUS Server", "10.0.0.5"}, {"RADIUS Port", "65536"}, {"Shared Secret", "s"}},
         "Please input a number between 1 and 65535."},
        {{{"Authentication", "WPA-Enterprise"}, {"RADIUS Server", "10.0.0.5"}, {"RADIUS Port", "1812"}, {"Shared Secret", ""}},
         "The Shared Secret of Radius Server can not be empty."},
        {{{"Authentication", "802.1x"}, {"RADIUS Server", "10.0.0.5"}, {"RADIUS Port", "1812"}, {"Shared Secret", "s"},
          {"Key Update Interval (Seconds)", "299"}},
         "The range of 802.1x Key Update Interval is 300 to 9999999."},
    };
    ASSERT_NE(Open(1, "Wireless"), nullptr);
    for (const Case& c : cases) {
        ASSERT_NE(Show(), nullptr);
        messages->Boxes.clear();
        const size_t before = Sets().size();
        for (const auto& [field, text] : c.Input)
            Set(field, text);
        ASSERT_TRUE(Press("Save"));
        EXPECT_EQ(LastBox(), c.Message) << c.Input.back().first.toStdString();
        EXPECT_EQ(Sets().size(), before) << c.Message.toStdString();
    }
}

TEST_F(WirelessPageTest, TheLimitsOfEachFormAreAcceptedAndSendOnlyTheFormsVariables) {
    ASSERT_NE(Open(1, "Wireless"), nullptr);
    for (const auto& [pass, interval] : {std::pair<QString, QString>{QString(8, 'a'), "300"}, {QString(63, 'b'), "9999999"}}) {
        ASSERT_NE(Show(), nullptr);
        const size_t before = Sets().size();
        Set("Authentication", "WPA-Personal");
        Set("WPA Mode", "WPA2 Only");
        Set("PassPhrase", pass);
        Set("Confirmed Passphrase", pass);
        Set("Group Key Update Interval", interval);
        ASSERT_TRUE(Press("Save"));
        EXPECT_TRUE(messages->Boxes.empty()) << messages->Texts().join('|').toStdString();
        const auto sets = Sets();
        ASSERT_EQ(sets.size(), before + 1);
        const std::set<QString> sent = OidSet(sets.back());
        const std::set<QString> personal{kSecurity + "1.1", kSecurity + "4.1", kSecurity + "5.1", kSecurity + "6.1"};
        EXPECT_EQ(sent, personal);
        EXPECT_EQ(Get(1, kSecurity + "1.1", SnmpSyntax::Integer), "6");   // WPA2-Personal
        EXPECT_EQ(Get(1, kSecurity + "4.1"), pass);
        EXPECT_EQ(Get(1, kSecurity + "6.1", SnmpSyntax::Integer), interval);
    }
    // The selectors show the device's value again.
    ASSERT_NE(Show(), nullptr);
    EXPECT_EQ(Text("Authentication"), "WPA-Personal");
    EXPECT_EQ(Text("WPA Mode"), "WPA2 Only");
    // A 64-bit ASCII key of 5 characters is taken; the WEP form sends the keys.
    const size_t before = Sets().size();
    Set("Authentication", "Open System");
    Set("Encryption", "Enable");
    Set("Key Type", "ASCII");
    Set("Key Size", "64 Bits");
    for (const char* key : {"First Key", "Second Key", "Third Key", "Fourth Key"})
        Set(key, "abcde");
    ASSERT_TRUE(Press("Save"));
    EXPECT_TRUE(messages->Boxes.empty()) << messages->Texts().join('|').toStdString();
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), before + 2);   // security, then the keys
    const std::set<QString> sent = OidSet(sets[before]);
    EXPECT_EQ(sent, (std::set<QString>{kSecurity + "1.1", kSecurity + "2.1", kSecurity + "3.1"}));
    EXPECT_EQ(Get(1, kEnterprise + "2.1.3.3.2.2.1.3.1.3"), "abcde");
    // The RADIUS port limits are accepted on the enterprise form.
    ASSERT_NE(Show(), nullptr);
    Set("Authentication", "WPA-Enterprise");
    Set("RADIUS Server", "10.0.0.5");
    Set("RADIUS Port", "65535");
    Set("Shared Secret", "secret");
    Set("RADIUS Server Mode", "Internal ");
    ASSERT_TRUE(Press("Save"));
    EXPECT_TRUE(messages->Boxes.empty()) << messages->Texts().join('|').toStdString();
    EXPECT_EQ(Get(1, kSecurity + "9.1", SnmpSyntax::Integer), "65535");
    EXPECT_EQ(Get(1, kSecurity + "23.1", SnmpSyntax::Integer), "2");   // local
    ASSERT_NE(Show(), nullptr);
    EXPECT_EQ(Text("RADIUS Server Mode"), "Internal ");
    EXPECT_EQ(Text("RADIUS Port"), "65535");
    EXPECT_EQ(Get(1, kSecurity + "1.1", SnmpSyntax::Integer), "9");   // WPA-Auto-Enterprise
}

TEST_F(WirelessPageTest, TheApModeEntriesFollowTheCapabilities) {
    ASSERT_NE(Open(1, "Wireless"), nullptr);
    EXPECT_EQ(Items("AP Mode"), (QStringList{"Access Point", "WDS with AP", "WDS", "Universal Repeater", "Wireless Client"}));
    EXPECT_TRUE(ManagementWindow::Close());
    ASSERT_NE(Open(2, "Wireless"), nullptr);
    EXPECT_EQ(Items("AP Mode"), (QStringList{"Access Point", "WDS with AP", "Wireless Client"}));
    EXPECT_TRUE(ManagementWindow::Close());
    ASSERT_NE(Open(3, "Wireless"), nullptr);
    EXPECT_EQ(Items("AP Mode"), (QStringList{"Access Point", "WDS with AP", "WDS", "AP Repeater", "Wireless Client"}));
    // "AP Repeater" is the repeater mode on the wire.
    Set("AP Mode", "AP Repeater");
    ASSERT_TRUE(Press("Save"));
    EXPECT_EQ(Get(3, kApMode, SnmpSyntax::Integer), "5");
    ASSERT_NE(Show(), nullptr);
    EXPECT_EQ(Text("AP Mode"), "AP Repeater");
    EXPECT_FALSE(page->FindField("Channel Width")->Widget()->isEnabled());
    Set("AP Mode", "Access Point");
    ASSERT_TRUE(Press("Save"));
    EXPECT_TRUE(ManagementWindow::Close());
    // A mask of 0: no entry, and the page still saves what changed.
    ASSERT_NE(Open(4, "Wireless"), nullptr);
    EXPECT_TRUE(Items("AP Mode").isEmpty());
    const size_t before = Sets().size();
    Set("SSID", "no modes");
    ASSERT_TRUE(Press("Save"));
    ASSERT_EQ(Sets().size(), before + 1);
    EXPECT_FALSE(Oids(Sets().back()).contains(kApMode));
    EXPECT_EQ(Get(4, kSsid), "no modes");
}

TEST_F(WirelessPageTest, LeavingAccessPointWarnsThatMultiSsidGoes) {
    const QString mssid = kEnterprise + "3.3.1.1.1.1";
    Put(1, mssid, SnmpSyntax::Integer, "1");
    ASSERT_NE(Open(1, "Wireless"), nullptr);
    messages->Answer = MessageBox::AnswerCancel;
    Set("AP Mode", "WDS");
    EXPECT_EQ(LastBox(), "If you select \"WDS\" mode, MSSID will be disabled!");
    EXPECT_EQ(Text("AP Mode"), "Access Point");   // kept
    messages->Answer = MessageBox::AnswerOk;
    Set("AP Mode", "Universal Repeater");
    EXPECT_EQ(LastBox(), "If you select \"Universal Repeater\" mode, MSSID will be disabled!");
    EXPECT_EQ(Text("AP Mode"), "Universal Repeater");
    EXPECT_EQ(messages->Boxes.back().Caption, "Warning");
    Put(1, mssid, SnmpSyntax::Integer, "0");
}

TEST_F(WirelessPageTest, ARefusedSetIsASettingErrorAndIsSentAgainNextTime) {
    ASSERT_NE(Open(3, "Wireless"), nullptr);
    ShellTest::StatusLog status(ManagementWindow::Frame());
    const size_t before = Sets().size();
    Set("Network Access Protection", "Enable");
    ASSERT_TRUE(Press("Save"));
    EXPECT_TRUE(status.Contains("Setting Error!")) << status.Texts().join('|').toStdString();
    EXPECT_FALSE(status.Contains("Setting Success!"));
    EXPECT_TRUE(ManagementWindow::Frame()->isEnabled());
    EXPECT_EQ(Sets().size(), before + 1);
    EXPECT_EQ(Get(3, kSecurity + "22.1", SnmpSyntax::Integer), "0");
    // Not taken: the next save sends it again.
    ASSERT_TRUE(Press("Save"));
    EXPECT_EQ(Sets().size(), before + 2);
}

TEST_F(WirelessPageTest, TheDeviceRefusesAModeItsMaskLacks) {
    EXPECT_THROW(Put(2, kApMode, SnmpSyntax::Integer, "5"), CZRException);
    EXPECT_THROW(Put(2, kApMode, SnmpSyntax::Integer, "3"), CZRException);
    EXPECT_EQ(Get(2, kApMode, SnmpSyntax::Integer), "1");
    EXPECT_NO_THROW(Put(2, kApMode, SnmpSyntax::Integer, "4"));
    EXPECT_NO_THROW(Put(2, kApMode, SnmpSyntax::Integer, "1"));
}

TEST_F(WirelessPageTest, TheFrequencyFollowsTheChannel) {
    ASSERT_NE(Open(1, "Wireless"), nullptr);
    Set("Channel", "11");
    EXPECT_EQ(Text("Frequency"), "2.462 GHz");
    ASSERT_TRUE(Press("Save"));
    EXPECT_EQ(Get(1, kBasic + "10.1"), "2.462 GHz");
    ASSERT_NE(Show(), nullptr);
    EXPECT_EQ(Text("Channel"), "11");
    EXPECT_EQ(Text("Frequency"), "2.462 GHz");
    Set("Channel", "6");
    ASSERT_TRUE(Press("Save"));
    EXPECT_EQ(Get(1, kBasic + "10.1"), "2.437 GHz");
}

TEST_F(WirelessPageTest, SurveysFillTheListAndARowFillsTheForm) {
    ASSERT_NE(Open(1, "Wireless"), nullptr);
    PageList* survey = page->FindList("Site Survey");
    ASSERT_NE(survey, nullptr);
    EXPECT_FALSE(survey->View()->isVisibleTo(page));   // access point: no survey
    Set("AP Mode", "Wireless Client");
    EXPECT_TRUE(survey->View()->isVisibleTo(page));
    size_t before = Sets().size();
    ASSERT_TRUE(Press("Site Survey/Scan"));
    ASSERT_EQ(Sets().size(), before + 1);
    EXPECT_EQ(ValueSent(Sets().back(), kEnterprise + "2.1.3.3.1.3.1.1.1.1"), "1");
    ASSERT_EQ(survey->RowCount(), 3);
    const QStringList first = survey->Rows().front();
    ASSERT_EQ(first.size(), 6);
    EXPECT_EQ(first[5], Get(1, kEnterprise + "2.1.3.3.1.3.2.1.7.1"));
    const QString remote1 = Text("Remote AP MAC Address 1");
    const QString remote2 = Text("Remote AP MAC Address 2");
    ASSERT_TRUE(survey->Select(0));
    EXPECT_EQ(Text("SSID"), first[5]);
    EXPECT_EQ(Text("Remote AP MAC Address 1"), remote1);   // not a WDS mode
    EXPECT_EQ(Text("Remote AP MAC Address 2"), remote2);

    // The clone list.
    before = Sets().size();
    ASSERT_TRUE(Press("Clone MAC Address/Scan"));
    EXPECT_EQ(ValueSent(Sets().back(), kEnterprise + "2.1.3.3.6.1.1.4.1"), "1");
    PageList* clones = page->FindList("Clone List");
    ASSERT_NE(clones, nullptr);
    ASSERT_EQ(clones->RowCount(), 2);
    ASSERT_TRUE(clones->Select(1));
    EXPECT_EQ(Text("MAC Address").toUpper(), clones->Rows()[1][1].toUpper());

    // The WDS survey: the BSSID goes to the first empty remote AP field.
    Set("AP Mode", "WDS");
    for (int i = 2; i <= 8; ++i)
        Set(QStringLiteral("Remote AP MAC Address %1").arg(i), "");
    Set("Remote AP MAC Address 1", "00AABBCCDD01");
    before = Sets().size();
    ASSERT_TRUE(Press("Site Survey/Scan"));
    EXPECT_EQ(ValueSent(Sets().back(), kEnterprise + "2.1.3.3.1.4.1.1.1.1"), "1");
    ASSERT_EQ(survey->RowCount(), 2);
    ASSERT_TRUE(survey->Select(1));
    const QString bssid = survey->Rows()[1][3].toUpper();
    EXPECT_EQ(Text("Remote AP MAC Address 2"), bssid);
    ASSERT_TRUE(survey->Select(1));
    EXPECT_EQ(LastBox(), "The same MAC address has been added!");
    EXPECT_EQ(Text("Remote AP MAC Address 3"), "");
}

TEST_F(WirelessPageTest, OddAnswersLeaveThePageUsable) {
    // Values outside their value maps, a channel list that is missing, a
    // survey without its SSID column.
    ASSERT_NE(Open(5, "Wireless"), nullptr);
    EXPECT_EQ(Text("802.11 Mode"), "99");
    EXPECT_EQ(Text("Authentication"), "11");
    EXPECT_FALSE(Text("Channel").isEmpty());   // the device's channel, though no list came
    Set("AP Mode", "Wireless Client");
    ASSERT_TRUE(Press("Site Survey/Scan"));
    PageList* survey = page->FindList("Site Survey");
    ASSERT_EQ(survey->RowCount(), 3);
    EXPECT_EQ(survey->Rows()[0][5], "");
    ASSERT_TRUE(survey->Select(0));   // nothing to copy, nothing breaks
    Set("AP Mode", "Access Point");
    Set("SSID", "still fine");
    ASSERT_TRUE(Press("Save"));
    EXPECT_EQ(Get(5, kSsid), "still fine");
    EXPECT_EQ(Get(5, kBasic + "9.1", SnmpSyntax::Integer), "99");   // untouched
    EXPECT_EQ(Get(5, kSecurity + "1.1", SnmpSyntax::Integer), "11");
}

}  // namespace
