#include "ClockText.h"
#include <QRegularExpression>
#include <QStringList>

namespace ClockText {

QString ManualSetting(const QDateTime& time) {
    const QDate d = time.date();
    const QTime t = time.time();
    return QString::asprintf("%04d:%02d:%02d:%02d:%02d:%02d", d.year(), d.month(), d.day(), t.hour(), t.minute(),
                             t.second());
}

QDateTime Parse(const QString& deviceText) {
    static const QRegularExpression digits(QStringLiteral("\\d+"));
    QStringList parts;
    for (auto it = digits.globalMatch(deviceText); it.hasNext();)
        parts << it.next().captured();
    if (parts.size() != 6)
        return {};
    int year = 0, month = 0, day = 0;
    if (parts[0].size() == 4) {
        year = parts[0].toInt();
        month = parts[1].toInt();
        day = parts[2].toInt();
    } else if (parts[2].size() == 4) {
        month = parts[0].toInt();
        day = parts[1].toInt();
        year = parts[2].toInt();
    } else {
        return {};
    }
    const QDate date(year, month, day);
    const QTime time(parts[3].toInt(), parts[4].toInt(), parts[5].toInt());
    if (!date.isValid() || !time.isValid() || parts[3].size() > 2 || parts[4].size() > 2 || parts[5].size() > 2)
        return {};
    return QDateTime(date, time);
}

QString Shown(const QString& deviceText) {
    const QDateTime time = Parse(deviceText);
    if (!time.isValid())
        return deviceText;
    const QDate d = time.date();
    const QTime t = time.time();
    return QString::asprintf("%02d-%02d-%04d %02d:%02d:%02d", d.month(), d.day(), d.year(), t.hour(), t.minute(),
                             t.second());
}

}  // namespace ClockText
