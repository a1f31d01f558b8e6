// The schedule page against simulated devices: the editor's checks (nothing
// is sent), rules added with all their columns, the SSID check before
// anything is sent, Edit that replaces a rule only when the new one is
// accepted (and writes the old one back when the device refuses the new
// one), deletion by SSID index, and a device that does not answer.
#include "AdvancedPagesFixture.h"
#include "pages/SchedulePage.h"

namespace {

using AdvancedPages::AdvancedPageTest;
using SchedulePageTest = AdvancedPageTest;

const QString kLabel = QStringLiteral("Schedule");
const QString kList = QStringLiteral("Schedule Rule List");
// Rule scalars and list columns below the enterprise root.
const QString kListNames = QStringLiteral("3.10.2.1.1.2");
const QString kListSsidIndexes = QStringLiteral("3.10.2.1.1.6");
const QString kListFrames = QStringLiteral("3.10.2.1.1.4");

// The rule names the device lists (unused slots have none).
QStringList DeviceRules(int device) {
    QStringList names;
    for (const QString& name : AdvancedPageTest::Walk(device, kListNames))
        if (!name.isEmpty())
            names << name;
    return names;
}

class ScheduleEditor : public SchedulePageTest {
protected:
    // Fills the editor with a rule for the days given ("Mon,Wed"; "" for the whole week).
    void Fill(const QString& name, const QString& days, const QString& start, const QString& end, const QString& ssid) {
        Set("Name", name);
        if (days.isEmpty()) {
            Set("Day(s)", "All Week ");
        } else {
            Set("Day(s)", "Select Day(s) ");
            for (const char* day : {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"})
                Set(day, days.split(',').contains(day) ? "checked" : "unchecked");
        }
        Set("All Day(s)", start.isEmpty() ? "checked" : "unchecked");
        if (!start.isEmpty()) {
            Set("Start Time (hour)", start.section(':', 0, 0));
            Set("Start Time (minute)", start.section(':', 1));
            Set("End Time (hour)", end.section(':', 0, 0));
            Set("End Time (minute)", end.section(':', 1));
        }
        Set("SSID", ssid);
    }
    // Adds a rule through the page; true when the device took it.
    bool AddRule(const QString& name, const QString& days, const QString& start, const QString& end,
                 const QString& ssid) {
        Fill(name, days, start, end, ssid);
        const size_t before = Sets().size();
        if (!Press("Add"))
            return false;
        return Sets().size() > before && DeviceRules(device_).contains(name);
    }
    CSchedulePage* Page() const { return static_cast<CSchedulePage*>(page); }
    // Switches Multi-SSID 1 on (SSID-table row 2), then refreshes the page.
    void EnableSsid1() {
        ASSERT_TRUE(SetOnDevice(device_, {"3.3.3.1.2.2", "i", "1"}));
        page->Refresh();
        ASSERT_TRUE(ManagementWindow::WaitIdle(30000));
    }
};

TEST_F(ScheduleEditor, NoDaySelectedHour24AndMinute60AreRefusedWithNothingSent) {
    ASSERT_TRUE(Show(1, kLabel));
    EXPECT_EQ(StatusLine(), "Refresh OK!");
    const size_t before = Sets().size();
    Fill("Night", "Mon", "08:00", "17:00", "Primary SSID");
    Set("Mon", "unchecked");
    ASSERT_TRUE(Press("Add"));
    Set("Mon", "checked");
    Set("Start Time (hour)", "24");
    ASSERT_TRUE(Press("Add"));
    Set("Start Time (hour)", "23");
    Set("End Time (minute)", "60");
    ASSERT_TRUE(Press("Add"));
    EXPECT_EQ(messages->Texts(), QStringList({"Please select Day(s).", "Invalid Hour!", "Invalid Minute!"}));
    EXPECT_EQ(Sets().size(), before);
    EXPECT_TRUE(DeviceRules(1).isEmpty());
}

TEST_F(ScheduleEditor, ARuleIsAddedWithAllItsColumnsAndListed) {
    ASSERT_TRUE(Show(2, kLabel));
    Fill("Office \"A\"", "Mon,Wed,Fri", "08:05", "17:30", "Primary SSID");
    const size_t before = Sets().size();
    ASSERT_TRUE(Press("Add"));
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), before + 1);
    EXPECT_EQ(Varbinds(sets.back()),
              QStringList({"3.10.1.2.1.0=Office \"A\"", "3.10.1.2.2.0=42", "3.10.1.2.4.0=08:05", "3.10.1.2.5.0=17:30",
                           "3.10.1.2.7.0=1", "3.10.1.2.8.0=1", "3.10.1.2.9.0=1"}));
    EXPECT_EQ(DeviceRules(2), QStringList({"Office \"A\""}));
    EXPECT_TRUE(Walk(2, kListFrames).contains("08:05-17:30"));
    ASSERT_EQ(List(kList)->RowCount(), 1);
    // The SSID's text as the device lists it (the primary SSID's name).
    const QString ssid = Walk(2, "3.10.2.1.1.7").value(0);
    EXPECT_FALSE(ssid.isEmpty());
    EXPECT_EQ(List(kList)->Rows()[0], QStringList({"Office \"A\"", "1", ssid, "Mon, Wed, Fri", "08:05-17:30", "on"}));
    EXPECT_TRUE(status->Contains("Save OK!"));
    EXPECT_TRUE(messages->Boxes.empty()) << messages->Texts().join(" | ").toStdString();
    // The editor is empty again.
    EXPECT_EQ(Text("Name"), "");
    // All day, the whole week: only the all-day flag, no times.
    EnableSsid1();
    ASSERT_TRUE(AddRule("Always", "", "", "", "SSID 1"));
    EXPECT_EQ(Varbinds(Sets().back()),
              QStringList({"3.10.1.2.1.0=Always", "3.10.1.2.2.0=127", "3.10.1.2.3.0=1", "3.10.1.2.7.0=1",
                           "3.10.1.2.8.0=2", "3.10.1.2.9.0=1"}));
    const int row = RowOf(kList, "Always");
    ASSERT_GE(row, 0);
    EXPECT_EQ(List(kList)->Rows()[static_cast<size_t>(row)].mid(3, 2), QStringList({"All Week", "All Day(s)"}));
}

TEST_F(ScheduleEditor, ASecondRuleForTheSameSsidIsRefusedWithNothingSent) {
    ASSERT_TRUE(Show(3, kLabel));
    ASSERT_TRUE(AddRule("First", "", "09:00", "10:00", "Primary SSID"));
    const size_t before = Sets().size();
    Fill("Second", "Sun", "11:00", "12:00", "Primary SSID");
    ASSERT_TRUE(Press("Add"));
    EXPECT_EQ(messages->Texts(), QStringList({"The SSID have been exists already!"}));
    EXPECT_EQ(Sets().size(), before);
    EXPECT_EQ(DeviceRules(3), QStringList({"First"}));
}

TEST_F(ScheduleEditor, AnEditRefusedByTheSsidCheckLeavesTheOldRuleOnTheDevice) {
    ASSERT_TRUE(Show(4, kLabel));
    EnableSsid1();
    ASSERT_TRUE(AddRule("Primary rule", "", "09:00", "10:00", "Primary SSID"));
    ASSERT_TRUE(AddRule("Guest rule", "", "11:00", "12:00", "SSID 1"));
    const size_t before = Sets().size();
    ASSERT_TRUE(List(kList)->Select(RowOf(kList, "Primary rule")));
    ASSERT_TRUE(Press("Edit"));
    EXPECT_EQ(Text("Name"), "Primary rule");
    EXPECT_EQ(Text("Start Time (hour)"), "9");
    Set("SSID", "SSID 1");   // Guest rule's SSID
    ASSERT_TRUE(Press("Add"));
    EXPECT_EQ(messages->Texts(), QStringList({"The SSID have been exists already!"}));
    EXPECT_EQ(Sets().size(), before);   // not even the old rule's deletion
    EXPECT_EQ(DeviceRules(4), QStringList({"Primary rule", "Guest rule"}));
    EXPECT_EQ(Walk(4, kListSsidIndexes).mid(0, 2), QStringList({"1", "2"}));
    // The rule being edited does not count against itself: kept on its SSID, it is replaced.
    Set("SSID", "Primary SSID");
    Set("Name", "Primary rule 2");
    ASSERT_TRUE(Press("Add"));
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), before + 2);
    EXPECT_EQ(Varbinds(sets[before]), QStringList({"3.10.1.2.7.0=0", "3.10.1.2.8.0=1"}));
    EXPECT_TRUE(Varbinds(sets[before + 1]).contains("3.10.1.2.1.0=Primary rule 2"));
    EXPECT_TRUE(Varbinds(sets[before + 1]).contains("3.10.1.2.8.0=1"));
    QStringList rules = DeviceRules(4);
    rules.sort();
    EXPECT_EQ(rules, QStringList({"Guest rule", "Primary rule 2"}));
    EXPECT_EQ(messages->Texts(), QStringList({"The SSID have been exists already!"}));
}

