#pragma once
#include "Device.h"
#include <map>
#include <string>

// The intrusion page's classification commands, variables that the page
// makes at run time under ...3.4.4 (no catalogue entry): "set as" valid (5),
// neighborhood (6), rogue (7) or new (8) takes the survey index of one
// detected access point per varbind; "mark all new as valid" (9) and "mark
// unknown as rogue" (10) take 1 and change every access point of type New.
// A type stays with its access point (by BSSID) until a command changes it,
// also across new detections.
namespace RogueTypes {
// The command number (5 to 10) of an OID with or without ".0", else 0.
int CommandOf(const OidPath& oid);
// wrongType for a value that is no integer, wrongValue for an index that no
// detected access point has or a mark-all value other than 1.
int Check(Device& device, int command, const SimValue& value);
std::string Apply(Device& device, int command, int64_t value);

// The types of the detected access points by BSSID (before a detection).
std::map<std::string, int64_t> Kept(DeviceState& state);
// Gives the access points of a new detection the types they had.
void Restore(DeviceState& state, const std::map<std::string, int64_t>& kept);
}  // namespace RogueTypes
