#include "SnmpNames.h"

namespace SnmpNames {
namespace {
const ValueMapPair kAccess[] = {
    {1, "notaccess"}, {2, "readonly"}, {4, "writeonly"}, {6, "readwrite"},
    {8, "derived"},   {16, "hidden"},  {32, "invalid"},  {0, nullptr},
};
const ValueMapPair kSyntax[] = {
    {2, "integer"},     {3, "bitstr"},     {4, "octetstr"},   {5, "null"},       {6, "objectid"},
    {64, "ipaddress"},  {65, "counter"},   {66, "guage"},     {67, "timeticks"}, {68, "opaque"},
    {70, "counter64"},  {1, "boolean"},    {69, "nsapaddr"},  {71, "uinteger"},  {72, "double"},
    {73, "macaddress"}, {74, "datetime"},  {75, "bcdatetime"}, {76, "displaystr"}, {193, "bool8"},
    {194, "int8"},      {195, "uint8"},    {196, "bool16"},   {197, "int16"},    {198, "uint16"},
    {0, nullptr},
};
const ValueMapPair kKinds[] = {
    {0, "SVT_SV"}, {1, "MVT_SV"}, {2, "MVT_FMV"}, {3, "MVT_UMV"}, {0, nullptr},
};
}  // namespace

const ValueMap& AccessNames() {
    static const ValueMap map(kAccess);
    return map;
}
const ValueMap& SyntaxNames() {
    static const ValueMap map(kSyntax);
    return map;
}
const ValueMap& ListKindNames() {
    static const ValueMap map(kKinds);
    return map;
}
}  // namespace SnmpNames
