#include "ClientQuery.h"
#include "ClientCollection.h"
#include "HostText.h"
#include "ModuleApp.h"
#include "ModuleIdentity.h"
#include "ModuleSettings.h"
#include "TextPool.h"
#include "mib/QueryTables.h"
#include "snmp/CZRException.h"
#include "snmp/ErrorCatalog.h"
#include "snmp/SnmpRequest.h"

ClientCallback ClientQuery::remembered_ = nullptr;

namespace {

constexpr int kColumns = 6;
constexpr int kInvalidPdu = -11;   // SNMP++ status of an answer that lacks varbinds

// Every send sets the shared request's target afresh, so that walks of
// several devices at once each keep their own address.
void Aim(SnmpRequest& request, const QString& address) {
    request.Address = address;
    request.AddressSpare.clear();
    ModuleSettings::Instance().ApplyTo(request);
    request.Timeout = static_cast<int32_t>(ModuleSettings::Instance().SnmpTimeout / 2);
}

}  // namespace

void ClientQuery::Start(const char* address, ClientCallback callback, uintptr_t context) {
    const QString device = HostText::FromHost(address);
    SnmpRequest& request = ModuleApp::Instance().SharedRequest(ModuleApp::ClientRequest);
    request.Variables = MibVariableList::FromCatalogue(kClientRefreshVars, MibVariableList::MVT_SV);
    if (request.Variables.Count() > 0)
        request.Variables.Entry(0).Value = QStringLiteral("1");
    Aim(request, device);
    remembered_ = callback;
    const uint64_t walk = ClientCollection::Instance().Open(device);
    try {
        request.WriteAsync([walk](RequestResult* result, MibVariableList*,
                                  uintptr_t word) { RefreshDone(walk, result, word); },
                           QString(), context);
    } catch (const CZRException& e) {
        Fail(walk, device, e.Text(), context);
    }
}

void ClientQuery::RefreshDone(uint64_t walk, RequestResult* result, uintptr_t context) {
    if (result->Status != 0) {
        Fail(walk, result->DeviceAddress, result->Message, context);
        return;
    }
    SendStep(walk, result->DeviceAddress, MibVariableList::FromCatalogue(kClientListVars, MibVariableList::MVT_FMV), true, context);
}

bool ClientQuery::SendStep(uint64_t walk, const QString& address, const MibVariableList& row, bool first,
                           uintptr_t context) {
    SnmpRequest& request = ModuleApp::Instance().SharedRequest(ModuleApp::ClientRequest);
    request.Variables = row;
    Aim(request, address);
    try {
        request.ReadAsync([walk](RequestResult* result, MibVariableList* list,
                                 uintptr_t word) { StepDone(walk, result, list, word); },
                          first, context);
        return true;
    } catch (const CZRException& e) {
        Fail(walk, address, e.Text(), context);
        return false;
    }
}

void ClientQuery::StepDone(uint64_t walk, RequestResult* result, MibVariableList* list, uintptr_t context) {
    const QString address = result->DeviceAddress;
    const int macIndex = list->IndexOf(QStringLiteral("dot11ClientMacAddress"));
    if (result->Status != 0 || list->Count() != kColumns || macIndex < 0) {
        // The walk cannot go on; the host hears of it rather than waiting.
        const QString message = result->Status != 0 ? result->Message
                                                    : ErrorCatalog::MapSnmpStatus(kInvalidPdu).Text;
        Fail(walk, address, message, context);
        return;
    }
    const QString mac = list->Entry(macIndex).Value;
    const bool macColumnEnded = mac == QLatin1String("(NOTDONE)");
    if (IsClientMac(mac))
        ClientCollection::Instance().Append(walk, *list);
    // The walk ends when the device says so or the MAC column has run out;
    // a walk that ends on an empty or all-zero row still delivers what it has.
    if (result->Done || macColumnEnded) {
        DeliverCollected(walk, address, result->Message, context);
        return;
    }
    SendStep(walk, address, *list, false, context);
}

bool ClientQuery::IsClientMac(const QString& mac) {
    return !mac.isEmpty() && mac != QLatin1String("(NOTDONE)") && mac != QLatin1String("000000000000");
}

void ClientQuery::Fail(uint64_t walk, const QString& address, const QString& message, uintptr_t context) {
    ClientCollection::Instance().Take(walk);
    const ClientCallback callback = remembered_;
    if (!callback)
        return;
    TextPool texts;
    CmdResult cmd{1, texts.Add(message), texts.Add(address), nullptr, texts.Add(ModuleIdentity::ModelName)};
    callback(&cmd, 0, nullptr, context);
}

void ClientQuery::DeliverCollected(uint64_t walk, const QString& address, const QString& message,
                                   uintptr_t context) {
    // Out of the collection before the callback, so that a callback that asks
    // again starts a walk of its own.
    std::unique_ptr<ClientCollection::Entry> entry = ClientCollection::Instance().Take(walk);
    const ClientCallback callback = remembered_;
    if (!callback)
        return;
    TextPool texts;
    CmdResult cmd{0, texts.Add(message), texts.Add(address), nullptr, texts.Add(ModuleIdentity::ModelName)};
    std::vector<ClientRecord*> pointers;
    if (entry)
        pointers = entry->Pointers();
    const int count = static_cast<int>(pointers.size());
    callback(&cmd, count, count > 0 ? pointers.data() : nullptr, context);
}
