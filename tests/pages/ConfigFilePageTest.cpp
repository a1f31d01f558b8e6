// The Configuration File page against simulated devices and a real FTP
// server: the device stores its configuration file at the station and loads
// one back (the device changed accordingly), the question and the FTP
// settings stop a transfer before anything is sent, restart and factory
// default send exactly their variable.
#include "MaintenanceFixture.h"
#include "pages/ConfigFilePage.h"
#include "platform/FileDialog.h"
#include <QFileInfo>

namespace MaintenanceTest {
namespace {

class ConfigFilePageTest : public MaintenancePagesTest {
protected:
    static constexpr const char* kLabel = "Configuration File";
    void SetUp() override {
        MaintenancePagesTest::SetUp();
        previous_ = FileDialog::SetHandler([this](const QString&, const QString& filter, bool save, const QString&) {
            dialogs << QStringLiteral("%1 %2").arg(save ? "save" : "open", filter);
            return saveAnswer;
        });
    }
    void TearDown() override {
        FileDialog::SetHandler(previous_);
        MaintenancePagesTest::TearDown();
    }
    // Downloads the device's configuration file to `path` through the page.
    bool DownloadTo(const QString& path) {
        saveAnswer = path;
        return Press("Download");
    }
    bool AnySuccessText() const {
        for (const char* text : {"Upgrade configuration file success.", "Save Configuration file Success."}) {
            if (status->Contains(text))
                return true;
        }
        return false;
    }

