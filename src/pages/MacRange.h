#pragma once
#include <QString>

// Arithmetic on a MAC address written as 12 hexadecimal digits.
namespace MacRange {
// The address plus `n`, in upper case, added digit by digit from the last
// with carry. A carry out of the first digit (or a text that is not 12
// hexadecimal digits) gives "000000000000" and sets `overflow`.
QString Add(const QString& mac, int n, bool* overflow = nullptr);
// "MAC+1    ~    MAC+7", the addresses of the seven additional SSIDs; an end
// that overflows shows as "000000000000" and sets `overflow`.
QString SsidRange(const QString& mac, bool* overflow = nullptr);
}  // namespace MacRange
