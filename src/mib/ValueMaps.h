#pragma once
#include "snmp/ValueMap.h"

// The global value maps of the device variables, one object per distinct
// content M1 to M96, built when the library loads. Descriptor tables point at
// them; all lists made from a table share its maps.
namespace MibMaps {
extern const ValueMap M1, M2, M3, M4, M5, M6, M7, M8, M9, M10, M11, M12, M13, M14, M15, M16,
    M17, M18, M19, M20, M21, M22, M23, M24, M25, M26, M27, M28, M29, M30, M31, M32, M33, M34,
    M35, M36, M37, M38, M39, M40, M41, M42, M43, M44, M45, M46, M47, M48, M49, M50, M51, M52,
    M53, M54, M55, M56, M57, M58, M59, M60, M61, M62, M63, M64, M65, M66, M67, M68, M69, M70,
    M71, M72, M73, M74, M75, M76, M77, M78, M79, M80, M81, M82, M83, M84, M85, M86, M87, M88,
    M89, M90, M91, M92, M93;
// M94 to M96 are the module's own name maps (snmp/SnmpNames.h).

// The map with content number n (1 to 96), or nullptr.
const ValueMap* ByNumber(int n);
}  // namespace MibMaps
