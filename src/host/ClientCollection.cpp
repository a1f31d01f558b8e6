#include "ClientCollection.h"
#include "HostText.h"
#include "snmp/MibVariableList.h"

std::vector<ClientRecord*> ClientCollection::Entry::Pointers() const {
    std::vector<ClientRecord*> pointers;
    pointers.reserve(Records.size());
    for (const auto& record : Records)
        pointers.push_back(record.get());
    return pointers;
}

ClientCollection& ClientCollection::Instance() {
    static ClientCollection collection;
    return collection;
}

void ClientCollection::Append(const QString& address, const MibVariableList& row) {
    auto& slot = entries_[address];
    if (!slot) {
        slot = std::make_unique<Entry>();
        slot->Address = address;
    }
    auto record = std::make_unique<ClientRecord>();
    TextPool& texts = slot->Texts;
    record->Band = texts.Add(HostText::Display(row, "dot11ClientBand"));
    record->MacAddress = texts.Add(HostText::Display(row, "dot11ClientMacAddress"));
    record->Authentication = texts.Add(HostText::Display(row, "dot11ClientAuthentication"));
    bool ok = false;
    const int rssi = HostText::Display(row, "dot11ClientRssi").toInt(&ok);
    record->Rssi = ok ? rssi : 0;
    record->PowerSaving = texts.Add(HostText::Display(row, "dot11ClientPsm"));
    record->SsidIndex = texts.Add(HostText::Display(row, "dot11SSIDIndex"));
    slot->Records.push_back(std::move(record));
}

std::unique_ptr<ClientCollection::Entry> ClientCollection::Take(const QString& address) {
    auto it = entries_.find(address);
    if (it == entries_.end())
        return nullptr;
    std::unique_ptr<Entry> entry = std::move(it->second);
    entries_.erase(it);
    return entry;
}

int ClientCollection::Count(const QString& address) const {
    auto it = entries_.find(address);
    return it == entries_.end() ? 0 : static_cast<int>(it->second->Records.size());
}
