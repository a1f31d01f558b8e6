#pragma once
#include <cstdint>
#include <span>

// The one meaning of an object where the catalogue gives its OID several (the
// radio table was renumbered once: an older numbering shifted by one column
// still appears beside the current one, and two pages disagree on the rate,
// the rate list and the frequency). The device, the MIB module and every
// descriptor table keep this meaning; mib/README.md lists the choices.
struct OidMeaning {
    const char* Oid;        // the object, without instance
    const char* Name;       // the variable it is
    int32_t Syntax;         // SnmpSyntax code
    const char* Maps;       // value maps of that variable, as in the catalogue ("" for none)
    const char* Aliases;    // other names of the same variable, space-separated ("" for none)
};

namespace OidMeanings {
std::span<const OidMeaning> All();
// The meaning of the object at or above oid (a full OID, with or without instance), or nullptr.
const OidMeaning* Of(const char* oid);
// True when name is the meaning's name or one of its aliases.
bool Names(const OidMeaning& meaning, const char* name);
}  // namespace OidMeanings
