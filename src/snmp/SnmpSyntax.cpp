#include "SnmpSyntax.h"

namespace SnmpSyntax {
bool IsKnown(int32_t code) {
    switch (code) {
    case Boolean: case Integer: case BitString: case OctetString: case Null: case ObjectId:
    case IpAddress: case Counter: case Gauge: case TimeTicks: case Opaque: case NsapAddress:
    case Counter64: case UInteger: case Double: case MacAddress: case DateTime: case BcDateTime:
    case DisplayString: case Bool8: case Int8: case UInt8: case Bool16: case Int16: case UInt16:
        return true;
    default:
        return false;
    }
}
}  // namespace SnmpSyntax
