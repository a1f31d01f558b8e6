#pragma once
#include "snmp/DeviceTarget.h"
#include "snmp/MibVariableList.h"
#include "WrittenGroups.h"
#include <QString>
#include <cstdint>
#include <functional>

// Applies a template key file to one device over blocking requests: refuses a
// device with Multi-SSID on, then writes the groups the flags choose
// (0x1 system, 0x2 radio, 0x4 MAC filter and security) for the device's band
// and AP mode, and ends with the device's apply command. A setting the device
// cannot take is reported and skipped; anything that makes the whole template
// unusable raises CZRException.
class TemplateApplier {
public:
    enum Flags : uint32_t { SystemGroup = 0x1, WirelessGroup = 0x2, SecurityGroup = 0x4 };
    static constexpr int kRefused = 1;

    using RejectHandler = std::function<void(const QString& message)>;

    // `progress`, when given, is set to 1 and raised by one before each group's
    // write; other threads may read it while the application runs.
    TemplateApplier(const DeviceTarget& target, RejectHandler reject, int32_t* progress = nullptr);

    void Apply(const QString& keyFilePath, uint32_t flags);

    // When set, a CZRException that stops the application after it began
    // reading the device says at its end which groups were written (and the
    // group it stopped in): the command interface's report tells the host.
    void SetReportWrittenGroups(bool on) { reportWritten_ = on; }
    const WrittenGroups& Groups() const { return groups_; }

    // Sees the list of every write just before it goes out (values as sent).
    void SetWriteObserver(std::function<void(const MibVariableList& list)> observer) {
        observer_ = std::move(observer);
    }

    // A dry run: the device is read as for the application, every write is
    // shown to the write observer and none is sent.
    void SetDryRun(bool dryRun) { dryRun_ = dryRun; }
    // Sees the template key behind each value that the application writes.
    void SetKeyObserver(std::function<void(const QString& key, const MibVariableEntry& entry)> observer) {
        keyObserver_ = std::move(observer);
    }
    // Sees each key whose value goes out in a write that cannot be read back.
    void SetUseObserver(std::function<void(const QString& key)> observer) { useObserver_ = std::move(observer); }
    // Sees each group start by its key prefix ("SYS", "AWS", "Flt", "SCR").
    void SetGroupObserver(std::function<void(const QString& group)> observer) { groupObserver_ = std::move(observer); }

private:
    void RaiseProgress();
    void ApplyGroups(const QString& keyFilePath, uint32_t flags);

    DeviceTarget target_;
    RejectHandler reject_;
    int32_t* progress_;
    std::function<void(const MibVariableList& list)> observer_;
    bool dryRun_ = false;
    std::function<void(const QString& key, const MibVariableEntry& entry)> keyObserver_;
    std::function<void(const QString& group)> groupObserver_;
    std::function<void(const QString& key)> useObserver_;
    bool reportWritten_ = false;
    WrittenGroups groups_;
};
