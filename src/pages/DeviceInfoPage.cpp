#include "DeviceInfoPage.h"
#include "ChannelPlan.h"
#include "SideBySide.h"
#include "UnitField.h"
#include "mib/pages/StatusPageTables.h"
#include "shell/PageForm.h"
#include "shell/StaticField.h"
#include "snmp/SnmpSyntax.h"
#include "snmp/StatusText.h"

using namespace MibPages;

namespace {
constexpr int32_t kTimeout = 500;
using Row = std::pair<const char*, const char*>;   // variable, label

const Row kEthernetRows[] = {
    {"ifGetIpAddressFrom", "Get IP From"},     {"ifIpAddress", "IP Address"},
    {"ifSubnetMask", "Subnet Mask"},           {"ifDefaultGateway", "Default Gateway"},
    {"ifMacAddress", "Ethernet MAC Address"},
};
const Row kWirelessRows[] = {
    {"dot11Ssid", "SSID"},
    {"dot11Channel", "Channel"},
};
const Row kWirelessSecurityRows[] = {
    {"dot11DataRate", "Data Rate"},           {"dot11Authentication", "Authentication"},
    {"dot11Encryption", "Encryption"},        {"dot11MssidKeyType", "Key Type"},
    {"dot11MssidCipherType", "Cipher Type"},
};
const Row kApArrayRows[] = {
    {"dot11APArrayMeberListRole", "Role"},
    {"sysLocation", "Location"},
    {"dot11ApArrayName", "AP Array Name"},
};
}  // namespace

CDeviceInfoPage::CDeviceInfoPage(CMainView* view, const PageRow& row) : CPage(view, row) {
    auto readOnly = [this](const MibVariable* table) -> PageRequest& {
        PageRequest& r = AddRequest(table, kTimeout);
        r.RefreshAccess = SnmpAccess::ReadOnly;
        return r;
    };
    PageRequest& firmware = readOnly(kDeviceInfoFirmwareVars);
    PageRequest& ethernet = readOnly(kDeviceInfoEthernetVars);
    wireless_ = &readOnly(kDeviceInfoWirelessVars);
    band_ = &readOnly(kDeviceInfoBandVars);
    PageRequest& usage = readOnly(kDeviceInfoUsageVars);
    PageRequest& array = readOnly(kDeviceInfoApArrayVars);

    Form(QString()).Add<StaticField>(firmware, "deviceInformationFirmwareVersion", QStringLiteral("Firmware Version:"));
    PageForm& ethernetForm = Form(QStringLiteral("Ethernet"));
    for (const auto& [variable, label] : kEthernetRows)
        ethernetForm.Add<StaticField>(ethernet, variable, QString::fromLatin1(label));

    wirelessForm_ = &Form(QStringLiteral("Wireless"));
    for (const auto& [variable, label] : kWirelessRows)
        wirelessForm_->Add<StaticField>(*wireless_, variable, QString::fromLatin1(label));
    frequency_ = &wirelessForm_->Add<StaticField>(QStringLiteral("Frequency"));
    for (const auto& [variable, label] : kWirelessSecurityRows)
        wirelessForm_->Add<StaticField>(*wireless_, variable, QString::fromLatin1(label));
    Hidden<StaticField>(*band_, "dot11Band");

    PageForm& status = Form(QStringLiteral("Device Status "));
    status.Add<UnitField>(usage, "deviceInformationCpuUtilization", QStringLiteral("CPU Utilization"))
        .Unit(QStringLiteral("%"));
    status.Add<UnitField>(usage, "deviceInformationMemUtilization", QStringLiteral("Memory Utilization"))
        .Unit(QStringLiteral("%"));
    PageForm& arrayForm = Form(QStringLiteral("AP Arrary "));   // so spelled on the device's own tools
    for (const auto& [variable, label] : kApArrayRows)
        arrayForm.Add<StaticField>(array, variable, QString::fromLatin1(label));
    SideBySide(this, {&ethernetForm, wirelessForm_});
    SideBySide(this, {&status, &arrayForm});

    band_->OnGot = [this](const RequestResult& result) {
        const QString band = TextOf(QStringLiteral("dot11Band"));
        wirelessForm_->Box()->setTitle(result.Status == 0 && !band.isEmpty()
                                           ? QStringLiteral("Wireless (%1)").arg(band)
                                           : QStringLiteral("Wireless(Wrong!)"));
        if (result.Status != 0)
            PostStatus(StatusText::Format(false, result.Message, band_->Variables.Label));
        ShowFrequency();
    };
    wireless_->OnGot = [this](const RequestResult& result) {
        if (result.Status != 0)
            PostStatus(StatusText::Format(false, result.Message, wireless_->Variables.Label));
        ShowFrequency();
    };
}

QString CDeviceInfoPage::WirelessTitle() const { return wirelessForm_->Box()->title(); }

void CDeviceInfoPage::ShowFrequency() {
    const bool band5 = band_->Value(QStringLiteral("dot11Band")) == QLatin1String("1");
    frequency_->SetText(ChannelPlan::FrequencyText(TextOf(QStringLiteral("dot11Channel")), band5));
}
