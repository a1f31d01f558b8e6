#include "TrafficQuery.h"
#include "HostText.h"
#include "ModuleApp.h"
#include "ModuleSettings.h"
#include "TextPool.h"
#include "mib/QueryTables.h"
#include "platform/MessageBox.h"
#include "snmp/CZRException.h"
#include "snmp/SnmpRequest.h"
#include "snmp/SnmpSyntax.h"

TrafficCallback TrafficQuery::remembered_ = nullptr;

void TrafficQuery::Start(const char* address, TrafficCallback callback, uintptr_t context) {
    SnmpRequest& request = ModuleApp::Instance().SharedRequest(ModuleApp::TrafficRequest);
    request.Variables = MibVariableList::FromCatalogue(kTrafficInfoVars, MibVariableList::MVT_SV);
    for (int i = 0; i < 5 && i < request.Variables.Count(); ++i)
        request.Variables.Entry(i).Access = SnmpAccess::ReadOnly;
    request.Address = HostText::FromHost(address);
    request.AddressSpare.clear();
    ModuleSettings::Instance().ApplyTo(request);
    request.Timeout = kTimeout;
    remembered_ = callback;
    try {
        request.ReadAsync(&TrafficQuery::Complete, true, context);
    } catch (const CZRException& e) {
        MessageBox::Show(QStringLiteral("DoGetTrffic") + e.Text());
    }
}

void TrafficQuery::Complete(RequestResult* result, MibVariableList* list, uintptr_t context) {
    const TrafficCallback callback = remembered_;
    TextPool texts;
    CmdResult cmd{0, nullptr, texts.Add(result->DeviceAddress), nullptr, nullptr};
    if (result->Status != 0) {
        // The host hears of a failed read too: count 0 and the message.
        cmd.Status = 1;
        cmd.Message = texts.Add(result->Message);
        Deliver(callback, cmd, nullptr, context);
        return;
    }
    TrafficRecord record{};
    record.Band = texts.Add(HostText::Display(*list, "dot11Band"));
    record.Empty = texts.Add("");
    record.IpAddress = texts.Add(HostText::Display(*list, "hIPAddress"));
    record.UpTime = texts.Add(HostText::Display(*list, "sysUpTime"));
    record.FrameCount = texts.Add(HostText::Display(*list, "stTrFrameCount"));
    record.SuccessRate = texts.Add(HostText::Display(*list, "stTrSuccessRate"));
    record.RetryRate = texts.Add(HostText::Display(*list, "stTrRetryRate"));
    Deliver(callback, cmd, &record, context);
}

void TrafficQuery::Deliver(TrafficCallback callback, CmdResult& cmd, TrafficRecord* record, uintptr_t context) {
    if (!callback)
        return;
    TrafficRecord* records[2] = {record, nullptr};
    callback(&cmd, record ? 1 : 0, record ? records : nullptr, context);
}
