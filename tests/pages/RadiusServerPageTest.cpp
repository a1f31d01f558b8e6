// The internal RADIUS server page against simulated devices: the password
// length, empty and duplicate checks (nothing sent), accounts added and
// deleted through the action variable, stored passwords shown as
// "********", names with quotes and non-ASCII text, and a full account list.
#include "AdvancedPagesFixture.h"
#include "pages/RadiusServerPage.h"

namespace {

using AdvancedPages::AdvancedPageTest;
using RadiusPageTest = AdvancedPageTest;

const QString kLabel = QStringLiteral("Internal RADIUS Server");
const QString kList = QStringLiteral("RADIUS Account list");

QStringList DeviceAccounts(int device) {
    QStringList names;
    for (const QString& name : AdvancedPageTest::Walk(device, "3.12.2.1.1.2"))
        if (!name.isEmpty())
            names << name;
    return names;
}

TEST_F(RadiusPageTest, PasswordsOf7And65AreRefusedAnd8And64Accepted) {
    ASSERT_TRUE(Show(1, kLabel));
    EXPECT_EQ(StatusLine(), "Refresh OK!");
    const size_t before = Sets().size();
    Set("Name", "alice");
    Set("Password", QString(7, 'a'));
    ASSERT_TRUE(Press("Save"));
    Set("Password", QString(65, 'b'));
    ASSERT_TRUE(Press("Save"));
    Set("Password", "");
    ASSERT_TRUE(Press("Save"));
    EXPECT_EQ(messages->Texts(), QStringList({"The length of password should be 8~64.",
                                              "The length of password should be 8~64.",
                                              "Password should not be empty!"}));
    EXPECT_EQ(Sets().size(), before);
    Set("Password", QString(8, 'c'));
    ASSERT_TRUE(Press("Save"));
    ASSERT_EQ(Sets().size(), before + 1);
    EXPECT_EQ(Varbinds(Sets().back()), QStringList({"3.12.1.1.0=alice", "3.12.1.2.0=cccccccc", "3.12.1.4.0=1",
                                                     "3.12.1.3.0=1"}));
    Set("Name", "bob");
    Set("Password", QString(64, 'd'));
    Set("Status", "Disable");
    ASSERT_TRUE(Press("Save"));
    EXPECT_EQ(DeviceAccounts(1), QStringList({"alice", "bob"}));
    EXPECT_EQ(List(kList)->Rows(), std::vector<QStringList>({{"alice", "Enable"}, {"bob", "Disable"}}));
    EXPECT_TRUE(status->Contains("Save OK!"));
    EXPECT_EQ(messages->Boxes.size(), 3u);
}

TEST_F(RadiusPageTest, AListedNameIsRefusedAndAStoredPasswordMustBeSetAgain) {
    ASSERT_TRUE(Show(2, kLabel));
    Set("Name", "carol");
    Set("Password", "secret-123");
    ASSERT_TRUE(Press("Save"));
    const size_t before = Sets().size();
    Set("Name", "carol");
    Set("Password", "another-pass");
    ASSERT_TRUE(Press("Save"));
    EXPECT_EQ(messages->Texts(), QStringList({"The account name have been exists already!"}));
    EXPECT_EQ(Sets().size(), before);
    // Edited, the stored password shows as stars and must be given again.
    ASSERT_TRUE(List(kList)->Select(0));
    ASSERT_TRUE(Press("Edit"));
    EXPECT_EQ(Text("Name"), "carol");
    EXPECT_EQ(Text("Password"), "********");
    ASSERT_TRUE(Press("Save"));
    EXPECT_EQ(messages->Texts().last(), "Please re-set the password!");
    EXPECT_EQ(Sets().size(), before);
    Set("Password", "changed-pass");
    Set("Status", "Disable");
    ASSERT_TRUE(Press("Save"));
    EXPECT_EQ(Sets().size(), before + 1);
    EXPECT_EQ(DeviceAccounts(2), QStringList({"carol"}));
    EXPECT_EQ(List(kList)->Rows(), std::vector<QStringList>({{"carol", "Disable"}}));
}

TEST_F(RadiusPageTest, DelRemovesTheAccountFromTheDevice) {
    ASSERT_TRUE(Show(3, kLabel));
    for (const char* name : {"dave", "erin"}) {
        Set("Name", name);
        Set("Password", "password1");
        ASSERT_TRUE(Press("Save"));
    }
    ASSERT_TRUE(List(kList)->Select(RowOf(kList, "dave")));
    const size_t before = Sets().size();
    ASSERT_TRUE(Press("Del"));
    ASSERT_EQ(Sets().size(), before + 1);
    EXPECT_EQ(Varbinds(Sets().back()), QStringList({"3.12.1.1.0=dave", "3.12.1.3.0=0"}));
    EXPECT_EQ(DeviceAccounts(3), QStringList({"erin"}));
    EXPECT_EQ(List(kList)->Rows(), std::vector<QStringList>({{"erin", "Enable"}}));
}

TEST_F(RadiusPageTest, NamesWithQuotesAndNonAsciiTextComeBackAsTheyWere) {
    ASSERT_TRUE(Show(7, kLabel));
    const QString name = QString::fromUtf8("Zoë \"the admin\"");
    Set("Name", name);
    Set("Password", "pass'word\"1");
    ASSERT_TRUE(Press("Save"));
    ASSERT_EQ(List(kList)->RowCount(), 1);
    EXPECT_EQ(List(kList)->Rows()[0].value(0), name);
    EXPECT_TRUE(messages->Boxes.empty()) << messages->Texts().join(" | ").toStdString();
}

TEST_F(RadiusPageTest, AFullListShowsTheDevicesErrorAndKeepsTheList) {
    for (int n = 1; n <= 16; ++n)
        ASSERT_TRUE(SetOnDevice(8, {"3.12.1.1.0", "s", QString("user%1").arg(n), "3.12.1.2.0", "s", "password1",
                                    "3.12.1.3.0", "i", "1"}));
    ASSERT_TRUE(Show(8, kLabel));
    ASSERT_EQ(List(kList)->RowCount(), 16);
    Set("Name", "one-too-many");
    Set("Password", "password1");
    ASSERT_TRUE(Press("Save"));
    EXPECT_FALSE(status->Contains("Save OK!"));
    bool shown = false;
    for (const QString& line : status->Texts())
        shown |= line.startsWith("Set: ") && !line.contains("Ok!");
    EXPECT_TRUE(shown) << status->Texts().join(" | ").toStdString();
    EXPECT_EQ(List(kList)->RowCount(), 16);
    EXPECT_EQ(Text("Name"), "one-too-many");
    EXPECT_TRUE(Frame()->isEnabled());
}

TEST_F(RadiusPageTest, ADeviceThatStopsAnsweringMidActionLeavesThePageUsable) {
    // Device 9 answers reads but not the set that adds an account.
    ASSERT_TRUE(Show(9, kLabel, 0.05));
    EXPECT_EQ(StatusLine(), "Refresh OK!");
    Set("Name", "frank");
    Set("Password", "password1");
    ASSERT_TRUE(Press("Save"));
    EXPECT_FALSE(status->Contains("Save OK!"));
    bool timedOut = false;
    for (const QString& line : status->Texts())
        timedOut |= line.startsWith("Set: (SNMPClass) SNMP request timed out!");
    EXPECT_TRUE(timedOut) << status->Texts().join(" | ").toStdString();
    EXPECT_TRUE(Frame()->isEnabled());
    EXPECT_EQ(Text("Name"), "frank");
    // Still usable: the list reads again.
    page->Refresh();
    ASSERT_TRUE(ManagementWindow::WaitIdle(30000));
    EXPECT_EQ(StatusLine(), "Refresh OK!");
}

TEST_F(RadiusPageTest, RowsWithAMissingColumnAreStillListed) {
    // Device 11's account list has no status column.
    ASSERT_TRUE(SetOnDevice(11, {"3.12.1.1.0", "s", "gina", "3.12.1.2.0", "s", "password1", "3.12.1.4.0", "i", "0",
                                 "3.12.1.3.0", "i", "1"}));
    ASSERT_TRUE(Show(11, kLabel));
    ASSERT_EQ(List(kList)->RowCount(), 1);
    EXPECT_EQ(List(kList)->Rows()[0].value(0), "gina");
    EXPECT_TRUE(messages->Boxes.empty());
}

TEST_F(RadiusPageTest, ADeviceThatDoesNotAnswerLeavesThePageUsable) {
    ASSERT_TRUE(Show(kSilent, kLabel, 0.02));
    EXPECT_TRUE(status->Contains("Refresh Error!"));
    Set("Name", "nobody");
    Set("Password", "password1");
    ASSERT_TRUE(Press("Save"));
    EXPECT_FALSE(status->Contains("Save OK!"));
    EXPECT_TRUE(Frame()->isEnabled());
    EXPECT_EQ(Text("Name"), "nobody");
}

}  // namespace
