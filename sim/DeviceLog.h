#pragma once
#include <deque>
#include <string>

// The device's own system log: one line per event, "YYYY-MM-DD hh:mm:ss
// [priority] message", the newest last; it keeps the latest 500 lines.
class DeviceClock;

class DeviceLog {
public:
    enum class Priority { Info, Notice, Warning, Error };

    // Entries are stamped with the device's clock (else the host's local time).
    void UseClock(const DeviceClock* clock) { clock_ = clock; }

    void Add(Priority priority, const std::string& message);
    void Clear() { lines_.clear(); }
    size_t Size() const { return lines_.size(); }
    // The log file as the device sends it: every line ends with CR LF.
    std::string Text() const;

    static constexpr size_t kMaxLines = 500;

private:
    std::deque<std::string> lines_;
    const DeviceClock* clock_ = nullptr;
};