TEST_F(ScheduleEditor, AReplacementTheDeviceRefusesWritesTheOldRuleBack) {
    // Device 10 refuses the all-day flag.
    ASSERT_TRUE(Show(10, kLabel));
    ASSERT_TRUE(AddRule("Mornings", "Mon,Tue", "06:00", "09:30", "Primary SSID"));
    const size_t before = Sets().size();
    const size_t lines = status->Lines.size();
    ASSERT_TRUE(List(kList)->Select(0));
    ASSERT_TRUE(Press("Edit"));
    Set("All Day(s)", "checked");
    ASSERT_TRUE(Press("Add"));
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), before + 3);   // delete, the refused add, the old rule again
    EXPECT_EQ(Varbinds(sets[before]), QStringList({"3.10.1.2.7.0=0", "3.10.1.2.8.0=1"}));
    EXPECT_TRUE(Varbinds(sets[before + 1]).contains("3.10.1.2.3.0=1"));
    EXPECT_EQ(Varbinds(sets[before + 2]),
              QStringList({"3.10.1.2.1.0=Mornings", "3.10.1.2.2.0=6", "3.10.1.2.4.0=06:00", "3.10.1.2.5.0=09:30",
                           "3.10.1.2.7.0=1", "3.10.1.2.8.0=1", "3.10.1.2.9.0=1"}));
    EXPECT_EQ(DeviceRules(10), QStringList({"Mornings"}));
    EXPECT_TRUE(Walk(10, kListFrames).contains("06:00-09:30"));
    const QStringList after = status->Texts().mid(static_cast<int>(lines));
    bool said = false;
    for (const QString& line : after)
        said |= line.startsWith("Set: ") && line.endsWith(" The old rule was written back.");
    EXPECT_TRUE(said) << after.join(" | ").toStdString();
    EXPECT_FALSE(after.contains("Save OK!"));
    EXPECT_EQ(List(kList)->RowCount(), 1);
    EXPECT_TRUE(Frame()->isEnabled());
}

