// The Date and Time page against a simulated device: a time set by hand is
// sent in the device's form and moves the device clock; NTP settings are
// checked before anything is sent and read back from the device.
#include "StatusPagesFixture.h"
#include "pages/ClockText.h"
#include "pages/DateTimePage.h"
#include "shell/ComboField.h"
#include <QComboBox>

namespace {

using DateTimePageTest = StatusPagesTest;

const char* const kClock = "4.8.7.0";

TEST_F(DateTimePageTest, AManualTimeIsSentInTheDevicesFormAndReadBack) {
    CPage* page = Show("Date and Time");
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->FindField("Enable NTP Server")->Text(), "unchecked");   // a fresh device keeps its own time
    const size_t before = Sets().size();
    ASSERT_TRUE(Enter(page, "Current Time to Set", "2009-03-05 14:07:09"));
    ASSERT_TRUE(Press(page, "Set Time"));
    EXPECT_TRUE(messages->Boxes.empty()) << messages->Texts().join(" | ").toStdString();
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), before + 1);
    EXPECT_EQ(Varbinds(sets.back()), QStringList{"E.4.8.7.0=2009:03:05:14:07:09"});
    // The device clock runs on from the time set: read back on its own.
    const std::string held = Get(kClock);
    EXPECT_EQ(held.substr(0, 16), "2009/03/05 14:07") << held;
    // The page shows the device's time as month-day-year.
    EXPECT_TRUE(page->FindField("Current Gateway Time")->Text().startsWith("03-05-2009 14:07:"))
        << page->FindField("Current Gateway Time")->Text().toStdString();
    EXPECT_TRUE(status->Contains("Save OK!")) << status->Texts().join(" | ").toStdString();
    // "Copy Your Computer's Time Settings" puts this computer's time in the pickers; nothing is sent.
    QDateTime earliest = QDateTime::currentDateTime();
    earliest.setTime(QTime(earliest.time().hour(), earliest.time().minute(), earliest.time().second()));
    ASSERT_TRUE(Press(page, "Copy Your Computer's Time Settings"));
    const QDateTime latest = QDateTime::currentDateTime();
    const QDateTime copied = QDateTime::fromString(page->FindField("Current Time to Set")->Text(), "yyyy-MM-dd HH:mm:ss");
    EXPECT_TRUE(earliest <= copied && copied <= latest) << copied.toString().toStdString();
    EXPECT_EQ(Sets().size(), before + 1);
}

TEST_F(DateTimePageTest, NtpWithServerZeroIsRefusedAndNothingIsSent) {
    CPage* page = Show("Date and Time");
    ASSERT_NE(page, nullptr);
    const size_t before = Sets().size();
    ASSERT_TRUE(Enter(page, "Enable NTP Server", "checked"));
    ASSERT_TRUE(Enter(page, "SNTP/NTP Server IP", "0.0.0.0"));
    ASSERT_TRUE(Press(page, "Save"));
    EXPECT_EQ(messages->Texts(), QStringList{"Please input valid IP address"});
    EXPECT_EQ(Sets().size(), before);
    EXPECT_EQ(Get("4.8.5.0"), "0");   // NTP still off on the device
    EXPECT_TRUE(frame->isEnabled());
}

