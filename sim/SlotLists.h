#pragma once
#include "DeviceState.h"
#include <map>
#include <string>

// The lists that a device fills through an action variable: the page sets
// the entry's fields (scalars) and, in the same or a later set, the action
// variable to "add" (the entry is added, or updated when its key is listed)
// or "delete" (the entry with that key is removed). Each list has a fixed
// number of slots; a slot is free while every cell holds a fresh row's value.
// Traffic-manager rules (key: rule name), schedules (key: SSID index),
// internal RADIUS users (key: user name).
class SlotLists {
public:
    struct Field {
        const char* Variable;   // the scalar the page sets
        const char* Column;     // the list column that keeps it
    };
    struct List {
        const char* Table;
        Field Key;
        std::vector<Field> Fields;
        int AddValue;
        // Columns the device fills from the fields (the schedule's day and time texts).
        void (*Derive)(DeviceState& state, int row);
    };
    using Pending = std::map<OidPath, SimValue>;   // values of the set in hand, not yet written

    // The list whose action variable def is, or nullptr.
    static const List* ForAction(const VarDef& def);
    // An add to a list whose slots are all taken is refused (resourceUnavailable);
    // an SnmpErrors code.
    static int Check(DeviceState& state, const List& list, int64_t action, const Pending& pending);
    // Carries out the action; a line for the log.
    static std::string Apply(DeviceState& state, const List& list, int64_t action);

    // A field's value as the set in hand brings it, or as the device holds it.
    static const SimValue* ValueOf(DeviceState& state, const char* variable, const Pending& pending);

private:
    static int RowOf(DeviceState& state, const List& list, const std::string& key);
    static int FreeRow(DeviceState& state, const List& list);
    static bool IsFree(DeviceState& state, const DeviceModel::Table& table, int row);
};
