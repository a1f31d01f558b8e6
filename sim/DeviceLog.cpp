#include "DeviceLog.h"
#include <ctime>

void DeviceLog::Add(Priority priority, const std::string& message) {
    static const char* const kNames[] = {"info", "notice", "warning", "error"};
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &local);
    std::string line = std::string(stamp) + " [" + kNames[static_cast<int>(priority)] + "] ";
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
