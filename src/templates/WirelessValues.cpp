#include "WirelessValues.h"
#include <algorithm>
#include <limits>

namespace WirelessValues {

int LeadingNumber(const QString& text) {
    int i = 0;
    while (i < text.size() && (text[i] == QLatin1Char(' ') || (text[i] >= QLatin1Char('\t') && text[i] <= QLatin1Char('\r'))))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        negative = text[i++] == QLatin1Char('-');
    long long n = 0;
    for (; i < text.size() && text[i].isDigit() && text[i].unicode() < 128; ++i) {
        n = n * 10 + (text[i].unicode() - '0');
        if (n > std::numeric_limits<int>::max())
            n = std::numeric_limits<int>::max();   // out of range reads as the largest number
    }
    return static_cast<int>(negative ? -n : n);
}

QString BeaconInterval(const QString& text) {
    return QString::number(std::clamp(LeadingNumber(text), 25, 500));
}

QString Dtim(const QString& text) {
    return QString::number(std::clamp(LeadingNumber(text), 1, 15));
}

QString Rate(const QString& text) {
    QString rate = text;
    rate.remove(QStringLiteral(" Mbps"));
    rate.remove(QStringLiteral(" Mbp"));
    return rate;
}

QStringList Channels(const QString& list) {
    return list.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

}  // namespace WirelessValues
