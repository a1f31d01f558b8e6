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

    // The VLAN deletion that the VLAN page builds at run time: a set of 1 to
    // ...3.5.1.3.1.22.<VID> deletes the VLAN with that VID from the VLAN list.
    // The VID of such an OID, or 0.
    static int VlanDeletion(const OidPath& oid);
    // noCreation where no VLAN has the VID, wrongValue for another value than 1.
    static int CheckVlanDeletion(Device& device, int vid, const SimValue& value);
    static std::string DeleteVlan(Device& device, int vid);

private:
    Timing timing_;
    FileTransfer* transfers_;
};
