#include "ProbePage.h"
#include "controls/IpAddressEdit.h"
#include "mib/pages/LanDhcpPageTables.h"
#include "shell/Validators.h"
#include "snmp/SnmpSyntax.h"
#include <QComboBox>
#include <QLineEdit>
#include <QVBoxLayout>

ProbePage::ProbePage(CMainView* view, const PageRow& row)
    : CPage(view, row),
      Function(new QComboBox(this)),
      Start(new IpAddressEdit(this)),
      Mask(new IpAddressEdit(this)),
      Lease(new QLineEdit(this)),
      Domain(new QLineEdit(this)) {
    auto* layout = new QVBoxLayout(this);
    for (QWidget* w : std::initializer_list<QWidget*>{Function, Start, Mask, Lease, Domain})
        layout->addWidget(w);
    PageRequest& function = AddRequest(MibPages::kDhcpFunctionVars, MibVariableList::SVT_SV, 500);
    function.Bind("Dynamic IP Function", ControlBinding::ForCombo(Function));
    Pool = &AddRequest(MibPages::kDhcpDynamicPoolVars, MibVariableList::MVT_SV, 500);
    Pool->Bind("Dynamic IP Start", ControlBinding::ForIpAddress(Start));
    Pool->Bind("Dynamic Mask", ControlBinding::ForIpAddress(Mask));
    Pool->Bind("Dynamic Lease", ControlBinding::ForEdit(Lease));
    Pool->Bind("Dynamic Domain", ControlBinding::ForEdit(Domain));
}

void ProbePage::Refresh() {
    ++Refreshes;
    CPage::Refresh();
}

void ProbePage::Save() {
    CPage::Save(*Pool, [this] {
        for (const char* name : {"Dynamic IP Start", "Dynamic Mask", "Dynamic Lease", "Dynamic Domain"})
            Pool->SetAccess(name, SnmpAccess::ReadWrite);
        return RequireIpAddress(Start, "Please input valid IP Address.") &&
               RequireSubnetMask(Mask, "Please input valid Subnet Mask.") &&
               RequireNumber(Lease, 60, 31536000, Validators::NumberRangeMessage(60, 31536000, true));
    });
}
