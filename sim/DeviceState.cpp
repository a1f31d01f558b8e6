#include "DeviceState.h"
#include "snmp/SnmpSyntax.h"
#include <QJsonArray>
#include <ctime>

namespace {
bool IsUptime(const VarDef& def) {
    return def.HasName("sysUpTime") || def.HasName("systemUpTime") || def.HasName("System Uptime");
}

std::string Replace(std::string text, const std::string& token, const std::string& value) {
    for (size_t at = text.find(token); at != std::string::npos; at = text.find(token, at + value.size()))
        text.replace(at, token.size(), value);
    return text;
}
}  // namespace

DeviceState::DeviceState(const DeviceModel& model, DeviceIdentity identity, int clientCount, std::map<std::string, int> rows)
    : model_(model), identity_(std::move(identity)), clientCount_(clientCount), rows_(std::move(rows)),
      bootTime_(std::chrono::steady_clock::now()) {
    FactoryReset();
    TakeSnapshot();
}

SimValue DeviceState::FactoryValue(const OidPath& oid, const Cell& cell) const {
    if (cell.Table < 0)
        return DefaultOf(*cell.Def, oid);
    const DeviceModel::Table& table = model_.Tables()[static_cast<size_t>(cell.Table)];
    return TableGenerators::Cell(*table.Shape, *cell.Def, static_cast<int>(oid.back()), identity_, seed_);
}

bool DeviceState::Persistent(const Cell& cell) const {
    if (cell.Def->Default == "{now}")
        return false;   // the device clock
    if (cell.Table >= 0)
        return !model_.Tables()[static_cast<size_t>(cell.Table)].Shape->Generated;
    return cell.Def->Writable;
}

SimValue DeviceState::DefaultOf(const VarDef& def, const OidPath& oid) const {
    std::string text = def.Default;
    if (text.find('{') != std::string::npos) {
        // ifPhysAddress.2 and the like: the second interface is the next MAC.
        int plus = (def.Syntax == SnmpSyntax::MacAddress && !oid.empty() && oid.back() == 2) ? 1 : 0;
        text = Replace(text, "{ip}", identity_.Address);
        text = Replace(text, "{mac}", identity_.MacText(plus));
        text = Replace(text, "{name}", identity_.SystemName);
        text = Replace(text, "{firmware}", identity_.Firmware);
        text = Replace(text, "{now}", clock_.Text());
        text = Replace(text, "{apmodes}", std::to_string(identity_.ApModes));
        text = Replace(text, "{modestring}", std::to_string(identity_.ModeStringChange));
    }
    SimValue value;
    if (!SimValue::FromText(def.Syntax, text, value))
        SimValue::FromText(def.Syntax, "", value);
    return value;
}

int DeviceState::RowsOf(const DeviceModel::Table& table) const {
    if (auto it = rows_.find(table.Shape->Name); it != rows_.end() && table.Shape->Generated)
        return it->second;
    if (table.Shape->Generated && table.Shape->Rows == 0)
        return clientCount_;
    return table.Shape->Rows;
}

void DeviceState::FactoryReset() {
    clock_.Reset();
    cells_.clear();
    for (const DeviceModel::Leaf& leaf : model_.Leaves())
        cells_[leaf.Oid] = Cell{leaf.Def, DefaultOf(*leaf.Def, leaf.Oid), -1};
    for (const DeviceModel::Table& table : model_.Tables())
        RebuildTable(table);
}

void DeviceState::RebuildTable(const DeviceModel::Table& table, int rows) {
    int tableIndex = static_cast<int>(&table - model_.Tables().data());
    for (auto it = cells_.lower_bound(table.Entry); it != cells_.end() && Oids::StartsWith(it->first, table.Entry);)
        it = it->second.Table == tableIndex ? cells_.erase(it) : std::next(it);
    ++seed_;
    int count = rows < 0 ? RowsOf(table) : rows;
    for (int n = 1; n <= count; ++n) {
        OidPath index = TableGenerators::RowIndex(*table.Shape, n);
        for (const DeviceModel::Column& column : table.Columns) {
            OidPath oid = Oids::Join(column.Base, index);
            if (cells_.count(oid))
                continue;   // an explicit leaf of the catalogue stays as it is
            cells_[oid] = Cell{column.Def, TableGenerators::Cell(*table.Shape, *column.Def, n, identity_, seed_), tableIndex};
        }
    }
}

void DeviceState::RebuildTable(const std::string& name, int rows) {
    if (const DeviceModel::Table* table = model_.TableNamed(name))
        RebuildTable(*table, rows);
}

DeviceState::Cell* DeviceState::Find(const OidPath& oid) {
    auto it = cells_.find(oid);
    return it == cells_.end() ? nullptr : &it->second;
}

