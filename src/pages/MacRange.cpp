#include "MacRange.h"

namespace MacRange {

QString Add(const QString& mac, int n, bool* overflow) {
    const QString zero = QStringLiteral("000000000000");
    QString digits = mac.trimmed().toUpper();
    bool valid = digits.size() == 12 && n >= 0;
    for (int i = 0; valid && i < digits.size(); ++i) {
        const QChar c = digits[i];
        valid = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
    }
    if (!valid) {
        if (overflow)
            *overflow = true;
        return zero;
    }
    int carry = n;
    for (int i = 11; i >= 0 && carry > 0; --i) {
        const int sum = QString(digits[i]).toInt(nullptr, 16) + carry;
        digits[i] = QString::number(sum % 16, 16).toUpper()[0];
        carry = sum / 16;
    }
    if (overflow)
        *overflow = carry > 0;
    return carry > 0 ? zero : digits;
}

QString SsidRange(const QString& mac, bool* overflow) {
    bool over1 = false;
    bool over7 = false;
    const QString first = Add(mac, 1, &over1);
    const QString last = Add(mac, 7, &over7);
    if (overflow)
        *overflow = over1 || over7;
    return first + QStringLiteral("    ~    ") + last;
}

}  // namespace MacRange
