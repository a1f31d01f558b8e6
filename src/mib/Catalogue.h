#pragma once
#include <cstdint>
#include <span>

// The catalogue of device variables: one entry per distinct pair of name and
// OID that the descriptor tables use. Oid is the full OID with the instance
// part as the catalogue writes it: ".0", ".1", a set "{1,2}", a range
// "{1..8}", or none (a table column, or a scalar that lists of kind 0 read
// with ".0" appended).
struct CatalogueEntry {
    const char* Group;   // "mib-2", or the subtree under the enterprise root, e.g. "2.1"
    const char* Name;
    const char* Oid;
    int32_t Syntax;      // SnmpSyntax code
    const char* Maps;    // value maps, e.g. "M2" or "M10/M59/M89"; "" for none
};

namespace Catalogue {
inline constexpr const char* EnterpriseRoot = "1.3.6.1.4.1.171.10.37.36";
std::span<const CatalogueEntry> All();
}  // namespace Catalogue
