#pragma once
#include <cstdint>

// Syntax codes of device variables: the ASN.1 application tag where one
// exists, the module's own codes for the other kinds.
namespace SnmpSyntax {
inline constexpr int32_t Boolean = 1;
inline constexpr int32_t Integer = 0x02;
inline constexpr int32_t BitString = 3;
inline constexpr int32_t OctetString = 0x04;
inline constexpr int32_t Null = 5;
inline constexpr int32_t ObjectId = 6;
inline constexpr int32_t IpAddress = 0x40;
inline constexpr int32_t Counter = 0x41;
inline constexpr int32_t Gauge = 0x42;
inline constexpr int32_t TimeTicks = 0x43;
inline constexpr int32_t Opaque = 0x44;
inline constexpr int32_t NsapAddress = 0x45;
inline constexpr int32_t Counter64 = 0x46;
inline constexpr int32_t UInteger = 0x47;
inline constexpr int32_t Double = 0x48;
inline constexpr int32_t MacAddress = 0x49;
inline constexpr int32_t DateTime = 0x4A;
inline constexpr int32_t BcDateTime = 0x4B;
inline constexpr int32_t DisplayString = 0x4C;
inline constexpr int32_t Bool8 = 0xC1;
inline constexpr int32_t Int8 = 0xC2;
inline constexpr int32_t UInt8 = 0xC3;
inline constexpr int32_t Bool16 = 0xC4;
inline constexpr int32_t Int16 = 0xC5;
inline constexpr int32_t UInt16 = 0xC6;

// True for the codes of the syntax table; anything else is "Bad SNMP syntax" (-511).
bool IsKnown(int32_t code);
}  // namespace SnmpSyntax

// Access flags of a variable, tested bit by bit through MibVariableList's predicates.
namespace SnmpAccess {
inline constexpr int32_t NotAccess = 0x01;
inline constexpr int32_t ReadOnly = 0x02;
inline constexpr int32_t WriteOnly = 0x04;
inline constexpr int32_t ReadWrite = 0x06;
inline constexpr int32_t Derived = 0x08;
inline constexpr int32_t Hidden = 0x10;
inline constexpr int32_t Invalid = 0x20;
inline constexpr int32_t ImpliedKey = 0x40;
}  // namespace SnmpAccess
