#include "Schedule.h"
#include <QStringList>

namespace {
const char* const kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const kAllDay = "All Day(s)";
}  // namespace

QString CSchedule::DaysText(int mask) {
    if ((mask & kAllWeek) == kAllWeek)
        return QStringLiteral("All Week");
    QStringList names;
    for (int day = 0; day < 7; ++day) {
        if (mask & (1 << day))
            names << QLatin1String(kDays[day]);
    }
    return names.join(QStringLiteral(", "));
}

int CSchedule::MaskOf(const QString& days) {
    const QString text = days.trimmed();
    bool number = false;
    const int mask = text.toInt(&number);
    if (number)
        return mask & kAllWeek;
    if (text.compare(QLatin1String("All Week"), Qt::CaseInsensitive) == 0)
        return kAllWeek;
    int result = 0;
    for (int day = 0; day < 7; ++day) {
        if (text.contains(QLatin1String(kDays[day]), Qt::CaseInsensitive))
            result |= 1 << day;
    }
    return result;
}

QString CSchedule::TimeFrameText() const {
    return AllDay ? QString::fromLatin1(kAllDay) : StartTime + QLatin1Char('-') + EndTime;
}

void CSchedule::SetTimeFrame(const QString& frame) {
    const QString text = frame.trimmed();
    AllDay = text == QLatin1String(kAllDay);
    if (AllDay) {
        StartTime.clear();
        EndTime.clear();
        return;
    }
    StartTime = text.section(QLatin1Char('-'), 0, 0).trimmed();
    EndTime = text.section(QLatin1Char('-'), 1).trimmed();
}

QString CSchedule::TimeText(int hour, int minute) {
    return QString::asprintf("%02d:%02d", hour, minute);
}

bool CSchedule::SplitTime(const QString& time, int* hour, int* minute) {
    const QStringList parts = time.trimmed().split(QLatin1Char(':'));
    if (parts.size() != 2)
        return false;
    bool okHour = false, okMinute = false;
    *hour = parts[0].toInt(&okHour);
    *minute = parts[1].toInt(&okMinute);
    return okHour && okMinute;
}
