#pragma once
#include "ValueMap.h"

// The module's own maps of names: access words, syntax codes and list kinds.
namespace SnmpNames {
const ValueMap& AccessNames();   // 1 "notaccess" ... 32 "invalid"
const ValueMap& SyntaxNames();   // 2 "integer" ... 198 "uint16"
const ValueMap& ListKindNames(); // 0 "SVT_SV" ... 3 "MVT_UMV"
}  // namespace SnmpNames
