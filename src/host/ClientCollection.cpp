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

uint64_t ClientCollection::Open(const QString& address) {
    const uint64_t walk = ++lastWalk_;
    auto entry = std::make_unique<Entry>();
    entry->Address = address;
    entries_.emplace(walk, std::move(entry));
    return walk;
}

void ClientCollection::Append(uint64_t walk, const MibVariableList& row) {
    auto it = entries_.find(walk);
    if (it == entries_.end())
        return;
    Entry& entry = *it->second;
    auto record = std::make_unique<ClientRecord>();
    TextPool& texts = entry.Texts;
    record->Band = texts.Add(HostText::Display(row, "dot11ClientBand"));
    record->MacAddress = texts.Add(HostText::Display(row, "dot11ClientMacAddress"));
    record->Authentication = texts.Add(HostText::Display(row, "dot11ClientAuthentication"));
    bool ok = false;
    const int rssi = HostText::Display(row, "dot11ClientRssi").toInt(&ok);
    record->Rssi = ok ? rssi : 0;
    record->PowerSaving = texts.Add(HostText::Display(row, "dot11ClientPsm"));
    record->SsidIndex = texts.Add(HostText::Display(row, "dot11SSIDIndex"));
    entry.Records.push_back(std::move(record));
}

std::unique_ptr<ClientCollection::Entry> ClientCollection::Take(uint64_t walk) {
    auto it = entries_.find(walk);
    if (it == entries_.end())
        return nullptr;
    std::unique_ptr<Entry> entry = std::move(it->second);
    entries_.erase(it);
    return entry;
}

int ClientCollection::Count(uint64_t walk) const {
    auto it = entries_.find(walk);
    return it == entries_.end() ? 0 : static_cast<int>(it->second->Records.size());
}
