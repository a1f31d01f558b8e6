#pragma once
#include <QString>
#include <vector>

namespace TestSupport {

// One PDU that a simulated device received, as nxa-sim --trace FILE writes
// it: a line of TAB-separated fields
//   TIME  DEVICE-ADDRESS  TYPE  VARBIND...
// (with --trace-security a field SECURITY after the address: v1, v2c or
// v3:USER:LEVEL) with TYPE one of GET, GETNEXT, GETBULK, SET (other PDUs by their own
// upper-case name). A SET varbind is OID=VALUE,
// any other just OID; in VALUE a backslash, TAB, CR and LF are written as
// \\ \t \r \n.
struct SimTraceVarbind {
    QString Oid;
    QString Value;   // empty for GET, GETNEXT and GETBULK
};

struct SimTraceRecord {
    QString Time;      // as written
    QString Address;   // the device's address as written
    QString Type;      // GET, GETNEXT, GETBULK or SET
    QString Security;  // with --trace-security: "v1", "v2c" or "v3:USER:LEVEL"; empty otherwise
    std::vector<SimTraceVarbind> Varbinds;
};

// The records of a trace file in the order written; lines that do not have
// the form above (an incomplete last line, say) are left out. Empty when the
// file cannot be read.
std::vector<SimTraceRecord> ReadSimTrace(const QString& path);

// The records of one line of text (without its line end); false when the
// line does not have the form above.
bool ParseSimTraceLine(const QString& line, SimTraceRecord& record);

// The SET records of the device at `address` ("127.0.1.2", or with its port
// "127.0.1.2:1161": a record matches with or without a port), in order.
std::vector<SimTraceRecord> SimTraceSets(const std::vector<SimTraceRecord>& records, const QString& address);

}  // namespace TestSupport
