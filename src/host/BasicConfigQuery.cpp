#include "BasicConfigQuery.h"
#include "HostText.h"
#include "ModuleApp.h"
#include "ModuleSettings.h"
#include "QueryValueMaps.h"
#include "TextPool.h"
#include "mib/QueryTables.h"
#include "snmp/CZRException.h"
#include "snmp/SnmpRequest.h"

BasicConfigCallback BasicConfigQuery::remembered_ = nullptr;

void BasicConfigQuery::Start(const char* address, BasicConfigCallback callback, const char* macAddress,
                             uintptr_t context) {
    const QString device = HostText::FromHost(address);
    const QString mac = HostText::FromHost(macAddress);
    SnmpRequest& request = ModuleApp::Instance().SharedRequest(ModuleApp::BasicConfigRequest);
    request.Variables = MibVariableList::FromCatalogue(kBasicConfigVars, MibVariableList::MVT_SV);
    const int macIndex = request.Variables.IndexOf(QStringLiteral("lanIfMacAddress"));
    if (macIndex >= 0)
        request.Variables.Entry(macIndex).Value = mac;
    request.Address = device;
    request.AddressSpare = mac;
    ModuleSettings::Instance().ApplyTo(request);
    request.Timeout = kTimeout;
    remembered_ = callback;
    try {
        request.ReadAsync(&BasicConfigQuery::Complete, true, context);
    } catch (const CZRException&) {
        TextPool texts;
        CmdResult cmd{0, nullptr, texts.Add(device), texts.Add(mac), nullptr};
        Deliver(callback, cmd, nullptr, context);
    }
}

void BasicConfigQuery::Complete(RequestResult* result, MibVariableList* list, uintptr_t context) {
    const BasicConfigCallback callback = remembered_;
    TextPool texts;
    CmdResult cmd{0, nullptr, texts.Add(result->DeviceAddress), texts.Add(result->SpareAddress), nullptr};
    if (result->Status != 0) {
        // The host hears of a failed read too: count 0 and the message.
        cmd.Status = 1;
        cmd.Message = texts.Add(result->Message);
        Deliver(callback, cmd, nullptr, context);
        return;
    }
    BasicConfigRecord record{};
    const QString authentication = HostText::Display(*list, "dot11Authentication");
    const QString apMode = HostText::Display(*list, "dot11ApMode");
    const QString power = HostText::Display(*list, "dot11TransmitPower");
    record.WirelessMode = texts.Add(HostText::Display(*list, "dot11WifiMode"));
    record.AuthenticationNumber = QueryValueMaps::NumberForText(QueryValueMaps::Authentication(), authentication);
    record.Authentication = texts.Add(authentication);
    record.ApModeNumber = QueryValueMaps::NumberForText(QueryValueMaps::ApMode(), apMode);
    record.ApMode = texts.Add(apMode);
    record.Ssid = texts.Add(HostText::Display(*list, "dot11Ssid"));
    record.Channel = texts.Add(HostText::Display(*list, "dot11Channel"));
    record.TransmitPower = texts.Add(power);
    record.TransmitPowerNumber = QueryValueMaps::NumberForText(QueryValueMaps::TransmitPower(), power);
    Deliver(callback, cmd, &record, context);
}

void BasicConfigQuery::Deliver(BasicConfigCallback callback, CmdResult& cmd, BasicConfigRecord* record,
                               uintptr_t context) {
    if (!callback)
        return;
    BasicConfigRecord* records[2] = {record, nullptr};
    callback(&cmd, record ? 1 : 0, record ? records : nullptr, context);
}
