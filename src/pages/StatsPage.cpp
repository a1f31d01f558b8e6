#include "StatsPage.h"
#include "SideBySide.h"
#include "mib/pages/StatusPageTables.h"
#include "shell/PageForm.h"
#include "shell/StaticField.h"
#include "snmp/SnmpSyntax.h"
#include "snmp/StatusText.h"

using namespace MibPages;

namespace {
constexpr int32_t kTimeout = 500;

const std::pair<const char*, const char*> kEthernetRows[] = {
    {"dot3TransmittedPacketCount", "Transmitted Packet Count"},
    {"dot3TransmittedBytesCount", "Transmitted Bytes Count"},
    {"dot3TransmittedDroppedPacketCount", "Transmitted Dropped Packet Count"},
    {"dot3ReceivedPacketCount", "Received Packet Count"},
    {"dot3ReceivedBytesCount", "Received Bytes Count"},
    {"dot3ReceivedDroppedPacketCount", "Received Dropped Packet Count"},
    {"dot3ReceivedMulticastPacketCount", "Received Multicast Packet Count"},
    {"dot3ReceivedBroadcastPacketCount", "Received Broadcast Packet Count"},
    {"dot3Len64PacketCount", "Len 64 Packet Count"},
    {"dot3Len65To127PacketCount", "Len 65-127 Packet Count"},
    {"dot3Len128To255PacketCount", "Len 128-255 Packet Count"},
    {"dot3Len256To511PacketCount", "Len 256-511 Packet Count"},
    {"dot3Len512To1023PacketCount", "Len 512-1023 Packet Count"},
    {"dot3Len1024To1518PacketCount", "Len 1024-1518 Packet Count"},
    {"dot3Len1519ToMaxPacketCount", "Len 1519-MAX Packet Count"},
};

const std::pair<const char*, const char*> kWlanRows[] = {
    {"dot11TransmittedPacketCount", "Transmitted Packet Count"},
    {"dot11TransmittedBytesCount", "Transmitted Bytes Count"},
    {"dot11TransmittedDroppedPacketCount", "Transmitted Dropped Packet Count"},
    {"dot11TransmittedRetryCount", "Transmitted Retry Count"},
    {"dot11ReceivedPacketCount", "Received Packet Count"},
    {"dot11ReceivedBytesCount", "Received Bytes Count"},
    {"dot11ReceivedDroppedPacketCount", "Received Dropped Packet Count"},
    {"dot11ReceivedCRCCount", "Received CRC Count"},
    {"dot11ReceivedDecryptionErrorCount", "Received Decryption Error Count"},
    {"dot11ReceivedMICErrorCount", "Received MIC Error Count"},
    {"dot11ReceivedPHYErrorCount", "Received PHY Error Count"},
};
}  // namespace

CStatsPage::CStatsPage(CMainView* view, const PageRow& row) : CPage(view, row) {
    ethernet_ = &AddRequest(kStatsEthernetVars, kTimeout);
    wlan_ = &AddRequest(kStatsWlanVars, kTimeout);
    ethernet_->RefreshAccess = wlan_->RefreshAccess = SnmpAccess::ReadOnly;
    ethernetClear_ = &AddRequest(kStatsEthernetClearVars, kTimeout);
    wlanClear_ = &AddRequest(kStatsWlanClearVars, kTimeout);
    ethernetClear_->ReadOnRefresh = wlanClear_->ReadOnRefresh = false;

    PageForm& ethernet = Form(QStringLiteral("Ethernet Traffic Statistics"));
    for (const auto& [variable, label] : kEthernetRows)
        ethernet.Add<StaticField>(*ethernet_, variable, QString::fromLatin1(label));
    ethernet.Button(QStringLiteral("Refresh"), [this] { Refresh(); });
    ethernet.Button(QStringLiteral("Clear"), [this] { ClearEthernet(); });

    PageForm& wlan = Form(QStringLiteral("WLAN Traffic Statistics"));
    for (const auto& [variable, label] : kWlanRows)
        wlan.Add<StaticField>(*wlan_, variable, QString::fromLatin1(label));
    wlan.Button(QStringLiteral("Refresh"), [this] { Refresh(); });
    wlan.Button(QStringLiteral("Clear"), [this] { ClearWlan(); });
    SideBySide(this, {&ethernet, &wlan});
}

void CStatsPage::Refresh() {
    PostStatus(QStringLiteral("Refresh..."));
    Read();
}

void CStatsPage::Read() {
    for (PageRequest* group : {ethernet_, wlan_}) {
        group->SetAccessAll(group->RefreshAccess);
        group->StartRead();
    }
}

void CStatsPage::ClearEthernet() { Clear(*ethernetClear_, "dot3Clear"); }

void CStatsPage::ClearWlan() { Clear(*wlanClear_, "dot11Clear"); }

void CStatsPage::Clear(PageRequest& command, const char* variable) {
    PostStatus(QStringLiteral("Clear..."));
    command.SetAccessAll(SnmpAccess::ReadWrite);
    command.SetValue(QString::fromLatin1(variable), QStringLiteral("1"));
    command.OnSet = [this, &command](const RequestResult& result) {
        PostStatus(StatusText::Format(true, result.Message, command.Variables.Label));
        // Read again either way: the counters show what the device holds now.
        Read();
    };
    command.StartWrite();
}
