#include "ProbePage.h"
#include "mib/pages/FilterPageTables.h"
#include "mib/pages/LanDhcpPageTables.h"
#include "shell/CheckField.h"
#include "shell/ComboField.h"
#include "shell/EditField.h"
#include "shell/IpAddressField.h"
#include "shell/PageForm.h"
#include "shell/RadioField.h"
#include "shell/Validators.h"

ProbePage::ProbePage(CMainView* view, const PageRow& row) : CPage(view, row) {
    PageRequest& function = AddRequest(MibPages::kDhcpFunctionVars, 500);
    Pool = &AddRequest(MibPages::kDhcpDynamicPoolVars, 500);
    PageForm& pool = Form("Dynamic Pool");
    Function = pool.Add<ComboField>(function, "Dynamic IP Function", "Function").Combo();
    auto& start = pool.Add<IpAddressField>(*Pool, "Dynamic IP Start", "IP Assigned From");
    start.Check(Checks::IpAddress("Please input valid IP Address."));
    Start = start.Control();
    auto& mask = pool.Add<IpAddressField>(*Pool, "Dynamic Mask", "Subnet Mask");
    mask.Check(Checks::SubnetMask("Please input valid Subnet Mask."));
    Mask = mask.Control();
    auto& lease = pool.Add<EditField>(*Pool, "Dynamic Lease", "Lease Time");
    lease.Check(Checks::Range(60, 31536000, Validators::NumberRangeMessage(60, 31536000, true)));
    Lease = lease.Edit();
    Domain = pool.Add<EditField>(*Pool, "Dynamic Domain", "Domain Name").MaxLength(30).Edit();
    pool.Button("Save", [this] { Save(); });

    Partition = &AddRequest(MibPages::kWlanPartitionVars, 500);
    PageForm& partition = Form("Partition");
    StationConnection = &partition.Add<RadioField>(*Partition, "dot11InternalStationConnection",
                                                   "Internal Station Connection");
    EthernetToWlan = &partition.Add<CheckField>(*Partition, "dot11EthernetToWlanAccess", "Ethernet to WLAN Access");
    partition.Button("Save", [this] { SavePartition(); });

    PageRequest& clients = AddRequest(MibPages::kFilterClientTableVars, 500);
    Clients = &List("Clients")
                   .Column(clients, "dot11ClientMacAddress", "MAC Address")
                   .Column(clients, "dot11ClientBand", "Band")
                   .Column(clients, "dot11SSIDIndex", "SSID")
                   .Checkable();
}

void ProbePage::Refresh() {
    ++Refreshes;
    CPage::Refresh();
}

void ProbePage::Save() { SaveFields(*Pool); }

void ProbePage::SavePartition() { SaveFields(*Partition); }
