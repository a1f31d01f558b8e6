#include "Validators.h"
#include "controls/IpAddressEdit.h"
#include <QStringList>

namespace Validators {
namespace {

// The four parts of a dotted text with exactly three dots, neither first nor
// last, each part one to three decimal digits as the address control takes it.
bool DottedParts(const QString& text, long long parts[4]) {
    if (text.count('.') != 3 || text.startsWith('.') || text.endsWith('.'))
        return false;
    const QStringList split = text.split('.');
    for (int i = 0; i < 4; ++i) {
        parts[i] = IpAddressEdit::PartValue(split[i]);
        if (parts[i] < 0)
            return false;
    }
    return true;
}

bool InRange(long long v, long long low, long long high) { return v >= low && v <= high; }

}  // namespace

bool IsValidIpAddress(const QString& text) {
    long long p[4];
    if (!DottedParts(text, p))
        return false;
    return InRange(p[0], 1, 223) && p[0] != 127 && InRange(p[1], 0, 255) && InRange(p[2], 0, 255) &&
           InRange(p[3], 1, 254);
}

bool IsValidSubnetMask(const QString& text) {
    long long p[4];
    if (!DottedParts(text, p))
        return false;
    if (!InRange(p[0], 1, 255) || !InRange(p[1], 0, 255) || !InRange(p[2], 0, 255) || !InRange(p[3], 0, 255))
        return false;
    const uint32_t bits = static_cast<uint32_t>((p[0] << 24) | (p[1] << 16) | (p[2] << 8) | p[3]);
    const uint32_t inverted = ~bits;
    // Ones contiguous from the top: the inverted mask plus one is a power of two.
    return (bits & 0x80000000u) != 0 && (inverted & (inverted + 1)) == 0;
}

bool IsNumberInRange(const QString& text, long long low, long long high) {
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 18)
        return false;
    for (int i = 0; i < t.size(); ++i) {
        if (!(t[i].isDigit() || (i == 0 && t[i] == '-' && t.size() > 1)))
            return false;
    }
    bool ok = false;
    const long long v = t.toLongLong(&ok);
    return ok && InRange(v, low, high);
}

QString NumberRangeMessage(long long low, long long high, bool exclamation) {
    return QStringLiteral("Please input a number between %1 and %2%3")
        .arg(low)
        .arg(high)
        .arg(exclamation ? QStringLiteral("!") : QStringLiteral("."));
}

}  // namespace Validators
