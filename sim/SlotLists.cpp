#include "SlotLists.h"
#include "SnmpErrors.h"
#include "snmp/SnmpSyntax.h"

namespace {
void SetColumn(DeviceState& state, const DeviceModel::Table& table, const char* column, int row, const SimValue& value) {
    std::vector<DeviceState::Cell*> cells = state.ColumnCells(table, column);
    if (row < 1 || static_cast<size_t>(row) > cells.size())
        return;
    SimValue& target = cells[static_cast<size_t>(row - 1)]->Value;
    if (target.Syntax == value.Syntax)
        target = value;
    else if (Syntaxes::IsOctets(target.Syntax) && target.Syntax != SnmpSyntax::MacAddress && target.Syntax != SnmpSyntax::IpAddress)
        target.Bytes = value.ToText();   // a number kept as text
    else if (Syntaxes::IsNumber(target.Syntax) && Syntaxes::IsNumber(value.Syntax))
        target.Number = value.Number;
}

std::string Text(DeviceState& state, const char* variable) {
    const SimValue* value = SlotLists::ValueOf(state, variable, {});
    return value ? value->ToText() : std::string();
}

// The schedule list shows the day mask as its number, the time frame as
// "All Day(s)" or "start-end", the SSID by its text and the wireless state.
void DeriveSchedule(DeviceState& state, int row) {
    const DeviceModel::Table* table = state.Model().TableNamed("scheduleList");
    if (!table)
        return;
    auto text = [](int32_t syntax, const std::string& t) { return SimValue::Octets(syntax, t); };
    SetColumn(state, *table, "dot11ScheduleListDays", row, text(SnmpSyntax::DisplayString, Text(state, "dot11ScheduleDaysSelect")));
    bool allDay = Text(state, "dot11ScheduleAllDaySelect") == "1";
    std::string frame = allDay ? "All Day(s)" : Text(state, "dot11ScheduleRuleStartTime") + "-" + Text(state, "dot11ScheduleRuleEndTime");
    SetColumn(state, *table, "dot11ScheduleListTimeFrame", row, text(SnmpSyntax::DisplayString, frame));
    SetColumn(state, *table, "dot11ScheduleListWirelessStatus", row, SimValue::Integer(SnmpSyntax::Integer, 1));
    // The SSID of that index in the SSID table (index 1: the primary SSID).
    std::string ssid;
    if (const DeviceModel::Table* ssids = state.Model().TableNamed("mssid"))
        if (const DeviceModel::Column* column = ssids->ColumnNamed("dot11MssidSsid"))
            if (const SimValue* index = SlotLists::ValueOf(state, "dot11ScheduleSSIDIndex", {}); index && index->Number > 0) {
                OidPath oid = Oids::Join(column->Base, {static_cast<uint32_t>(index->Number)});
                if (const DeviceState::Cell* cell = state.Find(oid))
                    ssid = state.Read(oid, *cell).ToText();
            }
    SetColumn(state, *table, "dot11ScheduleListSSID", row, text(SnmpSyntax::DisplayString, ssid));
}

const std::map<std::string, SlotLists::List>& Lists() {
    static const std::map<std::string, SlotLists::List> lists = {
        {"dot11RuleAction",
         {"trafficRules", {"dot11RuleName", "dot11RuleListName"},
          {{"dot11ClientIP", "dot11RuleListClientIP"}, {"dot11ClientMac", "dot11RuleListClientMac"},
           {"dot11ClientDownSpeed", "dot11RuleListClientDownSpeed"}, {"dot11ClientUpSpeed", "dot11RuleListClientUpSpeed"}},
          1, nullptr}},
        {"dot11ScheduleAction",
         {"scheduleList", {"dot11ScheduleSSIDIndex", "dot11ScheduleListSSIDIndex"},
          {{"dot11ScheduleRuleName", "dot11ScheduleListName"}, {"dot11ScheduleNodeStatus", "dot11ScheduleListNodeStatus"}},
          1, DeriveSchedule}},
        {"dot11LocalRadiusAction",
         {"localRadiusUsers", {"dot11LocalRadiusUserName", "dot11LocalRadiusnInfoName"},
          {{"dot11LocalRadiusNodeStatus", "dot11LocalRadiusInfoNodeStatus"}},
          1, nullptr}},
    };
    return lists;
}
}  // namespace