TEST_F(ScheduleEditor, DelAsksAndDeletesBySsidIndex) {
    ASSERT_TRUE(Show(5, kLabel));
    ASSERT_TRUE(AddRule("Gone soon", "", "01:00", "02:00", "Primary SSID"));
    ASSERT_TRUE(Press("Del"));   // nothing selected
    EXPECT_EQ(messages->Texts(), QStringList({"No item selected!"}));
    ASSERT_TRUE(List(kList)->Select(0));
    messages->Answer = MessageBox::AnswerCancel;
    const size_t before = Sets().size();
    ASSERT_TRUE(Press("Del"));
    EXPECT_EQ(Sets().size(), before);
    messages->Answer = MessageBox::AnswerOk;
    ASSERT_TRUE(Press("Del"));
    ShellTest::PumpUntil([this] { return status->Contains("Delete OK!"); }, 10000);
    ASSERT_EQ(messages->Boxes.size(), 3u);
    EXPECT_EQ(messages->Boxes[1].Text, "Are you sure that you want to delete the selected entry ?");
    EXPECT_EQ(messages->Boxes[1].Caption, "Warning");
    ASSERT_EQ(Sets().size(), before + 1);
    EXPECT_EQ(Varbinds(Sets().back()), QStringList({"3.10.1.2.7.0=0", "3.10.1.2.8.0=1"}));
    EXPECT_TRUE(DeviceRules(5).isEmpty());
    EXPECT_EQ(List(kList)->RowCount(), 0);
    EXPECT_TRUE(status->Contains("Delete OK!"));
}

TEST_F(ScheduleEditor, ADeviceThatDoesNotAnswerLeavesThePageUsable) {
    ASSERT_TRUE(Show(kSilent, kLabel, 0.02));
    EXPECT_TRUE(status->Contains("Refresh Error!"));
    Fill("Lost", "", "01:00", "02:00", "Primary SSID");
    ASSERT_TRUE(Press("Add"));
    EXPECT_FALSE(status->Contains("Save OK!"));
    EXPECT_TRUE(Frame()->isEnabled());
    EXPECT_EQ(Text("Name"), "Lost");   // kept for another try
    EXPECT_TRUE(messages->Boxes.empty());
}

TEST(ScheduleRecord, DaysAndTimeFrames) {
    EXPECT_EQ(CSchedule::DaysText(127), "All Week");
    EXPECT_EQ(CSchedule::DaysText(1 | 64), "Sun, Sat");
    EXPECT_EQ(CSchedule::MaskOf("42"), 42);
    EXPECT_EQ(CSchedule::MaskOf("Mon, Wed"), 10);
    EXPECT_EQ(CSchedule::MaskOf("All Week"), 127);
    CSchedule rule;
    rule.SetTimeFrame("07:30-18:00");
    EXPECT_FALSE(rule.AllDay);
    EXPECT_EQ(rule.StartTime, "07:30");
    EXPECT_EQ(rule.EndTime, "18:00");
    EXPECT_EQ(rule.TimeFrameText(), "07:30-18:00");
    rule.SetTimeFrame("All Day(s)");
    EXPECT_TRUE(rule.AllDay);
    EXPECT_EQ(rule.TimeFrameText(), "All Day(s)");
}

}  // namespace
