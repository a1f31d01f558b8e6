#include "MacText.h"
#include <QRegularExpression>

namespace MacText {

QString Digits(const QString& typed) {
    QString digits = typed.trimmed().toUpper();
    // Separators only between byte pairs: "00:10:A4:..." or "00-10-A4-...".
    static const QRegularExpression separated(QStringLiteral("^[0-9A-F]{2}([:-][0-9A-F]{2}){5}$"));
    if (separated.match(digits).hasMatch())
        digits.remove(QLatin1Char(':')).remove(QLatin1Char('-'));
    return digits;
}

bool HasTwelveDigits(const QString& digits) {
    static const QRegularExpression twelve(QStringLiteral("^[0-9A-Fa-f]{12}$"));
    return twelve.match(digits).hasMatch();
}

bool IsGiven(const QString& digits) {
    return HasTwelveDigits(digits) && digits != QLatin1String("000000000000");
}

bool IsStation(const QString& digits) {
    if (!IsGiven(digits))
        return false;
    bool ok = false;
    const int first = digits.left(2).toInt(&ok, 16);
    return ok && (first & 0x01) == 0;
}

}  // namespace MacText
