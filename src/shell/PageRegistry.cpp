#include "PageRegistry.h"
#include <cstring>
#include <map>
#include <string>

namespace PageRegistry {
namespace {

using F = Folders;

const std::vector<PageRow> kRows = {
    {"Information", 32792, "&Information", F::Home, 171, "CInformationPage", true, 0, true},
    {"Wireless", 32771, "&Wireless", F::Basic, 142, "CWirelessPage", true, 0, true},
    {"LAN", 32772, "&LAN", F::Basic, 145, "CLanPage", true, 0, true},
    {"Performance", 32773, "&Performance", F::Advanced, 146, "CPerformancePage", true, 0, true},
    {"Filters", 32774, "&Filter", F::Advanced, 176, "CFilterPage", true, 1, true},
    {"WLAN Partition", 32804, nullptr, F::Advanced, 176, "CFilterPage", true, 3, false},
    {"Grouping", 32775, nullptr, F::Advanced, 152, "CGroupingPage", true, 0, false},
    {"DHCP Server", 32776, "&DHCP Server", F::Advanced, 153, "CDhcpServerPage", true, 0, true},
    {"Multi-SSID", 32777, "&Multi-SSID", F::Advanced, 158, "CMultiSsidPage", true, 0, true},
    {"Intrusion", 32778, "&Intrusion", F::Advanced, 196, "CIntrusionPage", false, 0, true},
    {"VLAN", 32807, "&VLAN", F::Advanced, 195, "CVlanPage", true, 0, true},
    {"QoS", 0, nullptr, F::Advanced, 197, "CQosPage", true, 0, false},
    {"Schedule", 32809, "&Schedule", F::Advanced, 217, "CSchedulePage", true, 0, true},
    {"Ap Array", 32810, "Ap Array", F::Advanced, 206, "CApArrayPage", true, 0, true},
    {"Internal RADIUS Server", 32811, "Internal RADIUS Server", F::Advanced, 208, "CRadiusServerPage", true, 0, true},
    {"Traffic Control", 32812, "Traffic Control", F::Advanced, 216, "CTrafficControlPage", true, 0, true},
    {"Admin", 32779, "&Admin", F::Maintenance, 160, "CAdminPage", true, 0, true},
    {"Firmware and SSL", 32794, "&Firmware and SSL", F::Maintenance, 172, "CFirmwarePage", true, 0, true},
    {"Configuration File", 32796, "&Configuration File", F::Maintenance, 162, "CConfigFilePage", false, 0, true},
    {"Date and Time", 32798, "&Date and Time", F::Maintenance, 173, "CDateTimePage", true, 0, true},
    {"Misc", 32806, nullptr, F::Maintenance, 163, "CMiscPage", true, 0, false},
    {"Device Information", 32780, "&Device Information", F::Status, 164, "CDeviceInfoPage", true, 0, true},
    {"Stats", 32781, "&Stats", F::Status, 190, "CStatsPage", true, 0, true},
    {"Client Information", 32783, "&Client Information", F::Status, 166, "CClientInfoPage", true, 0, true},
    {"WDS Information", 32800, "&WDS Information", F::Status, 174, "CWdsInfoPage", true, 0, true},
    {"Log", 32785, "&Log", F::Status, 167, "CLogPage", true, 0, true},
    {"System", 32802, "&System", F::System, 161, "CSystemPage", false, 0, true},
};

const std::vector<QString> kFolders = {"Home", "Basic", "Advanced", "Maintenance", "Status", "System"};

const std::vector<int> kBarIcons = {111, 113, 114, 117, 118, 112, 121, 116, 119, 120, 115};

std::map<std::string, PageFactory>& Factories() {
    static std::map<std::string, PageFactory> factories;
    return factories;
}

}  // namespace

const std::vector<PageRow>& Rows() { return kRows; }
const std::vector<QString>& FolderTexts() { return kFolders; }
const std::vector<int>& BarIconIds() { return kBarIcons; }

const PageRow* FindByLabel(const QString& label) {
    for (const PageRow& row : kRows) {
        if (label == QLatin1String(row.Label))
            return &row;
    }
    return nullptr;
}

const PageRow* FindByMenu(int menuId) {
    if (menuId == 0)
        return nullptr;
    for (const PageRow& row : kRows) {
        if (row.MenuId == menuId)
            return &row;
    }
    return nullptr;
}

QString MenuCaption(const PageRow& row) {
    if (row.MenuId == CmdDeviceInformation)
        return QStringLiteral("Device Informatoin");   // so spelled on the device's own tools
    if (row.MenuId == CmdDateAndTime)
        return QStringLiteral("SNTP");
    return QString::fromLatin1(row.Label);
}

void SetFactory(const char* pageClass, PageFactory factory) { Factories()[pageClass] = factory; }

PageFactory Factory(const char* pageClass) {
    const auto it = Factories().find(pageClass);
    return it == Factories().end() ? nullptr : it->second;
}

}  // namespace PageRegistry
