#pragma once
#include <QString>

// One wireless schedule rule as the schedule page keeps it.
class CSchedule {
public:
    static constexpr int kAllWeek = 0x7f;   // Sun 1, Mon 2, Tue 4, ... Sat 64

    QString Name;
    int SsidIndex = 0;   // index in the SSID table: 1 the primary SSID, 2 to 8 SSID 1 to 7
    QString Ssid;
    int DayMask = 0;
    bool AllDay = false;
    QString StartTime;   // "hh:mm"
    QString EndTime;
    QString WirelessStatus;
    QString NodeStatus;

    // "All Week" for the full mask, otherwise the day names in week order
    // joined by ", " ("Mon, Wed, Fri").
    static QString DaysText(int mask);
    // A day mask from the list's day text: the mask as a number, or day names.
    static int MaskOf(const QString& days);
    // "All Day(s)" or "start-end".
    QString TimeFrameText() const;
    // Takes a list's time frame ("All Day(s)" or "hh:mm-hh:mm").
    void SetTimeFrame(const QString& frame);
    // "hh:mm" from an hour and a minute.
    static QString TimeText(int hour, int minute);
    // The hour and the minute of "hh:mm"; false when it is no time.
    static bool SplitTime(const QString& time, int* hour, int* minute);
};
