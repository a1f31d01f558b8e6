#pragma once
#include "Device.h"
#include <optional>
#include <string>

// The device's clock, log and e-mail settings and traffic statistics as
// writes change them: a time set by hand moves the clock that systemTime
// reports (and the log stamps with), a clear command zeroes its own group of
// counters only, an SMTP port lies in 1 to 65535.
namespace TimeLogRules {
// An SnmpErrors code for a write these rules refuse, else NoError.
int Check(const VarDef& def, const SimValue& value);
// Carries out a committed write that these rules own: the line for the
// device log ("" for none); nothing when the variable is not theirs.
std::optional<std::string> Apply(Device& device, const VarDef& def, const SimValue& value);
}  // namespace TimeLogRules
