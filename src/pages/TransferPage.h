#pragma once
#include "FileRules.h"
#include "MaintenancePage.h"

class ComboField;
class EditField;
class IpAddressField;

// A maintenance page that has the device fetch a file from, or store a file
// on, an FTP server at the station: the host's own server (the file served
// from its folder) or the stored remote account. A transfer is a chain of
// sets, each started when the one before has answered; the page's wait
// lasts from the button to the close timer.
class CTransferPage : public CMaintenancePage {
    Q_OBJECT
public:
    // Waits after a successful update before the page is usable again.
    static constexpr int kFirmwareRebootMs = 150000;
    static constexpr int kConfigurationRebootMs = 50000;

    // Whether the host has given the module its FTP server.
    static bool HostHasFtpServer();

protected:
    CTransferPage(CMainView* view, const PageRow& row);

    // "Browse": a file-open dialog fills the path unless it is cancelled.
    void Browse(EditField& path, const QString& filter);
    // "UpLoad" and "Update": the file rules, the question of a configuration
    // update, the server, then the upload chain.
    void Upload(FileRules::Kind kind, EditField& path);
    // "Download": the device stores its configuration file.
    void Download(EditField& path);
    // The path of the transfer that ended is cleared.
    void Closed() override;

private:
    struct Target {
        QString Server, User, Password, RemoteName;
    };
    // Where the device is to find the file; false (after its message) when
    // no server can be given.
    static bool PrepareServer(const QString& path, Target& target);
    void Begin(EditField& path, const Target& target);
    bool WriteSettings(PageRequest::Handler next);
    // Upload chain.
    void GetAnswered(const RequestResult& result);
    void UpgradeAnswered(const RequestResult& result);
    void RebootAnswered(const RequestResult& result);
    // Download chain.
    void SaveAnswered(const RequestResult& result);
    void PutAnswered(const RequestResult& result);
    // A set that could not be sent ends the chain (its message is posted).
    void EndSoon() { CloseAfter(kCloseSoonMs); }

    PageRequest* settings_ = nullptr;
    PageRequest* command_ = nullptr;
    PageRequest* upgrade_ = nullptr;
    IpAddressField* server_ = nullptr;
    EditField* user_ = nullptr;
    EditField* password_ = nullptr;
    EditField* remoteName_ = nullptr;
    ComboField* commandChoice_ = nullptr;
    ComboField* upgradeChoice_ = nullptr;
    FileRules::Kind kind_ = FileRules::Kind::Firmware;
    EditField* path_ = nullptr;   // of the running transfer
};