const std::pair<const OidPath, DeviceState::Cell>* DeviceState::Next(const OidPath& oid) const {
    auto it = cells_.upper_bound(oid);
    return it == cells_.end() ? nullptr : &*it;
}

uint32_t DeviceState::UptimeTicks() const {
    auto elapsed = std::chrono::steady_clock::now() - bootTime_;
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count() / 10);
}

SimValue DeviceState::Read(const OidPath& oid, const Cell& cell) const {
    if (const OidPath* twin = model_.TwinOf(oid))
        if (auto it = cells_.find(*twin); it != cells_.end())
            return Read(*twin, it->second);
    if (IsUptime(*cell.Def))
        return SimValue::Integer(cell.Value.Syntax, UptimeTicks());
    if (cell.Def->Default == "{now}")
        return DefaultOf(*cell.Def, OidPath{});   // the clock runs on
    if (TrafficCounters::GroupOf(*cell.Def, oid) != TrafficCounters::Group::None)
        return SimValue::Integer(cell.Value.Syntax, counters_.Value(*cell.Def, oid));
    return cell.Value;
}

void DeviceState::Write(const OidPath& oid, const SimValue& value) {
    if (Cell* cell = Find(oid))
        cell->Value = value;
}

std::vector<DeviceState::Cell*> DeviceState::ColumnCells(const DeviceModel::Table& table, const std::string& columnName) {
    std::vector<Cell*> result;
    const DeviceModel::Column* column = table.ColumnNamed(columnName);
    if (!column)
        return result;
    // Rows are numbered from 1 without gaps; a catalogue leaf that stands
    // where a cell would be counts as that cell.
    for (int n = 1;; ++n) {
        Cell* cell = Find(Oids::Join(column->Base, TableGenerators::RowIndex(*table.Shape, n)));
        if (!cell)
            break;
        result.push_back(cell);
    }
    return result;
}

void DeviceState::EraseRow(const DeviceModel::Table& table, int rowNumber) {
    OidPath index = TableGenerators::RowIndex(*table.Shape, rowNumber);
    for (const DeviceModel::Column& column : table.Columns)
        cells_.erase(Oids::Join(column.Base, index));
}

SimValue DeviceState::FreshCell(const DeviceModel::Table& table, const VarDef& column, int rowNumber) const {
    return TableGenerators::Cell(*table.Shape, column, rowNumber, identity_, seed_);
}

DeviceState::Cell* DeviceState::Named(const std::string& name) {
    for (const OidPath& oid : model_.LeavesNamed(name))
        if (Cell* cell = Find(oid))
            return cell;
    return nullptr;
}

void DeviceState::TakeSnapshot() {
    snapshot_.clear();
    for (const auto& [oid, cell] : cells_)
        if (Persistent(cell))
            snapshot_[oid] = cell.Value;
}

void DeviceState::RestoreSnapshot() {
    for (const auto& [oid, value] : snapshot_)
        if (Cell* cell = Find(oid))
            cell->Value = value;
}

void DeviceState::Reboot() {
    bootTime_ = std::chrono::steady_clock::now();
    counters_.Restart();
    for (const DeviceModel::Table& table : model_.Tables())
        if (table.Shape->Generated)
            RebuildTable(table);
}

QJsonObject DeviceState::ToJson() const {
    QJsonObject values;
    for (const auto& [oid, cell] : cells_) {
        // Only what differs from the factory state is kept.
        if (!Persistent(cell) || cell.Value == FactoryValue(oid, cell))
            continue;
        values.insert(QString::fromStdString(Oids::Format(oid)),
                      QJsonArray{cell.Value.Syntax, QString::fromStdString(cell.Value.ToStored())});
    }
    return values;
}

void DeviceState::FromJson(const QJsonObject& object) {
    for (auto it = object.begin(); it != object.end(); ++it) {
        OidPath oid;
        if (!Oids::Parse(it.key().toStdString(), oid))
            continue;
        Cell* cell = Find(oid);
        QJsonArray pair = it.value().toArray();
        if (!cell || !Persistent(*cell) || pair.size() != 2 || pair[0].toInt() != cell->Value.Syntax)
            continue;
        SimValue value;
        if (SimValue::FromStored(cell->Value.Syntax, pair[1].toString().toStdString(), value))
            cell->Value = value;
    }
    TakeSnapshot();
}

void DeviceState::SetFirmware(const std::string& version) {
    identity_.Firmware = version;
    for (auto& [oid, cell] : cells_)
        if (cell.Def->Default.find("{firmware}") != std::string::npos)
            cell.Value = FactoryValue(oid, cell);
}
