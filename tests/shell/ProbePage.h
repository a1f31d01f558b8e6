#pragma once
// A test-only page declared on the page base: the DHCP server's state and
// dynamic pool of the simulated device with the usual checks, the WLAN
// partition as a radio group and a check box, and the client list.
#include "shell/Page.h"

class CheckField;
class IpAddressEdit;
class QComboBox;
class QLineEdit;
class RadioField;

class ProbePage : public CPage {
    Q_OBJECT
public:
    ProbePage(CMainView* view, const PageRow& row);
    static CPage* Make(CMainView* view, const PageRow& row) { return new ProbePage(view, row); }

    void Save();
    void SavePartition();
    int Refreshes = 0;
    void Refresh() override;

    QComboBox* Function;
    IpAddressEdit* Start;
    IpAddressEdit* Mask;
    QLineEdit* Lease;
    QLineEdit* Domain;
    RadioField* StationConnection;
    CheckField* EthernetToWlan;
    PageList* Clients;
    PageRequest* Pool;
    PageRequest* Partition;
};
