#include "ForgetfulVariable.h"
#include "VariableFault.h"
#include <algorithm>

bool ForgetfulVariable::Parse(const std::string& text, int deviceCount, ForgetfulVariable& out, std::string& error) {
    // The devices and the OID read as those of a variable fault.
    VariableFault fault;
    if (std::count(text.begin(), text.end(), ':') != 1 ||
        !VariableFault::Parse(text + ":genErr:set", deviceCount, fault, error)) {
        error = "bad --forget " + text + " (DEVICES:OID, DEVICES \"all\" or numbers from 1 to --devices)";
        return false;
    }
    out.Devices = fault.Devices;
    out.Prefix = fault.Prefix;
    return true;
}

bool ForgetfulVariable::Covers(const OidPath& oid) const { return Oids::StartsWith(oid, Prefix); }