    QString saveAnswer;
    QStringList dialogs;

private:
    FileDialog::Handler previous_;
};

TEST_F(ConfigFilePageTest, DownloadStoresTheDevicesConfigurationFileOnTheStationsServer) {
    ASSERT_TRUE(Open(kLive, kLabel));
    EXPECT_EQ(static_cast<CConfigFilePage*>(page)->DownloadCaption(), "Load settings to Local Hard Drive");
    const QString folder = dir_->filePath("backups");
    QDir().mkpath(folder);
    const size_t before = Mark();
    ASSERT_TRUE(DownloadTo(folder + "/office-ap"));
    EXPECT_TRUE(messages->Boxes.empty()) << messages->Texts().join(" | ").toStdString();
    EXPECT_EQ(dialogs, QStringList{"save *.dcf (*.dcf);;*.* (*.*)"});
    EXPECT_TRUE(status->Contains("Put File..."));
    EXPECT_EQ(status->Texts().last(), "Save Configuration file Success.");
    // Settings with the bare name (".dcf" added), no upgrade command, then "Put".
    const auto sets = SetsSince(before);
    ASSERT_EQ(sets.size(), 2u) << SentSince(before).join("\n").toStdString();
    EXPECT_EQ(SentValue(sets[0], kRemoteNameOid), "office-ap.dcf");
    EXPECT_EQ(SentValue(sets[0], kServerOid), "127.0.0.1");
    EXPECT_EQ(sets[1].Varbinds, QStringList{kFtpCommandOid + "=3"});
    // The host's server received the device's backup in that folder.
    QFile received(folder + "/office-ap.dcf");
    ASSERT_TRUE(received.open(QIODevice::ReadOnly));
    EXPECT_GT(received.size(), 100);
    EXPECT_TRUE(Settled());
    EXPECT_EQ(RequestedMs("close"), CMaintenancePage::kCloseSoonMs);
}

TEST_F(ConfigFilePageTest, ALoadedConfigurationFileIsAppliedAndTheDeviceRestarted) {
    ASSERT_TRUE(Open(kLive, kLabel));
    const QString backup = dir_->filePath("round-trip.dcf");
    ASSERT_TRUE(DownloadTo(backup));
    ASSERT_TRUE(QFileInfo::exists(backup));
    const QString name = Read(kSysNameOid, SnmpSyntax::DisplayString);
    Write(kSysNameOid, SnmpSyntax::DisplayString, "changed-after-backup");
    ASSERT_EQ(Read(kSysNameOid, SnmpSyntax::DisplayString), "changed-after-backup");

    messages->Boxes.clear();
    const size_t before = Mark();
    ASSERT_TRUE(SetField("Update File", backup));
    ASSERT_TRUE(Press("Update"));
    ASSERT_EQ(messages->Boxes.size(), 1u);
    EXPECT_EQ(messages->Boxes[0].Text, "Load settings from file ?");
    EXPECT_EQ(messages->Boxes[0].Caption, "Warning");
    EXPECT_TRUE(status->Contains("Server connected, upgrade configuration file."));
    EXPECT_TRUE(status->Contains("Upgrade configuration file success."));
    const auto sets = SetsSince(before);
    ASSERT_EQ(sets.size(), 4u) << SentSince(before).join("\n").toStdString();
    EXPECT_EQ(SentValue(sets[0], kRemoteNameOid), "round-trip.dcf");
    EXPECT_EQ(sets[1].Varbinds, QStringList{kFtpCommandOid + "=2"});
    EXPECT_EQ(sets[2].Varbinds, QStringList{kUpgradeOid + "=3"});
    EXPECT_EQ(sets[3].Varbinds, QStringList{kRestartOid + "=1"});
    EXPECT_EQ(RequestedMs("close"), CTransferPage::kConfigurationRebootMs);
    // The device took the file's settings (and answers again after its restart).
    EXPECT_TRUE(EventuallyReads(kSysNameOid, SnmpSyntax::DisplayString, name));
    EXPECT_TRUE(DeviceSaid("configuration restored from file"));
    EXPECT_TRUE(Settled());
    EXPECT_EQ(page->FindField("Update File")->Text(), "");
}

TEST_F(ConfigFilePageTest, CancelInTheQuestionSendsNothing) {
    ASSERT_TRUE(Open(kLive, kLabel));
    const size_t before = Mark();
    messages->Answer = MessageBox::AnswerCancel;
    ASSERT_TRUE(SetField("Update File", File("any.dcf", "x")));
    ASSERT_TRUE(Press("Update"));
    EXPECT_EQ(messages->Texts(), QStringList{"Load settings from file ?"});
    EXPECT_EQ(SetsSince(before).size(), 0u);
    EXPECT_TRUE(Settled());
    EXPECT_FALSE(AnySuccessText());
}

TEST_F(ConfigFilePageTest, UploadNamesAreTestedCaseSensitivelyAndDownloadNamesGetTheirEnding) {
    ASSERT_TRUE(Open(kLive, kLabel));
    size_t before = Mark();
    // Upload: ".DCF" is not ".dcf"; an empty path is refused.
    ASSERT_TRUE(SetField("Update File", File("backup.DCF", "x")));
    ASSERT_TRUE(Press("Update"));
    ASSERT_TRUE(SetField("Update File", ""));
    ASSERT_TRUE(Press("Update"));
    EXPECT_EQ(messages->Texts(), (QStringList{"File format error! Please try again!", "Empty file is not accepted"}));
    EXPECT_EQ(SetsSince(before).size(), 0u);
    // Download: backup.DCF is kept as it is, backup.txt becomes backup.txt.dcf.
    messages->Boxes.clear();
    ASSERT_TRUE(DownloadTo(dir_->filePath("backup.DCF")));
    ASSERT_TRUE(DownloadTo(dir_->filePath("backup.txt")));
    EXPECT_TRUE(messages->Boxes.empty()) << messages->Texts().join(" | ").toStdString();
    const auto sets = SetsSince(before);
    QStringList names;
    for (size_t i = 0; i < sets.size(); ++i) {
        if (!SentValue(sets[i], kRemoteNameOid).isEmpty())
            names << SentValue(sets[i], kRemoteNameOid);
    }
    EXPECT_EQ(names, (QStringList{"backup.DCF", "backup.txt.dcf"}));
    EXPECT_TRUE(QFileInfo::exists(dir_->filePath("backup.DCF")));
    EXPECT_TRUE(QFileInfo::exists(dir_->filePath("backup.txt.dcf")));
    // A cancelled save dialog sends nothing.
    before = Mark();
    ASSERT_TRUE(DownloadTo(QString()));
    EXPECT_EQ(SetsSince(before).size(), 0u);
    EXPECT_TRUE(Settled());
}

TEST_F(ConfigFilePageTest, WithoutAServerOrARemoteAccountNothingIsSent) {
    host = {};
    ASSERT_TRUE(Open(kLive, kLabel));
    EXPECT_EQ(static_cast<CConfigFilePage*>(page)->DownloadCaption(), "Load settings to FTP Server");
    const size_t before = Mark();
    ASSERT_TRUE(SetField("Update File", File("settings.dcf", "x")));
    ASSERT_TRUE(Press("Update"));
    ASSERT_TRUE(SetField("Update File", "settings.dcf"));
    ASSERT_TRUE(Press("Download"));
    // The question comes first, then the FTP settings stop the update.
    EXPECT_EQ(messages->Texts(), (QStringList{"Load settings from file ?", "Ftp setting error!", "Ftp setting error!"}));
    EXPECT_TRUE(dialogs.isEmpty());   // without the host's server the typed name is used
    EXPECT_EQ(SetsSince(before).size(), 0u);
    EXPECT_TRUE(Settled());
}

TEST_F(ConfigFilePageTest, AFileThatIsNoConfigurationIsRefusedByTheDeviceWithTheUpgradeFailure) {
    ASSERT_TRUE(Open(kLive, kLabel));
    const QString name = Read(kSysNameOid, SnmpSyntax::DisplayString);
    const size_t before = Mark();
    ASSERT_TRUE(SetField("Update File", File("not-a-backup.dcf", "<sys><name>x</name></sys>")));
    ASSERT_TRUE(Press("Update"));
    EXPECT_EQ(messages->Texts(), (QStringList{"Load settings from file ?", "Upgrade file fail!Please try again!"}));
    EXPECT_TRUE(status->Contains("Upgrade file fail."));
    EXPECT_FALSE(AnySuccessText());
    const auto sets = SetsSince(before);
    ASSERT_EQ(sets.size(), 3u);   // no restart
    EXPECT_EQ(sets.back().Varbinds, QStringList{kUpgradeOid + "=3"});
    EXPECT_TRUE(DeviceSaid("configuration file rejected"));
    EXPECT_EQ(Read(kSysNameOid, SnmpSyntax::DisplayString), name);
    EXPECT_TRUE(Settled());
}

TEST_F(ConfigFilePageTest, AStoreTheServerRefusesShowsTheSaveFailure) {
    // A remote account whose password the server does not take.
    host = {nullptr, true, "aerodesk", "wrong-password", "127.0.0.1"};
    ASSERT_TRUE(Open(kLive, kLabel));
    EXPECT_EQ(static_cast<CConfigFilePage*>(page)->DownloadCaption(), "Load settings to FTP Server");
    ASSERT_TRUE(SetField("Update File", "refused"));
    const size_t before = Mark();
    ASSERT_TRUE(Press("Download"));
    EXPECT_EQ(messages->Texts(), QStringList{"Save file fail!Please try again!"});
    EXPECT_EQ(status->Texts().last(), "Connect Server Fail! Please check FTP server and file name.");
    EXPECT_FALSE(AnySuccessText());
    const auto sets = SetsSince(before);
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(SentValue(sets[0], kRemoteNameOid), "refused.dcf");   // the typed name, with its ending
    EXPECT_EQ(SentValue(sets[0], kPasswordOid), "wrong-password");
    EXPECT_TRUE(Settled());
}

TEST_F(ConfigFilePageTest, ADeviceThatStopsAnsweringDuringTheStoreLeavesThePageUsable) {
    ASSERT_TRUE(Open(kStopsAnswering, kLabel));
    ASSERT_TRUE(DownloadTo(dir_->filePath("never.dcf")));
    EXPECT_EQ(messages->Texts(), QStringList{"Save file fail!Please try again!"});
    EXPECT_EQ(status->Texts().last(), "Connect Server Fail! Please check FTP server and file name.");
    EXPECT_FALSE(AnySuccessText());
    EXPECT_TRUE(Settled());
    EXPECT_FALSE(QFileInfo::exists(dir_->filePath("never.dcf")));
}

TEST_F(ConfigFilePageTest, RestartAsksThenSendsTheRestartAloneAndWaits) {
    ASSERT_TRUE(Open(kLive, kLabel));
    size_t before = Mark();
    messages->Answer = MessageBox::AnswerCancel;
    ASSERT_TRUE(Press("Restart"));
    EXPECT_EQ(messages->Texts(), QStringList{"Device will reboot, continue?"});
    EXPECT_EQ(SetsSince(before).size(), 0u);

    messages->Answer = MessageBox::AnswerOk;
    page->FindButton("Restart")->click();
    EXPECT_FALSE(frame->isEnabled());
    ASSERT_NE(page->WaitDialog(), nullptr);
    EXPECT_EQ(page->WaitDialog()->Line(), "Device is rebooting, please wait...");
    ASSERT_TRUE(ManagementWindow::WaitIdle(60000));
    EXPECT_EQ(RequestedMs("restart"), CMaintenancePage::kRestartDelayMs);
    EXPECT_EQ(RequestedMs("close"), CMaintenancePage::kRebootWaitMs);
    const auto sets = SetsSince(before);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets.back().Varbinds, QStringList{kRestartOid + "=1"});
    EXPECT_TRUE(DeviceSaid("restart: silent for"));
    EXPECT_TRUE(Settled());
}

TEST_F(ConfigFilePageTest, RestoreSendsTheFactoryDefaultAloneAndTheDeviceIsReset) {
    ASSERT_TRUE(Open(kLive, kLabel));
    const size_t before = Mark();
    Write(kSysNameOid, SnmpSyntax::DisplayString, "before-factory-default");
    messages->Answer = MessageBox::AnswerCancel;
    ASSERT_TRUE(Press("Restore"));
    EXPECT_EQ(messages->Texts(), QStringList{"Device will reboot and module will be disconnected, continue?"});
    EXPECT_EQ(SetsSince(before).size(), 1u);   // only the test's own write
    messages->Answer = MessageBox::AnswerOk;
    ASSERT_TRUE(Press("Restore"));
    const auto sets = SetsSince(before);
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(sets.back().Varbinds, QStringList{kFactoryOid + "=1"});
    EXPECT_EQ(RequestedMs("close"), CMaintenancePage::kRebootWaitMs);
    EXPECT_TRUE(ShellTest::PumpUntil(
        [] {
            const QString name = Read(kSysNameOid, SnmpSyntax::DisplayString);
            return !name.isEmpty() && name != "before-factory-default";
        },
        20000));
    EXPECT_TRUE(Settled());
}

}  // namespace
}  // namespace MaintenanceTest
