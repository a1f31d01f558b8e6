#pragma once
#include "AP_PlugIn.h"
#include "TextPool.h"
#include <QString>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

class MibVariableList;

// The clients collected so far while client walks run, one entry per walk:
// two queries of one device at the same time keep their rows apart. An entry
// is made when its walk starts and goes when its answer is delivered or the
// walk fails.
class ClientCollection {
public:
    struct Entry {
        QString Address;
        TextPool Texts;
        std::vector<std::unique_ptr<ClientRecord>> Records;
        std::vector<ClientRecord*> Pointers() const;
    };

    static ClientCollection& Instance();

    // Makes the entry of a new walk of `address`; returns its number.
    uint64_t Open(const QString& address);
    // Adds one client from a walked row of the client table to a walk's entry
    // (nothing when the entry has gone).
    void Append(uint64_t walk, const MibVariableList& row);
    // Removes and returns the walk's entry (null when there is none).
    std::unique_ptr<Entry> Take(uint64_t walk);
    int Count(uint64_t walk) const;
    int Walks() const { return static_cast<int>(entries_.size()); }

private:
    uint64_t lastWalk_ = 0;
    std::map<uint64_t, std::unique_ptr<Entry>> entries_;
};
