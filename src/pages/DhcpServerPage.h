#pragma once
#include "shell/Page.h"
#include <QMap>
#include <QStringList>

class ComboField;
class EditField;
class IpAddressField;
class PageForm;
class StaticField;

// The DHCP server page: the server's on/off state, its dynamic pool (shown
// as a start address and a pool size), the static entries with their add
// and edit form, and the current leases. One of the three sub-forms is shown
// at a time, chosen with the buttons under the server's state.
class CDhcpServerPage : public CPage {
    Q_OBJECT
public:
    CDhcpServerPage(CMainView* view, const PageRow& row);

    void Refresh() override;
    // 0 dynamic pool, 1 static pool, 2 current IP mapping.
    void ShowSubForm(int index);
    bool Enabled() const;

    // One static entry as the device holds it, by table column name.
    struct StaticEntry {
        int Index = 0;
        QMap<QString, QString> Cells;
        bool Used() const;
    };
    const std::vector<StaticEntry>& StaticEntries() const { return entries_; }

private:
    void DeclareDynamicPool();
    void DeclareStaticPool();
    void DeclareMapping();

    void PoolArrived(const RequestResult& result);
    void FunctionChosen();
    void SavePool();
    bool CheckPool();
    void SaveFunction();

    void StaticRowArrived(const RequestResult& result);
    void ReadStaticPool();
    void OpenEditor(int entry);
    void CloseEditor();
    bool CheckEditor();
    void WriteEditor();
    void DeleteEntry();
    void RefreshMapping();

    PageRequest* function_ = nullptr;
    PageRequest* pool_ = nullptr;
    PageRequest* static_ = nullptr;
    PageRequest* staticDelete_ = nullptr;
    PageRequest* leaseRefresh_ = nullptr;
    PageRequest* dynamicLeases_ = nullptr;
    PageRequest* staticLeases_ = nullptr;

    ComboField* functionChoice_ = nullptr;
    IpAddressField* poolStart_ = nullptr;
    EditField* poolSize_ = nullptr;
    EditField* poolEnd_ = nullptr;   // hidden: the end address written
    IpAddressField* poolMask_ = nullptr;
    IpAddressField* poolGateway_ = nullptr;
    IpAddressField* poolWins_ = nullptr;
    IpAddressField* poolDns_ = nullptr;
    EditField* poolLease_ = nullptr;
    StaticField* poolStatus_ = nullptr;

    std::vector<PageForm*> subForms_;
    PageList* staticList_ = nullptr;
    PageForm* editor_ = nullptr;
    int editing_ = -1;   // the entry the editor writes (its table index), 0 none
    EditField* editHost_ = nullptr;
    IpAddressField* editIp_ = nullptr;
    EditField* editMac_ = nullptr;
    IpAddressField* editMask_ = nullptr;
    IpAddressField* editGateway_ = nullptr;
    IpAddressField* editDns_ = nullptr;
    IpAddressField* editWins_ = nullptr;
    EditField* editDomain_ = nullptr;

    std::vector<StaticEntry> entries_;   // every slot of the last walk
    std::vector<StaticEntry> walking_;
};
