#pragma once
#include "shell/Page.h"
#include <QStringList>
#include <memory>

class CheckField;
class ComboField;
class EditField;
class IpAddressField;
class PageForm;
class QLabel;
class RadioField;
class SnmpRequest;

// The Admin page: which stations may administer the device (by address, by
// address ranges and by management VLAN ID), administration over the
// wireless LAN, the administrator account, the console protocol, the ping
// control and the system name and location. The device's answers to three
// probe reads decide the form: the range list and VID only where it has a
// management VLAN ID, the wireless administration and the ping control only
// where it has them.
class CAdminPage : public CPage {
    Q_OBJECT
public:
    CAdminPage(CMainView* view, const PageRow& row);
    ~CAdminPage() override;

    void Refresh() override;
    bool IsBusy() const override;

    bool RangeForm() const { return rangeForm_; }
    bool WlanAdminShown() const { return wlanAdminShown_; }
    bool PingShown() const { return pingShown_; }

private:
    void DeclareLimit();
    void DeclareAccount();
    void DeclareConsole();
    void DeclareOthers();

    void RangeRowArrived(const RequestResult& result, bool list);
    void LayOut();
    void StatusArrived();
    void AccountArrived();
    void VidBoxChanged();
    void ConsoleChosen();
    void SetStatusFromBoxes();

    void Save();
    bool Validate();
    void AddRange();
    void DeleteRange();
    void ReadRanges(std::function<void()> done);

    PageRequest* status_ = nullptr;
    PageRequest* vlanState_ = nullptr;
    PageRequest* twoAddress_ = nullptr;
    PageRequest* ping_ = nullptr;
    PageRequest* wlanAdmin_ = nullptr;
    PageRequest* vlanId_ = nullptr;
    PageRequest* rangeList_ = nullptr;
    PageRequest* rangeAdd_ = nullptr;
    PageRequest* account_ = nullptr;
    PageRequest* console_ = nullptr;
    PageRequest* system_ = nullptr;
    std::unique_ptr<SnmpRequest> rangeDelete_;   // built for each deletion

    bool rangeForm_ = false;
    bool wlanAdminShown_ = false;
    bool pingShown_ = false;
    bool refreshing_ = false;

    PageForm* limit_ = nullptr;
    PageForm* wlanForm_ = nullptr;
    PageForm* pingForm_ = nullptr;
    PageForm* accountForm_ = nullptr;
    PageForm* consoleForm_ = nullptr;
    PageForm* systemForm_ = nullptr;
    CheckField* ipBox_ = nullptr;
    CheckField* vidBox_ = nullptr;
    EditField* vid_ = nullptr;
    IpAddressField* address1_ = nullptr;
    IpAddressField* address2_ = nullptr;
    QLabel* address1Label_ = nullptr;
    QLabel* address2Label_ = nullptr;
    PageList* ranges_ = nullptr;
    QWidget* rangeAddButton_ = nullptr;
    QWidget* rangeDelButton_ = nullptr;
    ComboField* statusCombo_ = nullptr;
    ComboField* vlanStateCombo_ = nullptr;
    ComboField* pingCombo_ = nullptr;
    CheckField* pingBox_ = nullptr;
    EditField* userName_ = nullptr;
    EditField* devicePassword_ = nullptr;
    EditField* oldPassword_ = nullptr;
    EditField* newPassword_ = nullptr;
    EditField* confirmPassword_ = nullptr;
    RadioField* consoleRadio_ = nullptr;
    ComboField* telnetCombo_ = nullptr;
    ComboField* sshCombo_ = nullptr;
    ComboField* timeoutCombo_ = nullptr;
    EditField* systemName_ = nullptr;

    int rangeRows_ = 0;         // listed ranges at the last reading
    QString freeRangeRow_;      // the ID of the first free row of the range table, "" when full
    QString walkingFreeRow_;
    std::vector<QStringList> walkingRanges_;
    bool refreshAgain_ = false;
};
