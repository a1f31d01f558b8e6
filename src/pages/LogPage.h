#pragma once
#include "LogReceiver.h"
#include "shell/Page.h"

class CheckField;
class EditField;
class IpAddressField;
class StaticField;

// The device's log: "Log View" lists the entries of the log file that the
// device sends to the module's TFTP server; "Log Settings" sets which events
// are logged, the remote log server and e-mail notification.
class CLogPage : public CPage {
    Q_OBJECT
public:
    CLogPage(CMainView* view, const PageRow& row);

    void Refresh() override;
    bool IsBusy() const override;

    // Fetches the device's log and lists it.
    void FetchLog();
    void ClearLog();
    PageList& LogList() const { return *list_; }

    static constexpr const char* kFileName = "LogFile.RD";
    // How long the device may take to send its log once it has answered.
    static constexpr int kLogWaitMs = 30000;

private:
    bool EmailEnabled() const;
    void SaveLogSettings();
    void FetchWithMask(const QString& deviceMask);
    void FetchAnswered(const RequestResult& result);
    void Conclude();
    void Finish();

    PageRequest* settings_ = nullptr;
    PageRequest* mail_ = nullptr;
    PageRequest* fetch_ = nullptr;
    PageRequest* clear_ = nullptr;
    PageRequest* mask_ = nullptr;
    PageList* list_ = nullptr;
    StaticField* server_ = nullptr;
    CheckField* email_ = nullptr;
    IpAddressField* logServer_ = nullptr;
    EditField* confirm_ = nullptr;
    EditField* password_ = nullptr;
    LogReceiver receiver_;
    bool fetching_ = false;
    bool answered_ = false;
};