TEST_F(DateTimePageTest, NtpSettingsFromTheServerListAreWrittenAndReadBack) {
    CPage* page = Show("Date and Time");
    ASSERT_NE(page, nullptr);
    ASSERT_TRUE(Enter(page, "Enable NTP Server", "checked"));
    ASSERT_TRUE(Enter(page, "Public NTP Servers", CDateTimePage::NtpServers().at(2) + " (time-a-wwv.nist.gov)"));
    ASSERT_TRUE(Press(page, "<<"));
    EXPECT_EQ(page->FindField("SNTP/NTP Server IP")->Text(), "132.163.97.1");
    ASSERT_TRUE(Enter(page, "SNTP/NTP Time Zone", "(GMT+13:00) Nuku'alofa"));
    ASSERT_TRUE(Enter(page, "Interval", "7 Days"));
    ASSERT_TRUE(Enter(page, "Enable", "checked"));
    ASSERT_TRUE(Enter(page, "DST Start/Month", "Apr"));
    ASSERT_TRUE(Enter(page, "DST End/Current Time", "11 pm"));
    const size_t before = Sets().size();
    ASSERT_TRUE(Press(page, "Save"));
    EXPECT_TRUE(messages->Boxes.empty()) << messages->Texts().join(" | ").toStdString();
    ASSERT_EQ(Sets().size(), before + 1);
    EXPECT_TRUE(status->Contains("Set...")) << status->Texts().join(" | ").toStdString();
    EXPECT_TRUE(status->Contains("Save OK!"));
    EXPECT_EQ(Get("4.8.5.0"), "1");
    EXPECT_EQ(Get("4.8.1.0"), "132.163.97.1");
    EXPECT_EQ(Get("4.8.2.0"), "75");
    EXPECT_EQ(Get("4.8.6.0"), "3");
    EXPECT_EQ(Get("4.8.3.0"), "1");
    EXPECT_EQ(Get("4.8.8.0"), "4");
    EXPECT_EQ(Get("4.8.15.0"), "23");
    // With NTP on, the clock comes from the server: no time by hand.
    EXPECT_FALSE(page->FindButton("Set Time")->isEnabled());

    // Off again: only the state, the zone and the daylight-saving settings are sent.
    ASSERT_TRUE(Enter(page, "Enable NTP Server", "unchecked"));
    ASSERT_TRUE(Enter(page, "Enable", "unchecked"));
    ASSERT_TRUE(Press(page, "Save"));
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), before + 2);
    EXPECT_EQ(Varbinds(sets.back()), (QStringList{"E.4.8.5.0=0", "E.4.8.2.0=75", "E.4.8.3.0=0"}));
    EXPECT_EQ(Get("4.8.1.0"), "132.163.97.1");   // kept on the device
}

TEST_F(DateTimePageTest, TheTimeZoneListHasTheSeventyFiveZonesInOrder) {
    CPage* page = Show("Date and Time");
    ASSERT_NE(page, nullptr);
    auto* zones = dynamic_cast<ComboField*>(page->FindField("SNTP/NTP Time Zone"));
    ASSERT_NE(zones, nullptr);
    ASSERT_EQ(zones->Combo()->count(), 75);
    EXPECT_EQ(zones->Combo()->itemText(0), "(GMT-12:00) International Date Line West");
    EXPECT_EQ(zones->Combo()->itemText(2), "(GMT-10:00) Hawaii");
    EXPECT_EQ(zones->Combo()->itemText(72), "(GMT+12:00) Auckland, Wellington");
    EXPECT_EQ(zones->Combo()->itemText(74), "(GMT+13:00) Nuku'alofa");
    // The device's zone is shown.
    EXPECT_EQ(zones->Text(), zones->Combo()->itemText(std::stoi(Get("4.8.2.0")) - 1));
    EXPECT_EQ(CDateTimePage::NtpServers().size(), 5);
}

TEST(ClockTextTest, ManualSettingAndShownForm) {
    EXPECT_EQ(ClockText::ManualSetting(QDateTime(QDate(2009, 3, 5), QTime(14, 7, 9))), "2009:03:05:14:07:09");
    EXPECT_EQ(ClockText::ManualSetting(QDateTime(QDate(2037, 12, 31), QTime(0, 0, 0))), "2037:12:31:00:00:00");
    EXPECT_EQ(ClockText::Shown("2009/03/05 14:07:09"), "03-05-2009 14:07:09");
    EXPECT_EQ(ClockText::Shown("2009:03:05:14:07:09"), "03-05-2009 14:07:09");
    EXPECT_EQ(ClockText::Shown("03-05-2009 14:07:09"), "03-05-2009 14:07:09");
    // Anything else is shown as the device gave it.
    EXPECT_EQ(ClockText::Shown("2009/02/30 14:07:09"), "2009/02/30 14:07:09");
    EXPECT_EQ(ClockText::Shown("up 3 days"), "up 3 days");
    EXPECT_EQ(ClockText::Shown(""), "");
    EXPECT_FALSE(ClockText::Parse("2009/03/05 24:00:00").isValid());
    EXPECT_FALSE(ClockText::Parse("09/03/05 14:07:09").isValid());
}

}  // namespace
