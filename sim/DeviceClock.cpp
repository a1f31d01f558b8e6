#include "DeviceClock.h"
#include <cstdio>

bool DeviceClock::Parse(const std::string& text, std::time_t& out) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    char tail = 0;
    if (text.size() != 19 ||
        std::sscanf(text.c_str(), "%4d:%2d:%2d:%2d:%2d:%2d%c", &year, &month, &day, &hour, &minute, &second, &tail) != 6)
        return false;
    for (size_t i : {4u, 7u, 10u, 13u, 16u})
        if (text[i] != ':')
            return false;
    if (year < 1970 || year > 2037 || month < 1 || month > 12 || day < 1 || hour > 23 || minute > 59 || second > 59 ||
        hour < 0 || minute < 0 || second < 0)
        return false;
    std::tm parts{};
    parts.tm_year = year - 1900;
    parts.tm_mon = month - 1;
    parts.tm_mday = day;
    parts.tm_hour = hour;
    parts.tm_min = minute;
    parts.tm_sec = second;
    const std::time_t when = timegm(&parts);
    // timegm moves 31 April to 1 May: such a date does not exist.
    std::tm back{};
    gmtime_r(&when, &back);
    if (back.tm_mday != day || back.tm_mon != month - 1)
        return false;
    out = when;
    return true;
}

bool DeviceClock::IsManualSetting(const std::string& text) {
    std::time_t when = 0;
    return Parse(text, when);
}

bool DeviceClock::SetManually(const std::string& text) {
    std::time_t when = 0;
    if (!Parse(text, when))
        return false;
    offset_ = when - std::time(nullptr);
    return true;
}

std::time_t DeviceClock::Now() const { return std::time(nullptr) + offset_; }

std::string DeviceClock::Format(const char* format) const {
    const std::time_t now = Now();
    std::tm parts{};
    gmtime_r(&now, &parts);
    char text[32];
    std::strftime(text, sizeof text, format, &parts);
    return text;
}

std::string DeviceClock::Text() const { return Format("%Y/%m/%d %H:%M:%S"); }

std::string DeviceClock::LogStamp() const { return Format("%Y-%m-%d %H:%M:%S"); }
