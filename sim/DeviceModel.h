#pragma once
#include "OidPath.h"
#include "TableGenerators.h"
#include "VarDef.h"
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

// The variable tree that every simulated device shares, built from the
// catalogue of src/mib, the registry of descriptor tables (which tells
// scalars read with ".0" from complete OIDs and table columns), the
// simulator's special defaults and its table shapes.
class DeviceModel {
public:
    struct Leaf {
        OidPath Oid;
        const VarDef* Def;
    };
    struct Column {
        OidPath Base;
        const VarDef* Def;
    };
    struct Table {
        const TableGenerators::Shape* Shape;
        OidPath Entry;
        std::vector<Column> Columns;
        const Column* ColumnNamed(const std::string& name) const;
    };

    static std::unique_ptr<DeviceModel> Build();

    const std::vector<Leaf>& Leaves() const { return leaves_; }
    const std::vector<Table>& Tables() const { return tables_; }
    const Table* TableNamed(const std::string& name) const;
    // The leaf that a request for oid means when oid is another spelling of
    // it (a scalar asked without ".0", or with ".0" where the leaf has none).
    const OidPath* AliasOf(const OidPath& oid) const;
    // The variable that a table cell stands for where the cell is another
    // variable under a second OID (row 1 of the Multi-SSID tables is the
    // primary SSID); reads and writes of the cell go to that variable.
    const OidPath* TwinOf(const OidPath& oid) const;
    // Every leaf OID that carries this catalogue name.
    std::vector<OidPath> LeavesNamed(const std::string& name) const;
    // The subtrees the agent serves.
    static const std::vector<OidPath>& Roots();

private:
    VarDef* DefFor(const std::string& key, const std::string& group, const std::string& name, int32_t syntax,
                   const std::string& maps);
    void PreferTemplateRecords();
    void KeepOneMeaning();

    std::deque<VarDef> defs_;
    std::map<std::string, VarDef*> defsByKey_;
    std::vector<Leaf> leaves_;
    std::vector<Table> tables_;
    std::map<OidPath, OidPath> aliases_;
    std::map<OidPath, OidPath> twins_;
    std::multimap<std::string, OidPath> leavesByName_;
};
