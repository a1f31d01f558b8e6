#pragma once
#include "shell/Page.h"

class PageForm;
class StaticField;

// What the device reports about itself: firmware, its Ethernet side, its
// radio, CPU and memory use and its place in an AP array.
class CDeviceInfoPage : public CPage {
    Q_OBJECT
public:
    CDeviceInfoPage(CMainView* view, const PageRow& row);

    // The wireless group's title as shown ("Wireless (2.4GHz)").
    QString WirelessTitle() const;

private:
    void ShowFrequency();

    PageRequest* wireless_ = nullptr;
    PageRequest* band_ = nullptr;
    PageForm* wirelessForm_ = nullptr;
    StaticField* frequency_ = nullptr;
};
