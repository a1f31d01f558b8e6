// The Firmware and SSL page against simulated devices and a real FTP server:
// each upload ends with the device changed (a new firmware version after its
// restart, a language pack, a certificate, a key), failures show their
// failure texts and never a success text, and refused files send nothing.
#include "MaintenanceFixture.h"
#include "pages/FirmwarePage.h"
#include "platform/FileDialog.h"
#include "snmp/StationAddress.h"

namespace MaintenanceTest {
namespace {

class FirmwarePageTest : public MaintenancePagesTest {
protected:
    static constexpr const char* kLabel = "Firmware and SSL";
    // Firmware and language pack after a successful update: the page's own
    // restart follows.
    const QStringList kFirmwareDone{"Server connected, upgrade firmware.", "Upgrade firmware success."};
    // Texts that say an upload worked.
    const QStringList kSuccessTexts{"Upgrade firmware success.", "Update SSL certificate success.",
                                    "Update SSL key success!",
                                    "Update SSL certificate success.Please update key now!",
                                    "Update SSL key success. You use new SSL Certificate now!"};
    bool AnySuccessText() const {
        for (const QString& text : kSuccessTexts) {
            if (status->Contains(text) || messages->Texts().contains(text))
                return true;
        }
        return false;
    }
};

TEST_F(FirmwarePageTest, FirmwareUploadInstallsTheImageAndTheDeviceRunsItAfterItsRestart) {
    ASSERT_TRUE(Open(kLive, kLabel));
    EXPECT_EQ(page->TextOf("systemFirmwareVersion"), Read(kVersionOid, SnmpSyntax::DisplayString));
    const QString image = File("nxa-7310.bin", "NXA-7310 image\nversion=2.31\n" + QByteArray(50000, 'f'));
    const qsizetype restarts = sim_->DeviceLines(kLive).filter("restart: silent for").size();
    const size_t before = Mark();
    ASSERT_TRUE(SetField("Upload Firmware From File", image));
    ASSERT_TRUE(Press("Firmware/UpLoad"));
    EXPECT_TRUE(messages->Boxes.empty()) << messages->Texts().join(" | ").toStdString();
    for (const QString& text : kFirmwareDone)
        EXPECT_TRUE(status->Contains(text)) << status->Texts().join(" | ").toStdString();
    // The chain: server, account and bare file name; "Get"; "firmwareUpdate"; the restart.
    const auto sets = SetsSince(before);
    ASSERT_EQ(sets.size(), 4u) << SentSince(before).join("\n").toStdString();
    EXPECT_EQ(SentValue(sets[0], kServerOid), "127.0.0.1");
    EXPECT_EQ(SentValue(sets[0], kUserOid), "aerodesk");
    EXPECT_EQ(SentValue(sets[0], kPasswordOid), "station-secret");
    EXPECT_EQ(SentValue(sets[0], kRemoteNameOid), "nxa-7310.bin");
    EXPECT_EQ(sets[1].Varbinds, QStringList{kFtpCommandOid + "=2"});
    EXPECT_EQ(sets[2].Varbinds, QStringList{kUpgradeOid + "=1"});
    EXPECT_EQ(sets[3].Varbinds, QStringList{kRestartOid + "=1"});
    // The file was served from its own folder.
    QString home;
    ftp_->GetHomeDir("aerodesk", home);
    EXPECT_EQ(QDir(home), QDir(dir_->path()));
    // The device runs the new image after its restart.
    EXPECT_TRUE(EventuallyReads(kVersionOid, SnmpSyntax::DisplayString, "2.31"));
    EXPECT_TRUE(DeviceSaid("firmware 2.31 installed"));
    // The page waited the reboot time, then was usable again with the path cleared.
    EXPECT_EQ(RequestedMs("close"), CTransferPage::kFirmwareRebootMs);
    EXPECT_TRUE(Settled());
    EXPECT_EQ(page->FindField("Upload Firmware From File")->Text(), "");
    // A device that restarted by itself does not answer the page's restart
    // (it stays silent longer than the restart request waits): no failure
    // line follows the success.
    EXPECT_EQ(status->Texts().last(), "Upgrade firmware success.") << status->Texts().join(" | ").toStdString();
    // Nor is the restart sent again once the device is back: it restarted once, by itself.
    EXPECT_EQ(AllSets(kLive).back().Varbinds, QStringList{kRestartOid + "=1"});
    EXPECT_EQ(sim_->DeviceLines(kLive).filter("restart: silent for").size(), restarts);
    // A refresh shows what the device now runs.
    page->Refresh();
    ASSERT_TRUE(ManagementWindow::WaitIdle(30000));
    EXPECT_EQ(page->TextOf("systemFirmwareVersion"), "2.31");
}

TEST_F(FirmwarePageTest, LanguagePackIsInstalledBesideTheFirmwareAndTheDeviceRestarted) {
    ASSERT_TRUE(Open(kLive, kLabel));
    const QString version = Read(kVersionOid, SnmpSyntax::DisplayString);
    const QString pack = File("deutsch.had", "language=Deutsch\n" + QByteArray(2000, 'l'));
    const size_t before = Mark();
    ASSERT_TRUE(SetField("Upload", pack));
    ASSERT_TRUE(Press("Language Pack/UpLoad"));
    EXPECT_TRUE(messages->Boxes.empty()) << messages->Texts().join(" | ").toStdString();
    for (const QString& text : kFirmwareDone)
        EXPECT_TRUE(status->Contains(text));
    EXPECT_TRUE(DeviceSaid("language pack Deutsch installed"));
    // The device does not restart by itself here: the page's restart does it.
    EXPECT_TRUE(DeviceSaid("restart: silent for"));
    const auto sets = SetsSince(before);
    ASSERT_EQ(sets.size(), 4u);
    EXPECT_EQ(SentValue(sets[0], kRemoteNameOid), "deutsch.had");
    EXPECT_EQ(sets[2].Varbinds, QStringList{kUpgradeOid + "=1"});
    EXPECT_EQ(sets[3].Varbinds, QStringList{kRestartOid + "=1"});
    EXPECT_TRUE(EventuallyReads(kVersionOid, SnmpSyntax::DisplayString, version));
    EXPECT_TRUE(Settled());
}

TEST_F(FirmwarePageTest, CertificateAndKeyAreStoredWithTheirMessages) {
    ASSERT_TRUE(Open(kLive, kLabel));
    const QString certificate = File("station.pem", "-----BEGIN CERTIFICATE-----\nMIIB\n-----END CERTIFICATE-----\n");
    const QString key = File("station-key.der", QByteArray(1217, 'k'));
    size_t before = Mark();
    ASSERT_TRUE(SetField("Upload Certificate From File", certificate));
    ASSERT_TRUE(Press("Certificate/UpLoad"));
    EXPECT_EQ(messages->Texts(), QStringList{"Update SSL certificate success.Please update key now!"});
    EXPECT_TRUE(status->Contains("Server connected, upgrade Certificate."));
    EXPECT_TRUE(status->Contains("Update SSL certificate success."));
    EXPECT_TRUE(DeviceSaid("certificate stored, 59 bytes"));
    auto sets = SetsSince(before);
    ASSERT_EQ(sets.size(), 3u);   // no restart after a certificate
    EXPECT_EQ(SentValue(sets[0], kRemoteNameOid), "station.pem");
    EXPECT_EQ(sets[2].Varbinds, QStringList{kUpgradeOid + "=7"});
    EXPECT_EQ(RequestedMs("close"), CMaintenancePage::kCloseSoonMs);
    EXPECT_TRUE(Settled());

    messages->Boxes.clear();
    before = Mark();
    ASSERT_TRUE(SetField("Upload Key From File", key));
    ASSERT_TRUE(Press("Key/UpLoad"));
    EXPECT_EQ(messages->Texts(), QStringList{"Update SSL key success. You use new SSL Certificate now!"});
    EXPECT_TRUE(status->Contains("Server connected, upgrade key."));
    EXPECT_TRUE(status->Contains("Update SSL key success!"));
    EXPECT_TRUE(DeviceSaid("key stored, 1217 bytes"));
    sets = SetsSince(before);
    ASSERT_EQ(sets.size(), 3u);
    EXPECT_EQ(sets[2].Varbinds, QStringList{kUpgradeOid + "=8"});
    EXPECT_TRUE(Settled());
}

TEST_F(FirmwarePageTest, FilesThatBreakTheRulesAreRefusedBeforeAnythingIsSent) {
    ASSERT_TRUE(Open(kLive, kLabel));
    const size_t before = Mark();
    struct Case {
        const char* Field;
        const char* Button;
        QString Path;
        const char* Message;
    };
    const Case cases[] = {
        {"Upload Firmware From File", "Firmware/UpLoad", "", "Empty file is not accepted"},
        {"Upload Firmware From File", "Firmware/UpLoad", File("release-notes.txt", "x"), "File format error! Please try again!"},
        {"Upload Firmware From File", "Firmware/UpLoad", File("IMAGE.BIN", "x"), "File format error! Please try again!"},
        {"Upload", "Language Pack/UpLoad", File("deutsch.pem", "x"), "File format error! Please try again!"},
        {"Upload Certificate From File", "Certificate/UpLoad", File("station.bin", "x"), "File format error! Please try again!"},
        {"Upload Key From File", "Key/UpLoad", "", "Empty file is not accepted"},
        {"Upload Key From File", "Key/UpLoad", File("station.key", "x"), "File format error! Please try again!"},
        // The rule looks at the file name only, not at the folders on its way.
        {"Upload Key From File", "Key/UpLoad", dir_->filePath("keys.pem/station.txt"), "File format error! Please try again!"},
    };
    for (const Case& c : cases) {
        messages->Boxes.clear();
        ASSERT_TRUE(SetField(c.Field, c.Path));
        ASSERT_TRUE(Press(c.Button));
        EXPECT_EQ(messages->Texts(), QStringList{c.Message}) << c.Path.toStdString();
        EXPECT_TRUE(Settled());
    }
    EXPECT_EQ(SetsSince(before).size(), 0u);
    EXPECT_FALSE(AnySuccessText());
}

TEST_F(FirmwarePageTest, AnImageWhoseNameOnlyContainsAnAcceptedEndingPasses) {
    ASSERT_TRUE(Open(kLive, kLabel));
    const QString image = File("image.bin.old", "version=2.40\n");
    ASSERT_TRUE(SetField("Upload Firmware From File", image));
    ASSERT_TRUE(Press("Firmware/UpLoad"));
    EXPECT_TRUE(messages->Boxes.empty()) << messages->Texts().join(" | ").toStdString();
    EXPECT_TRUE(status->Contains("Upgrade firmware success."));
    EXPECT_TRUE(EventuallyReads(kVersionOid, SnmpSyntax::DisplayString, "2.40"));
}

TEST_F(FirmwarePageTest, AFileTheDeviceCannotFetchShowsTheConnectFailureAndNoUpgradeIsSent) {
    ASSERT_TRUE(Open(kLive, kLabel));
    const QString version = Read(kVersionOid, SnmpSyntax::DisplayString);
    const size_t before = Mark();
    ASSERT_TRUE(SetField("Upload Firmware From File", dir_->filePath("missing.bin")));
    ASSERT_TRUE(Press("Firmware/UpLoad"));
    EXPECT_EQ(messages->Texts(), QStringList{"Write file fail!Please try again!"});
    EXPECT_EQ(status->Texts().last(), "Connect Server Fail! Please check FTP server and file name.");
    EXPECT_FALSE(AnySuccessText());
    // Settings and "Get" only.
    EXPECT_EQ(SetsSince(before).size(), 2u) << SentSince(before).join("\n").toStdString();
    EXPECT_EQ(Read(kVersionOid, SnmpSyntax::DisplayString), version);
    EXPECT_TRUE(Settled());
}

TEST_F(FirmwarePageTest, AnImageTheDeviceRefusesShowsTheUpgradeFailureAndNoRestartIsSent) {
    ASSERT_TRUE(Open(kLive, kLabel));
    const QString version = Read(kVersionOid, SnmpSyntax::DisplayString);
    const size_t before = Mark();
    ASSERT_TRUE(SetField("Upload Firmware From File", File("empty.tfp", "")));
    ASSERT_TRUE(Press("Firmware/UpLoad"));
    EXPECT_EQ(messages->Texts(), QStringList{"Upgrade file fail!Please try again!"});
    EXPECT_TRUE(status->Contains("Upgrade file fail."));
    EXPECT_FALSE(AnySuccessText());
    const auto sets = SetsSince(before);
    ASSERT_EQ(sets.size(), 3u) << SentSince(before).join("\n").toStdString();
    EXPECT_EQ(sets.back().Varbinds, QStringList{kUpgradeOid + "=1"});
    EXPECT_TRUE(DeviceSaid("firmware update refused: the image is empty"));
    EXPECT_EQ(Read(kVersionOid, SnmpSyntax::DisplayString), version);
    EXPECT_TRUE(Settled());
}

TEST_F(FirmwarePageTest, ADeviceThatStopsAnsweringMidChainLeavesThePageUsableAfterTheTimeOut) {
    ASSERT_TRUE(Open(kStopsAnswering, kLabel));
    const QString image = File("fw-silent.bin", "version=9.99\n");
    ASSERT_TRUE(SetField("Upload Firmware From File", image));
    page->FindButton("Firmware/UpLoad")->click();
    // While the chain waits: the frame is disabled and the wait dialog up.
    EXPECT_FALSE(frame->isEnabled());
    ASSERT_NE(page->WaitDialog(), nullptr);
    EXPECT_EQ(page->WaitDialog()->Line(), "Connect to Server, please wait...");
    EXPECT_EQ(page->WaitDialog()->windowTitle(), "Please wait...");
    ASSERT_TRUE(ManagementWindow::WaitIdle(60000));
    EXPECT_EQ(messages->Texts(), QStringList{"Write file fail!Please try again!"});
    EXPECT_EQ(status->Texts().last(), "Connect Server Fail! Please check FTP server and file name.");
    EXPECT_FALSE(AnySuccessText());
    EXPECT_TRUE(Settled());
    // The FTP command went (and was never answered); nothing after it.
    const auto sets = AllSets(kStopsAnswering);
    ASSERT_FALSE(sets.empty());
    EXPECT_TRUE(sets.back().Varbinds.join(' ').startsWith(kFtpCommandOid + "=2"));
    for (const auto& set : sets)
        EXPECT_TRUE(SentValue(set, kUpgradeOid).isEmpty());
    // Usable: the next click is taken (and refused for its empty path).
    messages->Boxes.clear();
    ASSERT_TRUE(Press("Firmware/UpLoad"));
    EXPECT_EQ(messages->Texts(), QStringList{"Empty file is not accepted"});
}

TEST_F(FirmwarePageTest, WithoutAServerOrARemoteAccountNothingIsSent) {
    host = {};
    ASSERT_TRUE(Open(kLive, kLabel));
    auto* firmware = static_cast<CFirmwarePage*>(page);
    EXPECT_EQ(firmware->FirmwareCaption(), "Update Firmware From Remote Hard Drive");
    EXPECT_EQ(firmware->SslCaption(), "Update SSL Certification From Remote Hard Drive");
    const size_t before = Mark();
    ASSERT_TRUE(SetField("Upload Firmware From File", File("fw.bin", "version=3.0\n")));
    ASSERT_TRUE(Press("Firmware/UpLoad"));
    ASSERT_TRUE(SetField("Upload Certificate From File", File("c.pem", "c")));
    ASSERT_TRUE(Press("Certificate/UpLoad"));
    EXPECT_EQ(messages->Texts(), (QStringList{"Ftp setting error!", "Ftp setting error!"}));
    EXPECT_EQ(SetsSince(before).size(), 0u);
    EXPECT_TRUE(Settled());
}

TEST_F(FirmwarePageTest, TheRemoteAccountGetsThePathAsTyped) {
    // The test's server stands in for a remote one, serving its own folder.
    host = {nullptr, true, "aerodesk", "station-secret", "127.0.0.1"};
    ftp_->UpdateHomeDir("aerodesk", ftpHome_);
    File("ftp-home/remote.bin", "version=2.77\n");
    ASSERT_TRUE(Open(kLive, kLabel));
    const size_t before = Mark();
    ASSERT_TRUE(SetField("Upload Firmware From File", "remote.bin"));
    ASSERT_TRUE(Press("Firmware/UpLoad"));
    EXPECT_TRUE(messages->Boxes.empty()) << messages->Texts().join(" | ").toStdString();
    const auto sets = SetsSince(before);
    ASSERT_FALSE(sets.empty());
    EXPECT_EQ(SentValue(sets[0], kServerOid), "127.0.0.1");
    EXPECT_EQ(SentValue(sets[0], kUserOid), "aerodesk");
    EXPECT_EQ(SentValue(sets[0], kRemoteNameOid), "remote.bin");
    EXPECT_TRUE(EventuallyReads(kVersionOid, SnmpSyntax::DisplayString, "2.77"));
    // The remote account's folder was left alone.
    QString home;
    ftp_->GetHomeDir("aerodesk", home);
    EXPECT_EQ(QDir(home), QDir(ftpHome_));
}

TEST_F(FirmwarePageTest, AServerWithoutAnAddressIsReachedAtTheStationsAddressForTheDevice) {
    ftp_->SetAdvertisedAddress(QStringLiteral("0.0.0.0"));
    // The device's network as the LAN page last read it: loopback.
    StationAddress::SetDeviceSubnetMask(QStringLiteral("255.0.0.0"));
    ASSERT_TRUE(Open(kLive, kLabel));
    const size_t before = Mark();
    ASSERT_TRUE(SetField("Upload Certificate From File", File("again.pem", "pem")));
    ASSERT_TRUE(Press("Certificate/UpLoad"));
    ftp_->SetAdvertisedAddress(QStringLiteral("127.0.0.1"));
    StationAddress::SetDeviceSubnetMask({});
    const auto sets = SetsSince(before);
    ASSERT_FALSE(sets.empty());
    EXPECT_EQ(SentValue(sets[0], kServerOid), "127.0.0.1");
    EXPECT_EQ(messages->Texts(), QStringList{"Update SSL certificate success.Please update key now!"});
}

TEST_F(FirmwarePageTest, BrowseFillsThePathFromTheFileDialogUnlessItIsCancelled) {
    ASSERT_TRUE(Open(kLive, kLabel));
    auto* firmware = static_cast<CFirmwarePage*>(page);
    EXPECT_EQ(firmware->FirmwareCaption(), "Update Firmware From Local Hard Drive");
    EXPECT_EQ(firmware->SslCaption(), "Update SSL Certification From Local Hard Drive");
    const size_t before = Mark();
    QStringList filters;
    QString answer = "/srv/images/fw-2.50.bin";
    const FileDialog::Handler previous =
        FileDialog::SetHandler([&](const QString&, const QString& filter, bool save, const QString&) {
            EXPECT_FALSE(save);
            filters << filter;
            return answer;
        });
    ASSERT_TRUE(Press("Firmware/Browse.."));
    EXPECT_EQ(page->FindField("Upload Firmware From File")->Text(), "/srv/images/fw-2.50.bin");
    answer.clear();   // cancelled: the path stays
    ASSERT_TRUE(Press("Firmware/Browse.."));
    EXPECT_EQ(page->FindField("Upload Firmware From File")->Text(), "/srv/images/fw-2.50.bin");
    answer = "/srv/keys/ap.pem";
    ASSERT_TRUE(Press("Key/Browse.."));
    EXPECT_EQ(page->FindField("Upload Key From File")->Text(), "/srv/keys/ap.pem");
    FileDialog::SetHandler(previous);
    EXPECT_EQ(SetsSince(before).size(), 0u);
    ASSERT_EQ(filters.size(), 3);
    EXPECT_EQ(filters[0], "All Files (*.*);;JPG File (*.jpg);;GIF File (*.gif);;HTM File (*.htm);;HTML File (*.html)");
    EXPECT_EQ(filters[2], "");   // the key's dialog has no filter
}

}  // namespace
}  // namespace MaintenanceTest
