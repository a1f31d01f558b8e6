#pragma once
#include "DeviceIdentity.h"
#include "OidPath.h"
#include "SimValue.h"
#include "VarDef.h"
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// The tables of the device: where each lives, how many rows a fresh device
// has, and the rows that a refresh command builds. Generated tables (clients,
// WDS links, site surveys, rogue APs, DHCP leases, port list, AP array, clone
// list) are rebuilt with fresh rows by their refresh variable; list tables
// (MAC access control, remote APs, rules, schedules, ...) have a fixed number
// of slots whose unused entries hold empty values.
namespace TableGenerators {
struct Shape {
    const char* Name;
    const char* Entry;        // relative to the enterprise root
    bool Generated;           // rows made by a refresh command
    int Rows;                 // rows of a fresh device (generated: 0 = the --clients count)
    bool PrefixOne;           // rows are indexed (1, n) instead of (n)
    bool Managed;             // rows change only through the device's add/delete variables
};

const std::vector<Shape>& Shapes();
// A generated table by its name or a short name of --rows (survey, wdsSurvey,
// wds, clients, leases, staticLeases, rogue, arrayScan, members, clone,
// ports), or nullptr.
const Shape* GeneratedNamed(const std::string& name);

// The value of one cell of a row. rowNumber counts from 1; seed varies with
// each refresh so that rows change between refreshes.
SimValue Cell(const Shape& shape, const VarDef& column, int rowNumber, const DeviceIdentity& id, uint32_t seed);

// The instance suffix of row n of a table.
OidPath RowIndex(const Shape& shape, int rowNumber);

// Cells that are another variable under a second OID, {cell, variable},
// both relative to the enterprise root: row 1 of the Multi-SSID tables.
const std::vector<std::pair<const char*, const char*>>& PrimaryRowTwins();
}  // namespace TableGenerators
