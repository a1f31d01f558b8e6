#pragma once
#include "AP_PlugIn.h"
#include "TextPool.h"
#include <QString>
#include <map>
#include <memory>
#include <vector>

class MibVariableList;

// The clients collected so far per device address while client walks run.
// An entry is made with the first client of an address and goes when its
// answer is delivered.
class ClientCollection {
public:
    struct Entry {
        QString Address;
        TextPool Texts;
        std::vector<std::unique_ptr<ClientRecord>> Records;
        std::vector<ClientRecord*> Pointers() const;
    };

    static ClientCollection& Instance();

    // Adds one client from a walked row of the client table.
    void Append(const QString& address, const MibVariableList& row);
    // Removes and returns the address's entry (null when none was made).
    std::unique_ptr<Entry> Take(const QString& address);
    int Count(const QString& address) const;
    int Devices() const { return static_cast<int>(entries_.size()); }

private:
    std::map<QString, std::unique_ptr<Entry>> entries_;
};
