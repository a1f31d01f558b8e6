#pragma once
#include "shell/Page.h"

class CheckField;
class ComboField;
class DateTimeField;
class IpAddressField;
class QPushButton;
class StaticField;

// The device clock: SNTP/NTP with time zone and daylight saving, or a time
// set by hand.
class CDateTimePage : public CPage {
    Q_OBJECT
public:
    CDateTimePage(CMainView* view, const PageRow& row);

    // The public time servers the "<<" button offers.
    static const QStringList& NtpServers();

private:
    void PlaceBesideServer(QPushButton* copy);
    bool NtpEnabled() const;
    bool DaylightSavingEnabled() const;
    void FollowModes();
    void CopyServer();
    void CopyComputerTime();
    void SetTimeManually();
    void ShowDeviceTime();

    PageRequest* settings_ = nullptr;
    PageRequest* manual_ = nullptr;
    PageRequest* clock_ = nullptr;
    CheckField* ntp_ = nullptr;
    CheckField* dst_ = nullptr;
    IpAddressField* server_ = nullptr;
    ComboField* serverList_ = nullptr;
    StaticField* deviceTime_ = nullptr;
    DateTimeField* timeToSet_ = nullptr;
    QWidget* ntpBox_ = nullptr;
    QWidget* manualBox_ = nullptr;
};
