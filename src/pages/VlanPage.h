#pragma once
#include "RefreshTally.h"
#include "shell/Page.h"
#include <array>
#include <optional>

class ComboField;
class EditField;
class QTabWidget;

// The VLAN page: VLAN support on or off, the VLAN list with the member ports
// of each VLAN (tagged or untagged), adding and editing a VLAN, deleting one
// through the run-time "DelVLan" variable, the PVID of every port, and the
// port list that the device builds from them. Four tabs: "VLAN List",
// "Port List", "Add/Edit VLAN", "PVID Setting".
class CVlanPage : public CPage {
    Q_OBJECT
public:
    static constexpr int kPorts = 18;   // Mgmt, LAN, Primary, MSSID 1-7, WDS 1-8

    struct Vlan {
        int Row = 0;   // the device's list index
        int Vid = 0;
        QString Name;
        std::array<int, kPorts> Members{};   // 0 none, 1 tag, 2 untag
    };

    CVlanPage(CMainView* view, const PageRow& row);

    void Refresh() override;

    const std::vector<Vlan>& Vlans() const { return vlans_; }
    // The port names shown in the lists ("Mgmt", "LAN", "Primary", "MSSID1", ... "WDS8").
    static QString PortName(int port);
    QTabWidget* Tabs() const { return tabs_; }

private:
    void BuildListTab(QWidget* tab);
    void BuildEditTab(QWidget* tab);
    void BuildPvidTab(QWidget* tab);
    void VlanRowArrived();
    void VlanListEnded(const RequestResult& result);
    void PortRowArrived();
    void ShowVlans();
    // Reads the VLAN list and the port list again; `then` runs at the end.
    void ReadLists(std::function<void(bool)> then);
    void StartPortList();

    void SaveState();
    void AddVlan();
    void ClearEditor();
    void EditVlan();
    void DeleteVlan();
    // The listed VLAN that is selected; says "No item selected!" and gives
    // nullptr when there is none.
    const Vlan* SelectedVlan() const;
    void SavePvids();

    PageRequest* state_ = nullptr;
    PageRequest* apMode_ = nullptr;
    PageRequest* list_ = nullptr;
    PageRequest* pvid_ = nullptr;
    PageRequest* autoAssign_ = nullptr;
    PageRequest* portRefresh_ = nullptr;
    PageRequest* ports_ = nullptr;
    PageRequest* delete_ = nullptr;

    QTabWidget* tabs_ = nullptr;
    ComboField* status_ = nullptr;
    EditField* vid_ = nullptr;
    EditField* name_ = nullptr;
    std::array<ComboField*, kPorts> members_{};
    PageList* vlanView_ = nullptr;
    PageList* portView_ = nullptr;

    std::vector<Vlan> vlans_;
    std::vector<Vlan> arriving_;
    std::vector<QStringList> portRows_;
    std::optional<Vlan> editing_;
    std::function<void(bool)> listsThen_;
    bool listsOk_ = true;
    RefreshTally tally_;
};
