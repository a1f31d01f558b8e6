#pragma once
// A small page for the window tests: the DHCP server's state and dynamic pool
// of the simulated device, with the usual controls and save rules.
#include "shell/Page.h"

class IpAddressEdit;
class QComboBox;
class QLineEdit;

class ProbePage : public CPage {
    Q_OBJECT
public:
    ProbePage(CMainView* view, const PageRow& row);
    static CPage* Make(CMainView* view, const PageRow& row) { return new ProbePage(view, row); }

    void Save();
    int Refreshes = 0;
    void Refresh() override;

    QComboBox* Function;
    IpAddressEdit* Start;
    IpAddressEdit* Mask;
    QLineEdit* Lease;
    QLineEdit* Domain;
    PageRequest* Pool;
};
