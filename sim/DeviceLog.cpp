#include "DeviceLog.h"
#include "DeviceClock.h"
#include <ctime>

void DeviceLog::Add(Priority priority, const std::string& message) {
    static const char* const kNames[] = {"info", "notice", "warning", "error"};
    std::string stamp;
    if (clock_) {
        stamp = clock_->LogStamp();
    } else {
        std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        char text[32];
        std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
        stamp = text;
    }
    std::string line = stamp + " [" + kNames[static_cast<int>(priority)] + "] ";
    // One event, one line.
    for (char c : message)
        line += (c == '\r' || c == '\n') ? ' ' : c;
    lines_.push_back(std::move(line));
    while (lines_.size() > kMaxLines)
        lines_.pop_front();
}

std::string DeviceLog::Text() const {
    std::string text;
    for (const std::string& line : lines_)
        text += line + "\r\n";
    return text;
}
