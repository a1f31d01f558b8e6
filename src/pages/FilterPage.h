#pragma once
#include "shell/Page.h"
#include <QMap>
#include <QStringList>

class CheckField;
class ComboField;
class EditField;
class PageForm;
class QPushButton;
class RadioField;

// The filter page, shown in one of two modes by the row it is shown for:
// the wireless MAC access-control list (mode 1) and the WLAN partition
// (mode 3). The selector buttons at the top switch between the two; the
// Ethernet MAC ACL and wireless IP ACL modes have no form on this model and
// their buttons are hidden.
class CFilterPage : public CPage {
    Q_OBJECT
public:
    enum Modes { EthernetMacAcl = 0, WirelessMacAcl = 1, WirelessIpAcl = 2, WlanPartition = 3 };

    CFilterPage(CMainView* view, const PageRow& row);

    void ShownFor(const PageRow& row) override;
    void Refresh() override;
    int Mode() const { return mode_; }
    void ShowMode(int mode);

private:
    void DeclareSelectors();
    void DeclareMacAcl();
    void DeclarePartition();

    void ModeCheck();
    void AccessControlChanged();
    void ReadAclList();
    void AclRowArrived(const RequestResult& result);
    void ClientRowArrived(const RequestResult& result);
    void SsidRowArrived(const RequestResult& result);
    void AddAddress(const QString& typed);
    void DeleteAddress();
    void EthernetToWlanClicked();
    void FollowMultiSsidState();

    int mode_ = WirelessMacAcl;
    PageRequest* aclMode_ = nullptr;
    PageRequest* aclAdd_ = nullptr;
    PageRequest* aclDelete_ = nullptr;
    PageRequest* aclList_ = nullptr;
    PageRequest* clients_ = nullptr;
    PageRequest* ssid_ = nullptr;
    PageRequest* ssids_ = nullptr;
    PageRequest* partition_ = nullptr;

    PageForm* aclForm_ = nullptr;
    PageForm* listForm_ = nullptr;
    PageForm* clientForm_ = nullptr;
    PageForm* partitionForm_ = nullptr;
    std::vector<QPushButton*> selectors_;
    ComboField* accessControl_ = nullptr;
    EditField* macAddress_ = nullptr;
    PageList* aclView_ = nullptr;
    PageList* clientList_ = nullptr;
    std::vector<QWidget*> aclControls_;   // disabled while the access control is "Disable"
    CheckField* ethernetToWlan_ = nullptr;
    std::vector<RadioField*> multiSsidRows_;

    std::vector<QStringList> walkingAcl_;
    std::vector<QStringList> walkingClients_;
    QMap<QString, QString> ssidNames_;   // SSID index -> name
    QMap<QString, QString> walkingSsids_;
};
