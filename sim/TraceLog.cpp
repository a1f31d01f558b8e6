#include "TraceLog.h"
#include "DeviceState.h"
#include "snmp/SnmpSyntax.h"
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>

namespace {
OidPath PathOf(const oid* name, size_t length) {
    OidPath path(length);
    for (size_t i = 0; i < length; ++i)
        path[i] = static_cast<uint32_t>(name[i]);
    return path;
}

bool IsMac(DeviceState* state, OidPath oid) {
    if (!state)
        return false;
    const DeviceState::Cell* cell = state->Find(oid);
    if (!cell)
        if (const OidPath* alias = state->Model().AliasOf(oid))
            cell = state->Find(*alias);
    return cell && cell->Value.Syntax == SnmpSyntax::MacAddress;
}

std::string ValueText(const netsnmp_variable_list& vb, bool mac) {
    switch (vb.type) {
    case ASN_INTEGER:
        return std::to_string(*vb.val.integer);
    case ASN_COUNTER: case ASN_GAUGE: case ASN_TIMETICKS: case ASN_UINTEGER:
        return std::to_string(static_cast<u_long>(*vb.val.integer) & 0xFFFFFFFFul);
    case ASN_COUNTER64:
        return std::to_string((static_cast<uint64_t>(vb.val.counter64->high) << 32) | (vb.val.counter64->low & 0xFFFFFFFFul));
    case ASN_IPADDRESS:
        if (vb.val_len == 4)
            return std::to_string(vb.val.string[0]) + "." + std::to_string(vb.val.string[1]) + "." +
                   std::to_string(vb.val.string[2]) + "." + std::to_string(vb.val.string[3]);
        break;
    case ASN_OBJECT_ID:
        return Oids::Format(PathOf(vb.val.objid, vb.val_len / sizeof(oid)));
    case ASN_NULL: case SNMP_NOSUCHOBJECT: case SNMP_NOSUCHINSTANCE: case SNMP_ENDOFMIBVIEW:
        return {};
    default:
        break;
    }
    if (!vb.val.string)
        return {};
    return TraceLog::OctetText(std::string_view(reinterpret_cast<const char*>(vb.val.string), vb.val_len), mac);
}
}  // namespace

TraceLog::~TraceLog() {
    if (fd_ >= 0)
        close(fd_);
}

bool TraceLog::Open(const std::string& path, std::string& error) {
    fd_ = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_APPEND | O_CLOEXEC, 0644);
    if (fd_ < 0) {
        error = "cannot write the trace " + path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

void TraceLog::Record(const std::string& device, const snmp_pdu& pdu, DeviceState* state) const {
    if (fd_ < 0)
        return;
    std::string where = device;
    if (security_) {
        where += '\t';
        where += SecurityText(pdu);
    }
    std::string line = Line(Now(), where, pdu, state);
    line += '\n';
    // One write per line: a reader never sees half a line, and nothing waits in a buffer.
    size_t done = 0;
    while (done < line.size()) {
        ssize_t n = write(fd_, line.data() + done, line.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        done += static_cast<size_t>(n);
    }
}

std::string TraceLog::Line(const std::string& time, const std::string& device, const snmp_pdu& pdu, DeviceState* state) {
    std::string line = time + "\t" + device + "\t" + TypeName(pdu.command);
    const bool set = pdu.command == SNMP_MSG_SET;
    for (const netsnmp_variable_list* vb = pdu.variables; vb; vb = vb->next_variable) {
        OidPath oid = PathOf(vb->name, vb->name_length);
        // Appended piece by piece: "literal" + temporary trips GCC 12's
        // -Wrestrict in optimised builds.
        line += '\t';
        line += Oids::Format(oid);
        if (set) {
            line += '=';
            line += ValueText(*vb, IsMac(state, oid));
        }
    }
    return line;
}

std::string TraceLog::SecurityText(const snmp_pdu& pdu) {
    switch (pdu.version) {
    case SNMP_VERSION_1: return "v1";
    case SNMP_VERSION_2c: return "v2c";
    case SNMP_VERSION_3: break;
    default: return "v?";
    }
    const std::string user = pdu.securityName ? std::string(pdu.securityName, pdu.securityNameLen) : std::string();
    const char* level = pdu.securityLevel == SNMP_SEC_LEVEL_AUTHPRIV    ? "authPriv"
                        : pdu.securityLevel == SNMP_SEC_LEVEL_AUTHNOPRIV ? "authNoPriv"
                                                                         : "noAuthNoPriv";
    return "v3:" + OctetText(user, false) + ":" + level;
}

std::string TraceLog::Now() {
    auto now = std::chrono::system_clock::now();
    std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[40];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    char withMs[48];
    std::snprintf(withMs, sizeof withMs, "%s.%03d", text, static_cast<int>(ms));
    return withMs;
}

std::string TraceLog::TypeName(int command) {
    switch (command) {
    case SNMP_MSG_GET: return "GET";
    case SNMP_MSG_GETNEXT: return "GETNEXT";
    case SNMP_MSG_GETBULK: return "GETBULK";
    case SNMP_MSG_SET: return "SET";
    case SNMP_MSG_RESPONSE: return "RESPONSE";
    case SNMP_MSG_TRAP: return "TRAP";
    case SNMP_MSG_TRAP2: return "TRAP2";
    case SNMP_MSG_INFORM: return "INFORM";
    case SNMP_MSG_REPORT: return "REPORT";
    default: return "PDU" + std::to_string(command);
    }
}

std::string TraceLog::OctetText(std::string_view bytes, bool asHex) {
    for (unsigned char c : bytes)
        if ((c < 0x20 || c > 0x7E) && c != '\t' && c != '\r' && c != '\n')
            asHex = true;
    if (asHex)
        return Syntaxes::HexOf(bytes);
    std::string text;
    for (char c : bytes) {
        switch (c) {
        case '\\': text += "\\\\"; break;
        case '\t': text += "\\t"; break;
        case '\r': text += "\\r"; break;
        case '\n': text += "\\n"; break;
        default: text += c;
        }
    }
    return text;
}