const SlotLists::List* SlotLists::ForAction(const VarDef& def) {
    for (const std::string& name : def.Names)
        if (auto it = Lists().find(name); it != Lists().end())
            return &it->second;
    return nullptr;
}

const SimValue* SlotLists::ValueOf(DeviceState& state, const char* variable, const Pending& pending) {
    const std::vector<OidPath> oids = state.Model().LeavesNamed(variable);
    for (const OidPath& oid : oids)
        if (auto it = pending.find(oid); it != pending.end())
            return &it->second;
    for (const OidPath& oid : oids)
        if (const DeviceState::Cell* cell = state.Find(oid))
            return &cell->Value;
    return nullptr;
}

bool SlotLists::IsFree(DeviceState& state, const DeviceModel::Table& table, int row) {
    for (const DeviceModel::Column& column : table.Columns) {
        const DeviceState::Cell* cell = state.Find(Oids::Join(column.Base, TableGenerators::RowIndex(*table.Shape, row)));
        if (cell && !(cell->Value == state.FreshCell(table, *column.Def, row)))
            return false;
    }
    return true;
}

int SlotLists::RowOf(DeviceState& state, const List& list, const std::string& key) {
    const DeviceModel::Table* table = state.Model().TableNamed(list.Table);
    if (!table)
        return 0;
    std::vector<DeviceState::Cell*> keys = state.ColumnCells(*table, list.Key.Column);
    for (size_t i = 0; i < keys.size(); ++i)
        if (keys[i]->Value.ToText() == key && !IsFree(state, *table, static_cast<int>(i + 1)))
            return static_cast<int>(i + 1);
    return 0;
}

int SlotLists::FreeRow(DeviceState& state, const List& list) {
    const DeviceModel::Table* table = state.Model().TableNamed(list.Table);
    if (!table)
        return 0;
    const size_t rows = state.ColumnCells(*table, list.Key.Column).size();
    for (size_t i = 0; i < rows; ++i)
        if (IsFree(state, *table, static_cast<int>(i + 1)))
            return static_cast<int>(i + 1);
    return 0;
}

int SlotLists::Check(DeviceState& state, const List& list, int64_t action, const Pending& pending) {
    if (action != list.AddValue)
        return SnmpErrors::NoError;
    const SimValue* key = ValueOf(state, list.Key.Variable, pending);
    if (!key)
        return SnmpErrors::GenErr;
    if (RowOf(state, list, key->ToText()) || FreeRow(state, list))
        return SnmpErrors::NoError;
    return SnmpErrors::ResourceUnavailable;   // every slot is taken
}

std::string SlotLists::Apply(DeviceState& state, const List& list, int64_t action) {
    const DeviceModel::Table* table = state.Model().TableNamed(list.Table);
    const SimValue* keyValue = ValueOf(state, list.Key.Variable, {});
    if (!table || !keyValue)
        return {};
    const std::string key = keyValue->ToText();
    int row = RowOf(state, list, key);
    if (action == list.AddValue) {
        if (!row)
            row = FreeRow(state, list);
        if (!row)
            return std::string("list full: ") + list.Table;
        SetColumn(state, *table, list.Key.Column, row, *keyValue);
        for (const Field& field : list.Fields)
            if (const SimValue* value = ValueOf(state, field.Variable, {}))
                SetColumn(state, *table, field.Column, row, *value);
        if (list.Derive)
            list.Derive(state, row);
        return "added " + key + " to " + list.Table;
    }
    if (!row)
        return {};
    for (const DeviceModel::Column& column : table->Columns)
        if (DeviceState::Cell* cell = state.Find(Oids::Join(column.Base, TableGenerators::RowIndex(*table->Shape, row))))
            cell->Value = state.FreshCell(*table, *column.Def, row);
    return "deleted " + key + " from " + list.Table;
}
