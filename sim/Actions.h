#pragma once
#include "Device.h"
#include "SlotLists.h"
#include <string>
#include <vector>

class FileTransfer;

// The action variables of the device (set to a value to act: add, delete,
// delete-all, refresh, clear, apply, discard, restart, factory reset,
// language-pack clear, file transfers) and the values that follow others.
class Actions {
public:
    struct Timing {
        int RestartMs = 3000;
        int ResetMs = 3000;
    };

    // transfers: the devices' FTP/TFTP client; without one, transfer
    // requests are only logged.
    explicit Actions(Timing timing, FileTransfer* transfers = nullptr) : timing_(timing), transfers_(transfers) {}

    // Checks what the syntax check cannot: a list that is full, a row number
    // that does not exist. pending: the values of the whole set in hand.
    // Returns an SnmpErrors code.
    int Check(Device& device, const VarDef& def, const SimValue& value, const SlotLists::Pending& pending = {}) const;
    // Carries out a committed write; returns a line for the log, or "".
    // jobs: where the file transfers that it queued are added; the answer to
    // the set waits for them.
    std::string Apply(Device& device, const OidPath& oid, const VarDef& def, const SimValue& value,
                      std::vector<int>* jobs = nullptr) const;

private:
    Timing timing_;
    FileTransfer* transfers_;
};
