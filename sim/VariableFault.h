#pragma once
#include "OidPath.h"
#include <set>
#include <string>
#include <vector>

// One injected fault of a variable (--fault DEVICES:OID:ERROR[:get|set]): the
// devices answer a request for any OID at or below Prefix with an SNMP error
// status, with a v2 exception, or not at all.
struct VariableFault {
    enum class Kind { Status, NoSuchObject, NoSuchInstance, Silent };
    enum Operations { Get = 1, Set = 2, Both = 3 };

    std::set<int> Devices;        // 1-based device numbers; empty: every device
    OidPath Prefix;
    Kind What = Kind::Status;
    int Status = 0;               // the error status (RFC 3416 numbers) when What is Status
    int Ops = Both;               // Get covers GET, GETNEXT and GETBULK

    // Parses "DEVICES:OID:ERROR[:get|set]"; DEVICES is "all" or a comma list
    // of numbers from 1 to deviceCount. False with the reason on bad text.
    static bool Parse(const std::string& text, int deviceCount, VariableFault& out, std::string& error);
    // The error names that --fault takes.
    static std::vector<std::string> ErrorNames();

    bool AppliesTo(int deviceNumber) const { return Devices.empty() || Devices.count(deviceNumber); }
    bool Covers(const OidPath& oid, bool set) const;
    // The error status a set answers: a set cannot carry an exception, so an
    // object that does not exist is notWritable and an instance noCreation.
    int SetStatus() const;
    // The SNMPv1 form of an error status (RFC 2576, 4.3).
    static int V1Status(int status);
};
