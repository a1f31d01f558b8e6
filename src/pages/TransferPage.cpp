#include "TransferPage.h"
#include "MaintenanceTexts.h"
#include "TransferHost.h"
#include "mib/MaintenanceTables.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "servers/CFTPServer.h"
#include "shell/ComboField.h"
#include "shell/DeviceSettings.h"
#include "shell/EditField.h"
#include "shell/IpAddressField.h"
#include "snmp/ErrorCatalog.h"
#include "snmp/SnmpSyntax.h"
#include "snmp/StationAddress.h"
#include "snmp/StatusText.h"
#include <QFileInfo>

using namespace MaintenanceTexts;

namespace {
constexpr int32_t kSettingsTimeout = 500;
// The device answers the FTP command once the file has arrived or gone, and
// the upgrade command once it is installed.
constexpr int32_t kCommandTimeout = 6500;
constexpr int32_t kUpgradeTimeout = 20000;

QString Text(const char* text) { return QString::fromLatin1(text); }

// Wait line, status line and upgrade command of each upload.
struct UploadSteps {
    const char* Line;
    const char* Status;
    const char* Command;
};
UploadSteps StepsOf(FileRules::Kind kind) {
    switch (kind) {
    case FileRules::Kind::Certificate:
        return {"Certificate upgrade. Please wait.", "Server connected, upgrade Certificate.", "certificateFileUpdate"};
    case FileRules::Kind::Key:
        return {"Key upgrade. Please wait.", "Server connected, upgrade key.", "keyFileUpdate"};
    case FileRules::Kind::Configuration:
        return {"Configuration upgrade, please wait.", "Server connected, upgrade configuration file.", "configSave"};
    case FileRules::Kind::Firmware:
    case FileRules::Kind::LanguagePack:
        break;
    }
    return {"Firmware upgrade. Please wait.", "Server connected, upgrade firmware.", "firmwareUpdate"};
}
}  // namespace

CTransferPage::CTransferPage(CMainView* view, const PageRow& row) : CMaintenancePage(view, row) {
    settings_ = &AddRequest(kFtpSettingsVars, kSettingsTimeout);
    command_ = &AddRequest(kFtpCommandVars, kCommandTimeout);
    upgrade_ = &AddRequest(kUpgradeCommandVars, kUpgradeTimeout);
    for (PageRequest* request : {settings_, command_, upgrade_})
        request->ReadOnRefresh = false;   // commands, never read
    server_ = &Hidden<IpAddressField>(*settings_, "ftpServerIPAddress");
    user_ = &Hidden<EditField>(*settings_, "ftpUserName");
    password_ = &Hidden<EditField>(*settings_, "ftpPassword");
    password_->Secret();
    remoteName_ = &Hidden<EditField>(*settings_, "ftpRemoteFileName");
    commandChoice_ = &Hidden<ComboField>(*command_, "ftpCommand");                 // "Connect", "Get", "Put", "Nothing"
    upgradeChoice_ = &Hidden<ComboField>(*upgrade_, "ftpUpgradeSettingCommand");   // "firmwareUpdate" ... "keyFileUpdate"
}

bool CTransferPage::HostHasFtpServer() { return TransferHost::Current().FtpServer != nullptr; }

void CTransferPage::Browse(EditField& path, const QString& filter) {
    const QString chosen = FileDialog::OpenFile(QStringLiteral("Open"), filter);
    if (!chosen.isEmpty())
        path.SetText(chosen);
}

bool CTransferPage::PrepareServer(const QString& path, Target& target) {
    const TransferHost host = TransferHost::Current();
    if (!host.FtpServer) {
        if (!host.UseFtpMethod) {
            MessageBox::Show(Text(FtpSettingError));
            return false;
        }
        target = {host.RemoteFtpIpAddress, host.FtpUserName, host.FtpPassword, path};
        return true;
    }
    host.FtpServer->GetCurrentUser(target.User, target.Password);
    // The account is served from the file's folder; the device asks for the bare name.
    host.FtpServer->UpdateHomeDir(target.User, FileRules::FolderOf(QFileInfo(path).absoluteFilePath()));
    target.RemoteName = FileRules::FileName(path);
    target.Server = host.FtpServer->GetIpAddress();
    if (target.Server.isEmpty() || target.Server == QLatin1String("0.0.0.0")) {
        const StationAddress::Choice choice = StationAddress::StationAddressForDevice(
            DeviceSettings::Current().DeviceIpAddress, StationAddress::DeviceSubnetMask());
        target.Server = choice.Ok ? choice.Address : QString();
    }
    return true;
}

void CTransferPage::Begin(EditField& path, const Target& target) {
    path_ = &path;
    server_->SetText(target.Server);
    user_->SetText(target.User);
    password_->SetText(target.Password);
    remoteName_->SetText(target.RemoteName);
    BeginWait(Text(Connecting));
}

bool CTransferPage::WriteSettings(PageRequest::Handler next) {
    settings_->SetAccessAll(SnmpAccess::ReadWrite);
    settings_->OnSet = std::move(next);
    return settings_->StartWrite();
}

