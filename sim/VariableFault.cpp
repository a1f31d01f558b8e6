#include "VariableFault.h"
#include "SnmpErrors.h"
#include <QString>
#include <QStringList>
#include <utility>

namespace {
// RFC 3416 error status names, as the net-snmp tools print them.
const std::pair<const char*, int> kStatuses[] = {
    {"tooBig", 1},           {"noSuchName", 2},       {"badValue", 3},
    {"readOnly", 4},         {"genErr", 5},           {"noAccess", 6},
    {"wrongType", 7},        {"wrongLength", 8},      {"wrongEncoding", 9},
    {"wrongValue", 10},      {"noCreation", 11},      {"inconsistentValue", 12},
    {"resourceUnavailable", 13}, {"commitFailed", 14}, {"undoFailed", 15},
    {"authorizationError", 16}, {"notWritable", 17},  {"inconsistentName", 18},
};
}  // namespace

std::vector<std::string> VariableFault::ErrorNames() {
    std::vector<std::string> names;
    for (const auto& [name, status] : kStatuses)
        names.push_back(name);
    names.insert(names.end(), {"noSuchObject", "noSuchInstance", "silent"});
    return names;
}

bool VariableFault::Parse(const std::string& text, int deviceCount, VariableFault& out, std::string& error) {
    out = VariableFault{};
    error = "bad --fault " + text + " (DEVICES:OID:ERROR[:get|set])";
    QStringList parts = QString::fromStdString(text).split(':');
    if (parts.size() < 3 || parts.size() > 4)
        return false;
    if (parts[0] != "all") {
        for (const QString& item : parts[0].split(',')) {
            bool valid = false;
            int n = item.trimmed().toInt(&valid);
            if (!valid || n < 1 || n > deviceCount) {
                error = "--fault " + text + ": devices are \"all\" or numbers from 1 to --devices";
                return false;
            }
            out.Devices.insert(n);
        }
    }
    if (!Oids::Parse(parts[1].toStdString(), out.Prefix) || out.Prefix.size() < 2) {
        error = "--fault " + text + ": " + parts[1].toStdString() + " is not a numeric OID";
        return false;
    }
    const QString name = parts[2];
    bool known = false;
    for (const auto& [statusName, status] : kStatuses)
        if (name.compare(statusName, Qt::CaseInsensitive) == 0) {
            out.What = Kind::Status;
            out.Status = status;
            known = true;
        }
    const std::pair<const char*, Kind> others[] = {
        {"noSuchObject", Kind::NoSuchObject}, {"noSuchInstance", Kind::NoSuchInstance}, {"silent", Kind::Silent}};
    for (const auto& [otherName, kind] : others)
        if (name.compare(otherName, Qt::CaseInsensitive) == 0) {
            out.What = kind;
            known = true;
        }
    if (!known) {
        error = "--fault " + text + ": unknown error " + name.toStdString() + " (an SNMP error status name, noSuchObject, noSuchInstance or silent)";
        return false;
    }
    if (parts.size() == 4) {
        if (parts[3] == "get")
            out.Ops = Get;
        else if (parts[3] == "set")
            out.Ops = Set;
        else
            return false;
    }
    error.clear();
    return true;
}

bool VariableFault::Covers(const OidPath& oid, bool set) const {
    return (Ops & (set ? Set : Get)) && Oids::StartsWith(oid, Prefix);
}

int VariableFault::SetStatus() const {
    switch (What) {
    case Kind::NoSuchObject: return SnmpErrors::NotWritable;
    case Kind::NoSuchInstance: return SnmpErrors::NoCreation;
    default: return Status;
    }
}

int VariableFault::V1Status(int status) {
    switch (status) {
    case 7: case 8: case 9: case 10: case 12:   // wrongType, wrongLength, wrongEncoding, wrongValue, inconsistentValue
        return 3;                                 // badValue
    case 6: case 11: case 16: case 17: case 18:  // noAccess, noCreation, authorizationError, notWritable, inconsistentName
        return 2;                                 // noSuchName
    case 13: case 14: case 15:                    // resourceUnavailable, commitFailed, undoFailed
        return 5;                                 // genErr
    default:
        return status;
    }
}
