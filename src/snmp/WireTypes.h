#pragma once
#include "DeviceTarget.h"
#include <QByteArray>
#include <QVarLengthArray>
#include <cstdint>
#include <vector>

// A varbind's name. The names of this MIB's variables and instances are
// at most 24 sub-identifiers long, so a request and its answer keep them
// inside their varbinds, without an allocation each; longer ones (up to the
// protocol's 128) spill to the heap.
using WireOid = QVarLengthArray<uint32_t, 24>;

// Plain-data form of the varbinds of one exchange, so that only the SNMP
// thread touches the SNMP library's own structures.
struct WireVarbind {
    WireOid Oid;
    uint8_t Type = 0x05;              // ASN.1 tag as on the wire (0x05 NULL)
    int64_t Integer = 0;              // INTEGER, counters, gauges, ticks, Counter64
    double Real = 0;                  // opaque double / float
    QByteArray Octets;                // OCTET STRING, IpAddress, Opaque, NSAP, BITS
    std::vector<uint32_t> ObjectId;   // OBJECT IDENTIFIER values
};

// Wire tags the engine may see.
namespace WireType {
inline constexpr uint8_t Integer = 0x02;
inline constexpr uint8_t BitString = 0x03;
inline constexpr uint8_t OctetString = 0x04;
inline constexpr uint8_t Null = 0x05;
inline constexpr uint8_t ObjectId = 0x06;
inline constexpr uint8_t IpAddress = 0x40;
inline constexpr uint8_t Counter = 0x41;
inline constexpr uint8_t Gauge = 0x42;
inline constexpr uint8_t TimeTicks = 0x43;
inline constexpr uint8_t Opaque = 0x44;
inline constexpr uint8_t Nsap = 0x45;
inline constexpr uint8_t Counter64 = 0x46;
inline constexpr uint8_t UInteger = 0x47;
inline constexpr uint8_t OpaqueFloat = 0x78;
inline constexpr uint8_t OpaqueDouble = 0x79;
inline constexpr uint8_t NoSuchObject = 0x80;
inline constexpr uint8_t NoSuchInstance = 0x81;
inline constexpr uint8_t EndOfMibView = 0x82;
}  // namespace WireType

// One request PDU and its answer.
struct SnmpExchange {
    enum Commands { Get, GetNext, Set };

    DeviceTarget Target;
    QByteArray ResolvedAddress;   // transport and numeric address: "udp:10.0.0.1", "udp6:[::1]"
    int Command = Get;
    std::vector<WireVarbind> Request;

    // Outcome, in the classic class library's status numbers: 0 success,
    // 1..18 the response's error status, -5 timeout, others as mapped.
    int Status = 0;
    int ErrorIndex = 0;
    std::vector<WireVarbind> Response;
};
