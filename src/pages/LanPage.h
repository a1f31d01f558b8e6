#pragma once
#include "shell/Page.h"
#include <QStringList>

class ComboField;
class IpAddressField;

// The LAN page: how the access point gets its own address (static or from a
// DHCP server) and, when static, the address, mask and gateway.
class CLanPage : public CPage {
    Q_OBJECT
public:
    CLanPage(CMainView* view, const PageRow& row);

    void Refresh() override;
    bool IsStatic() const;

private:
    void SettingsArrived(const RequestResult& result);
    void SaveSettings();
    // The address fields are shown only for a static address.
    void ShowAddressFields();
    QStringList Texts() const;

    PageRequest* settings_ = nullptr;
    ComboField* source_ = nullptr;
    std::vector<IpAddressField*> addressFields_;
    QStringList readTexts_;   // Texts() when the device's settings last arrived
};
