#include "TrafficRule.h"

QString CTrafficRule::MacDigits(const QString& text) {
    QString digits = text.trimmed();
    digits.remove(QLatin1Char(':')).remove(QLatin1Char('-'));
    if (digits.size() != 12)
        return {};
    for (QChar c : digits) {
        if (!c.isDigit() && !(c.toUpper() >= QLatin1Char('A') && c.toUpper() <= QLatin1Char('F')))
            return {};
    }
    return digits.toUpper();
}
