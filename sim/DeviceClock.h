#pragma once
#include <ctime>
#include <string>

// The device's wall clock: the host's clock (UTC) until a time is set by
// hand, then running on from that time. Not kept in the state file: a
// restarted simulator starts from the host's clock again.
class DeviceClock {
public:
    // "YYYY:MM:DD:hh:mm:ss" (the form the device is sent); false, changing
    // nothing, for any other text or a date that does not exist.
    bool SetManually(const std::string& text);
    static bool IsManualSetting(const std::string& text);
    // Back to the host's clock.
    void Reset() { offset_ = 0; }

    std::time_t Now() const;
    // "YYYY/MM/DD hh:mm:ss", the form the device reports its time in.
    std::string Text() const;
    // "YYYY-MM-DD hh:mm:ss", as the log stamps its entries.
    std::string LogStamp() const;

private:
    static bool Parse(const std::string& text, std::time_t& out);
    std::string Format(const char* format) const;

    std::time_t offset_ = 0;   // seconds ahead of the host's clock
};
