#pragma once
#include <QString>

// The address and number checks of the pages. They read a control's text and
// never change it.
namespace Validators {
// Four dotted decimal parts: the first 1 to 223 and not 127, the second and
// third 0 to 255, the fourth 1 to 254.
bool IsValidIpAddress(const QString& text);
// Four dotted parts, the first 1 to 255, the others 0 to 255, whose 32 bits
// are ones from the top followed by zeros only. All ones is accepted.
bool IsValidSubnetMask(const QString& text);
// A decimal integer (digits, optionally a leading "-") from low to high inclusive.
bool IsNumberInRange(const QString& text, long long low, long long high);
// "Please input a number between LOW and HIGH." ('!' instead of '.' when asked).
QString NumberRangeMessage(long long low, long long high, bool exclamation = false);
}  // namespace Validators
