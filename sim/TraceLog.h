#pragma once
#include <string>
#include <string_view>

struct snmp_pdu;
class DeviceState;

// The request trace (--trace FILE): one line per request PDU that a device
// receives, written with a single write() as soon as it is parsed, before
// any fault drops or refuses it. Fields are separated by one TAB:
//   time (local, YYYY-MM-DDThh:mm:ss.mmm), device address, PDU type (GET,
//   GETNEXT, GETBULK, SET; other PDUs by their own name), then one field per
//   varbind: the numeric OID, and for SET "OID=VALUE".
// VALUE: integers in decimal, IP addresses dotted, OIDs numeric, strings as
// they are unless a byte is not printable (then the whole string as upper-case
// hex digits; a variable the device holds as a MAC address always so);
// backslash, TAB, CR and LF in strings are written \\ \t \r \n.
class TraceLog {
public:
    TraceLog() = default;
    ~TraceLog();
    TraceLog(const TraceLog&) = delete;
    TraceLog& operator=(const TraceLog&) = delete;

    // Creates or empties the file.
    bool Open(const std::string& path, std::string& error);
    bool IsOpen() const { return fd_ >= 0; }
    // --trace-security: a field after the device address tells how the PDU
    // came: "v1", "v2c", or "v3:USER:LEVEL" (LEVEL noAuthNoPriv, authNoPriv,
    // authPriv); never a community or pass phrase.
    void SetSecurity(bool on) { security_ = on; }
    static std::string SecurityText(const snmp_pdu& pdu);
    // device: the device's address; state: its values (to tell MAC addresses), may be null.
    void Record(const std::string& device, const snmp_pdu& pdu, DeviceState* state) const;

    // The line without its newline, for a given time text.
    static std::string Line(const std::string& time, const std::string& device, const snmp_pdu& pdu, DeviceState* state);
    static std::string Now();
    static std::string TypeName(int command);
    // An octet string as the trace writes it.
    static std::string OctetText(std::string_view bytes, bool asHex);

private:
    int fd_ = -1;
    bool security_ = false;
};
