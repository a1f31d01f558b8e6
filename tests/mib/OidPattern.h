#pragma once
#include <string>
#include <vector>

// The concrete OIDs that a catalogue OID stands for: "a.b.{1,2}" gives a.b.1 and a.b.2,
// "a.b.{1..8}" gives a.b.1 to a.b.8; text after the braces is kept.
std::vector<std::string> ExpandOidPattern(const std::string& pattern);
