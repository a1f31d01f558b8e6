#pragma once
#include "DeviceClock.h"
#include "DeviceIdentity.h"
#include "DeviceModel.h"
#include "SimValue.h"
#include "TrafficCounters.h"
#include <QJsonObject>
#include <chrono>
#include <cstdint>
#include <map>

// The values of one simulated device: every scalar leaf and every table cell
// in OID order, with factory defaults, generated table rows, the last applied
// settings (what "discard" returns to) and the state file form.
class DeviceState {
public:
    struct Cell {
        const VarDef* Def = nullptr;
        SimValue Value;
        int Table = -1;   // index into the model's tables, -1 for a scalar leaf
    };
    using Cells = std::map<OidPath, Cell>;

    // clientCount: rows of the client table; rows: rows of other generated
    // tables by table name (--rows), else their usual count.
    DeviceState(const DeviceModel& model, DeviceIdentity identity, int clientCount, std::map<std::string, int> rows = {});

    const DeviceModel& Model() const { return model_; }
    const DeviceIdentity& Identity() const { return identity_; }
    // A firmware update: the identity and every firmware version variable
    // carry the new version (also after a factory reset).
    void SetFirmware(const std::string& version);

    // Every value back to the factory default, tables to their fresh rows.
    void FactoryReset();
    // Refills a generated table with new rows (rows < 0: its usual count).
    void RebuildTable(const DeviceModel::Table& table, int rows = -1);
    void RebuildTable(const std::string& name, int rows = -1);

    Cell* Find(const OidPath& oid);
    // The first cell after oid in OID order, or nullptr.
    const std::pair<const OidPath, Cell>* Next(const OidPath& oid) const;
    // The value as read now (the up-time ticks on).
    SimValue Read(const OidPath& oid, const Cell& cell) const;
    void Write(const OidPath& oid, const SimValue& value);

    // The cells of one table column in row order.
    std::vector<Cell*> ColumnCells(const DeviceModel::Table& table, const std::string& columnName);
    // Removes one row of a table (its later rows keep their numbers).
    void EraseRow(const DeviceModel::Table& table, int rowNumber);
    // The value a fresh row would have in this column.
    SimValue FreshCell(const DeviceModel::Table& table, const VarDef& column, int rowNumber) const;
    // The first value of a catalogue name, or nullptr.
    Cell* Named(const std::string& name);

    // Settings snapshot: apply takes one, discard returns to it.
    void TakeSnapshot();
    void RestoreSnapshot();

    // Restart: up-time from zero, generated tables anew.
    void Reboot();
    uint32_t UptimeTicks() const;

    // The device's wall clock (systemTime, setTimeManually) and its traffic counters.
    DeviceClock& Clock() { return clock_; }
    const DeviceClock& Clock() const { return clock_; }
    TrafficCounters& Counters() { return counters_; }

    QJsonObject ToJson() const;
    void FromJson(const QJsonObject& object);

private:
    SimValue DefaultOf(const VarDef& def, const OidPath& oid) const;
    int RowsOf(const DeviceModel::Table& table) const;
    bool Persistent(const Cell& cell) const;
    SimValue FactoryValue(const OidPath& oid, const Cell& cell) const;   // kept in the state file and the settings snapshot

    const DeviceModel& model_;
    DeviceIdentity identity_;
    int clientCount_;
    std::map<std::string, int> rows_;
    uint32_t seed_ = 1;
    Cells cells_;
    std::map<OidPath, SimValue> snapshot_;
    std::chrono::steady_clock::time_point bootTime_;
    DeviceClock clock_;
    TrafficCounters counters_;
};
