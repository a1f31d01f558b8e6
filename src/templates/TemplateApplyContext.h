#pragma once
#include "snmp/DeviceTarget.h"
#include "snmp/MibVariable.h"
#include "snmp/MibVariableList.h"
#include <QMap>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

class MappedRequest;

// What the groups of one template application share: the device, the
// template's keys, the AP mode and band read from the device, and the ways to
// report a rejected setting and to raise the progress counter.
struct TemplateApplyContext {
    DeviceTarget Target;
    QMap<QString, QString> Keys;
    QString ApMode;          // the device's AP mode text
    bool Band5GHz = false;
    std::function<void(const QString& message)> Reject;
    std::function<void()> RaiseProgress;
    // Sees every write of the application just before it goes out (may be empty).
    std::function<void(const MibVariableList& list)> ObserveWrite;
    // A dry run: every request reads as usual and writes nothing.
    bool DryRun = false;
    // Sees the template key that each selected entry's value comes from (may be empty).
    std::function<void(const QString& key, const MibVariableEntry& entry)> ObserveKey;
    // Sees a key whose value goes out in a write that cannot be read back (a list's add action).
    std::function<void(const QString& key)> ObserveUse;
    // Sees each group start by its key prefix: "SYS", "AWS", "Flt", "SCR" (may be empty).
    std::function<void(const QString& group)> ObserveGroup;

    bool Has(const QString& key) const { return Keys.contains(key); }
    // The key's value, empty when the key is missing.
    QString Value(const QString& key) const { return Keys.value(key); }
    // "AWS_80211a" / "AWS_80211g" and so on, by the band in use.
    QString Prefix(const char* group) const;
    // SelectEntry, telling ObserveKey which key the value comes from.
    void SelectKey(MibVariableList& list, int index, const QString& key, const QString& value) const;
    void StartGroup(const char* group) const;
    void UseKey(const QString& key) const;

    // A request aimed at the device with a list of the table's entries, all
    // left out (access 0x20) until selected.
    std::unique_ptr<MappedRequest> NewRequest(const MibVariable* table) const;
};

// Gives an entry a value and takes it into the next write (access 6).
void SelectEntry(MibVariableList& list, int index, const QString& value);
// Leaves an entry out of reads and writes (access 0x20).
void LeaveOut(MibVariableList& list, int index);