void CTransferPage::Upload(FileRules::Kind kind, EditField& path) {
    const QString file = path.Text();
    if (file.trimmed().isEmpty()) {
        MessageBox::Show(Text(EmptyFile));
        return;
    }
    if (!FileRules::Accepts(kind, FileRules::FileName(file))) {
        MessageBox::Show(Text(FormatError));
        return;
    }
    if (kind == FileRules::Kind::Configuration && MessageBox::Confirm(Text(LoadQuestion)) != MessageBox::AnswerOk)
        return;
    Target target;
    if (!PrepareServer(file, target))
        return;
    kind_ = kind;
    Begin(path, target);
    commandChoice_->SetText(QStringLiteral("Get"));
    // The FTP command goes once the device holds the server, account and file.
    const bool sent = WriteSettings([this](const RequestResult& result) {
        if (result.Status != 0) {
            GetAnswered(result);
            return;
        }
        command_->SetAccessAll(SnmpAccess::ReadWrite);
        command_->OnSet = [this](const RequestResult& answer) { GetAnswered(answer); };
        if (!command_->StartWrite())
            EndSoon();
    });
    if (!sent)
        EndSoon();
}

void CTransferPage::GetAnswered(const RequestResult& result) {
    if (result.Status != 0) {
        MessageBox::Show(Text(WriteFileFailed));
        PostStatus(Text(ConnectFailed));
        EndSoon();
        return;
    }
    const UploadSteps steps = StepsOf(kind_);
    upgradeChoice_->SetText(QString::fromLatin1(steps.Command));
    SetWaitLine(Text(steps.Line));
    PostStatus(Text(steps.Status));
    upgrade_->SetAccessAll(SnmpAccess::ReadWrite);
    upgrade_->OnSet = [this](const RequestResult& answer) { UpgradeAnswered(answer); };
    if (!upgrade_->StartWrite())
        EndSoon();
}

void CTransferPage::UpgradeAnswered(const RequestResult& result) {
    if (result.Status != 0) {
        PostStatus(Text(UpgradeFailedStatus));
        MessageBox::Show(Text(UpgradeFailed));
        EndSoon();
        return;
    }
    switch (kind_) {
    case FileRules::Kind::Firmware:
    case FileRules::Kind::LanguagePack:
    case FileRules::Kind::Configuration: {
        const bool firmware = kind_ != FileRules::Kind::Configuration;
        PostStatus(Text(firmware ? FirmwareOk : ConfigurationOk));
        SetWaitLine(Text(DeviceReboot));
        // Sent once: a retry could reach a device that restarted by itself
        // and has just come back, and restart it a second time.
        WriteRestart([this](const RequestResult& answer) { RebootAnswered(answer); }, true);
        CloseAfter(firmware ? kFirmwareRebootMs : kConfigurationRebootMs);
        return;
    }
    case FileRules::Kind::Certificate:
        PostStatus(Text(CertificateOk));
        MessageBox::Show(Text(CertificateOkMessage));
        break;
    case FileRules::Kind::Key:
        PostStatus(Text(KeyOk));
        MessageBox::Show(Text(KeyOkMessage));
        break;
    }
    EndSoon();
}

// A device that restarts by itself after an update does not answer the
// restart: that is no failure of the update, whose success stays the line.
void CTransferPage::RebootAnswered(const RequestResult& result) {
    if (result.Status != 0 && result.Status != ErrorCatalog::ErrTimeout)
        PostStatus(StatusText::Format(true, result.Message, QString()));
}

void CTransferPage::Download(EditField& path) {
    QString file;
    if (HostHasFtpServer()) {
        file = FileDialog::SaveFile(QStringLiteral("Save As"), FileRules::NameFilter(Text(SaveFilter)), FileRules::FileName(path.Text()));
        if (file.isEmpty())
            return;
    } else {
        file = path.Text();
    }
    if (file.trimmed().isEmpty()) {
        MessageBox::Show(Text(EmptyFile));
        return;
    }
    file = FileRules::DownloadPath(file);
    Target target;
    if (!PrepareServer(file, target))
        return;
    kind_ = FileRules::Kind::Configuration;
    path.SetText(file);
    Begin(path, target);
    // The device is given the server, account and file, and told nothing to
    // do with them yet: the upgrade command is left out of its set.
    const bool sent = WriteSettings([this](const RequestResult& result) {
        if (result.Status != 0) {
            SaveAnswered(result);
            return;
        }
        upgrade_->SetAccess(QStringLiteral("ftpUpgradeSettingCommand"), SnmpAccess::Invalid);
        upgrade_->OnSet = [this](const RequestResult& answer) {
            upgrade_->SetAccess(QStringLiteral("ftpUpgradeSettingCommand"), SnmpAccess::ReadWrite);
            SaveAnswered(answer);
        };
        if (!upgrade_->StartWrite()) {
            upgrade_->SetAccess(QStringLiteral("ftpUpgradeSettingCommand"), SnmpAccess::ReadWrite);
            EndSoon();
        }
    });
    if (!sent)
        EndSoon();
}

void CTransferPage::SaveAnswered(const RequestResult& result) {
    if (result.Status != 0) {
        PostStatus(Text(SaveFailedStatus));
        MessageBox::Show(Text(SaveFailed));
        EndSoon();
        return;
    }
    commandChoice_->SetText(QStringLiteral("Put"));
    SetWaitLine(Text(PutFile));
    PostStatus(Text(PutFile));
    command_->SetAccessAll(SnmpAccess::ReadWrite);
    command_->OnSet = [this](const RequestResult& answer) { PutAnswered(answer); };
    if (!command_->StartWrite())
        EndSoon();
}

void CTransferPage::PutAnswered(const RequestResult& result) {
    if (result.Status == 0) {
        PostStatus(Text(SaveOk));
    } else {
        MessageBox::Show(Text(PutFailed));
        PostStatus(Text(ConnectFailed));
    }
    EndSoon();
}

void CTransferPage::Closed() {
    if (path_)
        path_->SetText(QString());
    path_ = nullptr;
}
