// The Multi-SSID page against simulated devices: a row written by Add lands
// in all three tables (the last index included), Del disables it, Save
// writes the global states, and the page's own checks and warnings.
#include "RadioPagesFixture.h"
#include "shell/PageList.h"

namespace {
using namespace RadioTest;
using MultiSsidPageTest = RadioPagesTest;

const QString kSsidTable = kEnterprise + "3.3.3.1.";
const QString kRadiusTable = kEnterprise + "3.3.4.1.";
const QString kAccountingTable = kEnterprise + "3.3.5.1.";
const QString kGlobal = kEnterprise + "3.3.";

QString Column(const QString& table, int column, int index) {
    return table + QString::number(column) + "." + QString::number(index);
}

TEST_F(MultiSsidPageTest, TheListStartsWithThePrimarySsid) {
    ASSERT_NE(Open(1, "Multi-SSID"), nullptr);
    EXPECT_EQ(Status(), "Get OK.");
    PageList* list = page->FindList("SSID List");
    ASSERT_NE(list, nullptr);
    ASSERT_GE(list->RowCount(), 1);
    EXPECT_EQ(list->Headers(), (QStringList{"Index", "SSID", "Band", "Encryption"}));
    EXPECT_EQ(list->Rows()[0][0], "Primary");
    EXPECT_EQ(list->Rows()[0][1], Get(1, kEnterprise + "2.1.3.3.1.1.1.1.1"));
    ASSERT_TRUE(list->Select(0));
    EXPECT_FALSE(page->FindButton("Del")->isEnabled());   // the primary SSID stays
}

TEST_F(MultiSsidPageTest, ARowIsWrittenToAllThreeTablesAndReadBack) {
    ASSERT_NE(Open(1, "Multi-SSID"), nullptr);
    for (int shown : {7, 3}) {
        const int index = shown + 1;
        Set("MSSID Index", QString::number(shown));
        Set("SSID", QStringLiteral("Guest-%1").arg(shown));
        Set("Authentication", "WPA2-Enterprise");
        Set("Cipher Type", "AES");
        Set("Group Key Update Interval", "3600");
        Set("RADIUS Server", "10.1.2.3");
        Set("RADIUS Port", "1645");
        Set("RADIUS Secret", "radius-secret");
        Set("Accounting Mode", "Enable");
        Set("Accounting Server", "10.1.2.4");
        Set("Accounting Port", "1646");
        Set("Accounting Secret", "acct-secret");
        Set("VLAN ID", "42");
        Set("Priority", "5");
        const size_t before = Sets().size();
        ASSERT_TRUE(Press("Add"));
        EXPECT_TRUE(messages->Boxes.empty()) << messages->Texts().join('|').toStdString();
        EXPECT_EQ(Sets().size(), before + 3);   // SSID, RADIUS and accounting tables
        EXPECT_EQ(Get(1, Column(kSsidTable, 2, index), SnmpSyntax::Integer), "1");
        EXPECT_EQ(Get(1, Column(kSsidTable, 3, index)), QStringLiteral("Guest-%1").arg(shown));
        EXPECT_EQ(Get(1, Column(kSsidTable, 5, index), SnmpSyntax::Integer), "7");
        EXPECT_EQ(Get(1, Column(kSsidTable, 9, index), SnmpSyntax::Integer), "42");
        EXPECT_EQ(Get(1, Column(kSsidTable, 10, index), SnmpSyntax::Integer), "2");
        EXPECT_EQ(Get(1, Column(kSsidTable, 15, index), SnmpSyntax::Integer), "3600");
        EXPECT_EQ(Get(1, Column(kSsidTable, 16, index), SnmpSyntax::Integer), "5");
        EXPECT_EQ(Get(1, Column(kRadiusTable, 2, index), SnmpSyntax::IpAddress), "10.1.2.3");
        EXPECT_EQ(Get(1, Column(kRadiusTable, 3, index), SnmpSyntax::Integer), "1645");
        EXPECT_EQ(Get(1, Column(kRadiusTable, 4, index)), "radius-secret");
        EXPECT_EQ(Get(1, Column(kAccountingTable, 2, index), SnmpSyntax::Integer), "1");
        EXPECT_EQ(Get(1, Column(kAccountingTable, 3, index), SnmpSyntax::IpAddress), "10.1.2.4");
        EXPECT_EQ(Get(1, Column(kAccountingTable, 4, index), SnmpSyntax::Integer), "1646");
        EXPECT_EQ(Get(1, Column(kAccountingTable, 5, index)), "acct-secret");
    }
    // The list read again shows both rows, in index order.
    PageList* list = page->FindList("SSID List");
    const auto rows = list->Rows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1], (QStringList{"3", "Guest-3", "2.4GHz", "WPA2-Enterprise"}));
    EXPECT_EQ(rows[2], (QStringList{"7", "Guest-7", "2.4GHz", "WPA2-Enterprise"}));
    // A new refresh shows the same, and choosing a row fills the form.
    ASSERT_NE(Show(), nullptr);
    list = page->FindList("SSID List");
    ASSERT_EQ(list->RowCount(), 3);
    ASSERT_TRUE(list->Select(2));
    EXPECT_EQ(Text("SSID"), "Guest-7");
    EXPECT_EQ(Text("RADIUS Port"), "1645");
    EXPECT_EQ(Text("Accounting Server"), "10.1.2.4");

    // Del disables the row on the device; the list no longer shows it.
    ASSERT_TRUE(Press("Del"));
    EXPECT_EQ(Get(1, Column(kSsidTable, 2, 8), SnmpSyntax::Integer), "0");
    EXPECT_EQ(list->RowCount(), 2);
    ASSERT_TRUE(list->Select(1));
    ASSERT_TRUE(Press("Del"));
    EXPECT_EQ(Get(1, Column(kSsidTable, 2, 4), SnmpSyntax::Integer), "0");
    EXPECT_EQ(list->RowCount(), 1);
}

