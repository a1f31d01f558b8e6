#pragma once
#include <string>

// Legal SMIv2 descriptors from the texts of the catalogue and the value maps.
namespace SmiNames {
// True when the text is already a descriptor: a lower-case letter, then letters and digits.
bool IsDescriptor(const std::string& text);
// A descriptor made from any text: words joined in camel case, "+" as "plus", a "-" before
// a digit as "minus", "%" as "pct", a "." between digits as "dot"; a leading digit gets "v".
std::string Derive(const std::string& text);
}  // namespace SmiNames
