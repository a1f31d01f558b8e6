#pragma once
#include "DeviceLog.h"
#include "DeviceState.h"
#include "FaultKnobs.h"
#include <chrono>

// One simulated access point: its values, its fault knobs and whether it is
// answering right now (a restart or factory reset keeps it silent a while).
class Device {
public:
    Device(const DeviceModel& model, DeviceIdentity identity, int clientCount, std::map<std::string, int> rows = {})
        : state_(model, std::move(identity), clientCount, std::move(rows)) {
        log_.UseClock(&state_.Clock());
        log_.Add(DeviceLog::Priority::Notice, "system started, firmware " + state_.Identity().Firmware);
    }

    // The log holds a pointer to the state's clock.
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    DeviceState& State() { return state_; }
    const DeviceIdentity& Identity() const { return state_.Identity(); }
    FaultKnobs& Faults() { return faults_; }
    const FaultKnobs& Faults() const { return faults_; }
    DeviceLog& Log() { return log_; }

    void SilenceFor(int ms) { silentUntil_ = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms); }
    bool Answering() const { return !faults_.Silent && std::chrono::steady_clock::now() >= silentUntil_; }

    bool Dirty = false;   // changed since the state file was written
    std::string LanguagePack;   // the installed language pack's name, "" when none

private:
    DeviceState state_;
    FaultKnobs faults_;
    DeviceLog log_;
    std::chrono::steady_clock::time_point silentUntil_{};
};
