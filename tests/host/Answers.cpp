#include "Answers.h"

namespace {

std::optional<std::string> Opt(const char* text) {
    return text ? std::optional<std::string>(text) : std::nullopt;
}

std::string Str(const char* text) { return text ? text : "<null>"; }

CmdCopy Copy(const CmdResult* r) {
    CmdCopy c;
    if (!r)
        return c;
    c.Status = r->Status;
    c.Message = Opt(r->Message);
    c.DeviceIp = Opt(r->DeviceIp);
    c.Extra = Opt(r->Extra);
    c.ModelName = Opt(r->ModelName);
    return c;
}

}  // namespace

void BasicConfigAnswer::Callback(CmdResult* result, int32_t count, BasicConfigRecord** records, uintptr_t context) {
    auto* a = reinterpret_cast<BasicConfigAnswer*>(context);
    ++a->Calls;
    a->Result = Copy(result);
    a->Count = count;
    a->NullArray = records == nullptr;
    if (count < 1 || !records || !records[0])
        return;
    a->ArrayEndsWithNull = records[1] == nullptr;
    const BasicConfigRecord& r = *records[0];
    a->Raw = r;
    a->WirelessMode = Str(r.WirelessMode);
    a->Authentication = Str(r.Authentication);
    a->ApMode = Str(r.ApMode);
    a->Ssid = Str(r.Ssid);
    a->Channel = Str(r.Channel);
    a->TransmitPower = Str(r.TransmitPower);
    a->AuthenticationNumber = r.AuthenticationNumber;
    a->ApModeNumber = r.ApModeNumber;
    a->TransmitPowerNumber = r.TransmitPowerNumber;
}

void TrafficAnswer::Callback(CmdResult* result, int32_t count, TrafficRecord** records, uintptr_t context) {
    auto* a = reinterpret_cast<TrafficAnswer*>(context);
    ++a->Calls;
    a->Result = Copy(result);
    a->Count = count;
    a->NullArray = records == nullptr;
    if (count < 1 || !records || !records[0])
        return;
    const TrafficRecord& r = *records[0];
    a->Band = Str(r.Band);
    a->Empty = Str(r.Empty);
    a->IpAddress = Str(r.IpAddress);
    a->UpTime = Str(r.UpTime);
    a->FrameCount = Str(r.FrameCount);
    a->SuccessRate = Str(r.SuccessRate);
    a->RetryRate = Str(r.RetryRate);
    a->ReservedNull = r.Reserved0 == nullptr;
}

void ClientAnswer::Callback(CmdResult* result, int32_t count, ClientRecord** records, uintptr_t context) {
    auto* a = reinterpret_cast<ClientAnswer*>(context);
    ++a->Calls;
    a->Result = Copy(result);
    a->Count = count;
    a->NullArray = records == nullptr;
    a->Clients.clear();
    for (int32_t i = 0; records && i < count; ++i) {
        const ClientRecord& r = *records[i];
        ClientCopy c;
        c.Band = Str(r.Band);
        c.MacAddress = Str(r.MacAddress);
        c.Authentication = Str(r.Authentication);
        c.PowerSaving = Str(r.PowerSaving);
        c.SsidIndex = Str(r.SsidIndex);
        c.Rssi = r.Rssi;
        c.ReservedNull = r.Reserved0 == nullptr && r.Reserved12 == nullptr && r.Reserved32 == nullptr;
        a->Clients.push_back(c);
    }
}
