#pragma once
#include "shell/Page.h"

// The traffic counters of the Ethernet and the WLAN side, each group with
// Refresh (reads both groups) and Clear (zeroes its own group, then reads).
class CStatsPage : public CPage {
    Q_OBJECT
public:
    CStatsPage(CMainView* view, const PageRow& row);

    void Refresh() override;
    // Zeroes one group's counters on the device and reads both groups again.
    void ClearEthernet();
    void ClearWlan();

private:
    void Read();
    void Clear(PageRequest& command, const char* variable);

    PageRequest* ethernet_ = nullptr;
    PageRequest* wlan_ = nullptr;
    PageRequest* ethernetClear_ = nullptr;
    PageRequest* wlanClear_ = nullptr;
};