TEST_F(MultiSsidPageTest, SaveWritesTheGlobalStates) {
    ASSERT_NE(Open(1, "Multi-SSID"), nullptr);
    Set("Enable Multi-SSID", "checked");
    Set("Enable VLAN State", "checked");
    Set("Enable Priority", "checked");
    ASSERT_TRUE(Press("Save"));
    EXPECT_EQ(Status(), "Save OK!");
    EXPECT_EQ(Get(1, kGlobal + "1.1.1.1", SnmpSyntax::Integer), "1");
    EXPECT_EQ(Get(1, kGlobal + "1.1.2.1", SnmpSyntax::Integer), "1");
    EXPECT_EQ(Get(1, kGlobal + "2.1.1.1", SnmpSyntax::Integer), "1");
    // With the VLAN state on, a row needs its VLAN ID.
    Set("MSSID Index", "2");
    Set("SSID", "vlan");
    Set("VLAN ID", "");
    const size_t before = Sets().size();
    ASSERT_TRUE(Press("Add"));
    EXPECT_EQ(LastBox(), "Please input VLAN ID!");
    EXPECT_EQ(Sets().size(), before);
    for (const char* box : {"Enable Multi-SSID", "Enable VLAN State", "Enable Priority"})
        Set(box, "unchecked");
    ASSERT_TRUE(Press("Save"));
    EXPECT_EQ(Get(1, kGlobal + "1.1.1.1", SnmpSyntax::Integer), "0");
}

TEST_F(MultiSsidPageTest, EnablingMultiSsidOutsideAccessPointModeWarns) {
    const QString apMode = kEnterprise + "2.1.3.3.1.1.1.28.1";
    Put(1, apMode, SnmpSyntax::Integer, "3");
    ASSERT_NE(Open(1, "Multi-SSID"), nullptr);
    messages->Answer = MessageBox::AnswerCancel;
    QString why;
    page->FindField("Enable Multi-SSID")->Enter("checked", &why);   // the page takes the tick back
    EXPECT_EQ(LastBox(), "If you enable Multi-SSID,AP Mode will be Access Point!");
    EXPECT_EQ(Text("Enable Multi-SSID"), "unchecked");
    Put(1, apMode, SnmpSyntax::Integer, "1");
}

TEST_F(MultiSsidPageTest, RowsAreCheckedWithThisPagesWording) {
    struct Case {
        std::vector<std::pair<QString, QString>> Input;
        QString Message;
    };
    const std::vector<Case> cases = {
        {{{"SSID", ""}}, "Please input SSID!"},
        {{{"SSID", " x"}}, "The first character can't be blank!"},
        {{{"SSID", "x "}}, "The first character and last character can't be blank."},
        {{{"SSID", QString(33, 's')}}, "The Max Length of SSID is 32!"},
        {{{"SSID", "wep"}, {"Authentication", "Open System"}, {"Encryption", "Enable"}, {"Key Type", "HEX"},
          {"Key Size", "128 Bits"}, {"Key", QString(25, 'A')}},
         "The Lengh of key value must be 26"},
        {{{"SSID", "psk"}, {"Authentication", "WPA-Personal"}, {"PassPhrase", "12345678"}, {"Confirm PassPhrase", "1234567x"}},
         "The PassPhrase and Confirm PassPhrase are not matched."},
        {{{"SSID", "psk"}, {"Authentication", "WPA-Personal"}, {"PassPhrase", "1234567"}, {"Confirm PassPhrase", "1234567"}},
         "The length of PassPhrase is between 8 and 63."},
        {{{"SSID", "eap"}, {"Authentication", "WPA-Enterprise"}, {"RADIUS Server", ""}},
         "Invalid Radius Server IP"},
        {{{"SSID", "eap"}, {"Authentication", "WPA-Enterprise"}, {"RADIUS Server", "10.0.0.1"}, {"RADIUS Port", "65536"}},
         "Please input a number between 1 and 65535."},
        {{{"SSID", "eap"}, {"Authentication", "WPA-Enterprise"}, {"RADIUS Server", "10.0.0.1"}, {"RADIUS Port", "1812"},
          {"RADIUS Secret", ""}},
         "Radius secret can not be empty."},
        {{{"SSID", "eap"}, {"Authentication", "WPA-Enterprise"}, {"RADIUS Server", "10.0.0.1"}, {"RADIUS Port", "1812"},
          {"RADIUS Secret", "s"}, {"Accounting Mode", "Enable"}, {"Accounting Server", ""}},
         "Invalid Accounting Server IP"},
    };
    ASSERT_NE(Open(1, "Multi-SSID"), nullptr);
    for (const Case& c : cases) {
        messages->Boxes.clear();
        Set("MSSID Index", "1");
        const size_t before = Sets().size();
        for (const auto& [field, text] : c.Input)
            Set(field, text);
        ASSERT_TRUE(Press("Add"));
        EXPECT_EQ(LastBox(), c.Message);
        EXPECT_EQ(Sets().size(), before) << c.Message.toStdString();
    }
    // A 64-bit ASCII key of 5 characters is taken.
    messages->Boxes.clear();
    Set("SSID", "wep5");
    Set("Authentication", "Open System");
    Set("Encryption", "Enable");
    Set("Key Type", "ASCII");
    Set("Key Size", "64 Bits");
    Set("Key Index", "Fourth");
    Set("Key", "abcde");
    ASSERT_TRUE(Press("Add"));
    EXPECT_TRUE(messages->Boxes.empty()) << messages->Texts().join('|').toStdString();
    EXPECT_EQ(Get(1, Column(kSsidTable, 8, 2)), "abcde");
    // Another SSID with the same key index and another key: the key is shared.
    Set("MSSID Index", "2");
    Set("SSID", "wep6");
    Set("Key", "fghij");
    messages->Answer = MessageBox::AnswerCancel;
    const size_t before = Sets().size();
    ASSERT_TRUE(Press("Add"));
    EXPECT_EQ(LastBox(), "Key value is used by SSID! \nTo change Key value affects other SSID settings.");
    EXPECT_EQ(Sets().size(), before);
}

}  // namespace
