#include "DeviceModel.h"
#include "mib/Catalogue.h"
#include "mib/MibTables.h"
#include "mib/OidMeanings.h"
#include "VariableRules.h"
#include "mib/TemplateTables.h"
#include "mib/ValueMaps.h"
#include "snmp/MibVariable.h"
#include "snmp/SnmpSyntax.h"
#include <algorithm>
#include <cctype>
#include <set>
#include <sstream>

namespace {
enum class Shape { Leaf, Scalar, Column };

// Expands "a.b.{1,2}" and "a.b.{1..8}" into their OIDs; false when the OID
// has no instance pattern in braces.
bool ExpandBraces(const std::string& text, std::vector<OidPath>& out) {
    size_t open = text.find('{');
    if (open == std::string::npos || text.back() != '}')
        return false;
    OidPath base = Oids::MustParse(text.substr(0, open - 1));
    std::string inner = text.substr(open + 1, text.size() - open - 2);
    size_t range = inner.find("..");
    if (range != std::string::npos) {
        uint32_t from = static_cast<uint32_t>(std::stoul(inner.substr(0, range)));
        uint32_t to = static_cast<uint32_t>(std::stoul(inner.substr(range + 2)));
        for (uint32_t i = from; i <= to; ++i)
            out.push_back(Oids::Join(base, {i}));
        return true;
    }
    std::stringstream parts(inner);
    std::string part;
    while (std::getline(parts, part, ','))
        out.push_back(Oids::Join(base, {static_cast<uint32_t>(std::stoul(part))}));
    return true;
}

std::vector<int32_t> KeysOfMaps(const std::string& maps) {
    std::vector<int32_t> keys;
    std::stringstream parts(maps);
    std::string part;
    while (std::getline(parts, part, '/')) {
        if (part.size() < 2 || part[0] != 'M')
            continue;
        const ValueMap* map = MibMaps::ByNumber(std::stoi(part.substr(1)));
        if (!map || map->Kind() != ValueMap::NumberKey)
            continue;
        for (int i = 0; i < map->Count(); ++i)
            if (std::find(keys.begin(), keys.end(), map->GetPair(i).Key) == keys.end())
                keys.push_back(map->GetPair(i).Key);
    }
    return keys;
}
}  // namespace

const std::vector<OidPath>& DeviceModel::Roots() {
    static const std::vector<OidPath> roots = {Oids::MustParse("1.3.6.1.2.1"), Oids::MustParse(Catalogue::EnterpriseRoot)};
    return roots;
}

VarDef* DeviceModel::DefFor(const std::string& key, const std::string& group, const std::string& name, int32_t syntax,
                            const std::string& maps) {
    auto isLabel = [](const std::string& n) { return n.empty() || std::isupper(static_cast<unsigned char>(n[0])) || n.find(' ') != std::string::npos; };
    auto it = defsByKey_.find(key);
    if (it != defsByKey_.end()) {
        VarDef* def = it->second;
        if (!def->HasName(name))
            def->Names.push_back(name);
        const VariableRules::Special* newSpecial = VariableRules::Find(name);
        bool newWritable = !(newSpecial && newSpecial->ReadOnly) && !VariableRules::ReadOnlyGroup(group, name);
        bool preferNew = (isLabel(def->Name) && !isLabel(name)) || (!def->Writable && newWritable);
        if (preferNew && def->Syntax != syntax) {
            // Where two names disagree on the syntax, the device answers as the
            // MIB object rather than a display label, and as a setting rather
            // than a read-only list, so that writes of the setting succeed.
            const VariableRules::Special* special = VariableRules::Find(name);
            def->Name = name;
            def->Syntax = syntax;
            def->Writable = newWritable;
            def->AllowedKeys = KeysOfMaps(maps);
            def->Default = special && special->Default ? special->Default
                           : def->AllowedKeys.empty() ? std::string() : std::to_string(def->AllowedKeys.front());
            return def;
        }
        if (def->Syntax == syntax)
            for (int32_t k : KeysOfMaps(maps))
                if (!def->AllowedKeys.empty() && std::find(def->AllowedKeys.begin(), def->AllowedKeys.end(), k) == def->AllowedKeys.end())
                    def->AllowedKeys.push_back(k);
        return def;
    }
    VarDef& def = defs_.emplace_back();
    def.Name = name;
    def.Names = {name};
    def.Group = group;
    def.Syntax = syntax;
    def.AllowedKeys = KeysOfMaps(maps);
    const VariableRules::Special* special = VariableRules::Find(name);
    def.Writable = !(special && special->ReadOnly) && !VariableRules::ReadOnlyGroup(group, name);
    if (special && special->Default)
        def.Default = special->Default;
    else if (!def.AllowedKeys.empty())
        def.Default = std::to_string(def.AllowedKeys.front());
    defsByKey_[key] = &def;
    return &def;
}

std::unique_ptr<DeviceModel> DeviceModel::Build() {
    auto model = std::make_unique<DeviceModel>();
    const OidPath root = Oids::MustParse(Catalogue::EnterpriseRoot);

    // How the module's descriptor tables read each OID: kind 0 appends ".0",
    // kind 1 uses it as it is, kinds 2 and 3 walk it as a column.
    // An OID may be read in more than one way; kindsOf holds one bit per kind.
    std::map<std::string, int> kindsOf;
    for (const MibTableInfo& info : MibTables::All())
        for (const MibVariable* v = info.Table; v && v->Oid; ++v)
            kindsOf[v->Oid] |= 1 << std::min(info.Kind, 2);

    // Table entries of the simulator's shapes.
    std::vector<std::pair<const TableGenerators::Shape*, OidPath>> shapes;
    for (const auto& shape : TableGenerators::Shapes())
        shapes.emplace_back(&shape, Oids::Join(root, Oids::MustParse(shape.Entry)));
    auto shapeOfColumn = [&](const OidPath& oid) -> int {
        for (size_t i = 0; i < shapes.size(); ++i)
            if (Oids::StartsWith(oid, shapes[i].second) && oid.size() == shapes[i].second.size() + 1)
                return static_cast<int>(i);
        return -1;
    };
    // An OID deeper inside a table entry is a cell of that table. The catalogue
    // lists some such instances on their own; one stays a leaf only where it
    // is a row of a list table in the table's own index form. The others (a
    // second numbering of the site survey, a second index form of two
    // Multi-SSID columns) would add rows to the columns they fall in, so the
    // device does not serve them: a walk of a column lists the table's rows only.
    auto strayInTable = [&](const OidPath& oid) {
        for (const auto& [shape, entry] : shapes) {
            if (!Oids::StartsWith(oid, entry) || oid.size() < entry.size() + 2)
                continue;
            const size_t row = oid.size() - entry.size() - 1;
            bool cell = !shape->Generated && (shape->PrefixOne ? row == 2 && oid[entry.size() + 1] == 1 : row == 1);
            return !cell;
        }
        return false;
    };

    // First pass: the explicit instances, so that a bare OID with explicit
    // instances below it is known to be a parent and not a scalar.
    struct Pending {
        const CatalogueEntry* Entry;
        OidPath Oid;
    };
    std::vector<Pending> bare;
    std::set<OidPath> leafSet;
    auto addLeaf = [&](const OidPath& oid, VarDef* def, const std::string& name) {
        model->leavesByName_.emplace(name, oid);
        if (leafSet.insert(oid).second)
            model->leaves_.push_back({oid, def});
    };
    for (const CatalogueEntry& entry : Catalogue::All()) {
        std::string text = entry.Oid;
        std::vector<OidPath> expanded;
        if (ExpandBraces(text, expanded)) {
            for (const OidPath& oid : expanded) {
                if (strayInTable(oid))
                    continue;
                // Instances right below a table entry are that table's columns.
                int shapeIndex = shapeOfColumn(oid);
                if (shapeIndex >= 0 && oid.size() == shapes[static_cast<size_t>(shapeIndex)].second.size() + 1) {
                    bare.push_back({&entry, oid});
                    continue;
                }
                VarDef* def = model->DefFor(Oids::Format(oid), entry.Group, entry.Name, entry.Syntax, entry.Maps);
                addLeaf(oid, def, entry.Name);
            }
            continue;
        }
        OidPath oid = Oids::MustParse(text);
        if (strayInTable(oid))
            continue;
        if (text.size() > 2 && text.compare(text.size() - 2, 2, ".0") == 0) {
            VarDef* def = model->DefFor(text, entry.Group, entry.Name, entry.Syntax, entry.Maps);
            addLeaf(oid, def, entry.Name);
            continue;
        }
        bare.push_back({&entry, oid});
    }
    std::set<OidPath> explicitLeaves = leafSet;
    auto hasExplicitBelow = [&](const OidPath& oid) {
        auto it = explicitLeaves.upper_bound(oid);
        return it != explicitLeaves.end() && Oids::StartsWith(*it, oid);
    };

    // Second pass: bare OIDs become table columns, scalars (".0") or leaves.
    std::map<int, size_t> tableOfShape;
    for (const Pending& p : bare) {
        const CatalogueEntry& entry = *p.Entry;
        const OidPath& oid = p.Oid;
        std::string text = entry.Oid;
        auto known = kindsOf.find(text);
        int kinds = known == kindsOf.end() ? 0 : known->second;
        int shapeIndex = shapeOfColumn(oid);
        bool column = shapeIndex >= 0 && (kinds == 0 || (kinds & 4));
        if (column) {
            VarDef* def = model->DefFor("col:" + Oids::Format(oid), entry.Group, entry.Name, entry.Syntax, entry.Maps);
            if (shapes[static_cast<size_t>(shapeIndex)].first->Generated || shapes[static_cast<size_t>(shapeIndex)].first->Managed)
                def->Writable = false;
            auto [it, added] = tableOfShape.emplace(shapeIndex, model->tables_.size());
            if (added)
                model->tables_.push_back({shapes[static_cast<size_t>(shapeIndex)].first, shapes[static_cast<size_t>(shapeIndex)].second, {}});
            Table& table = model->tables_[it->second];
            bool present = std::any_of(table.Columns.begin(), table.Columns.end(), [&](const Column& c) { return c.Base == oid; });
            if (!present)
                table.Columns.push_back({oid, def});
            if (kinds & 3) {
                // Also read as a scalar (the admin page's two-address form
                // reads the range columns with ".0"): that is the first row,
                // reached by get and set, never by a walk.
                OidPath first = Oids::Join(oid, TableGenerators::RowIndex(*shapes[static_cast<size_t>(shapeIndex)].first, 1));
                model->aliases_.emplace(Oids::Join(oid, {0}), first);
                model->aliases_.emplace(oid, first);
            }
            continue;
        }
        if (hasExplicitBelow(oid)) {
            // A parent of explicit instances: a request for it means its first instance.
            auto it = explicitLeaves.upper_bound(oid);
            model->aliases_.emplace(oid, *it);
            model->aliases_.emplace(Oids::Join(oid, {0}), *it);
            model->leavesByName_.emplace(entry.Name, *it);
            continue;
        }
        bool scalar;
        if (kinds & 1)
            scalar = true;
        else if (kinds & 2)
            scalar = false;
        else  // not in any table yet: a trailing ".1" deep in the tree is an instance
            scalar = !(oid.back() == 1 && oid.size() > root.size() + 3);
        OidPath leaf = scalar ? Oids::Join(oid, {0}) : oid;
        VarDef* def = model->DefFor(Oids::Format(leaf), entry.Group, entry.Name, entry.Syntax, entry.Maps);
        addLeaf(leaf, def, entry.Name);
        if (scalar)
            model->aliases_.emplace(oid, leaf);
        else
            model->aliases_.emplace(Oids::Join(oid, {0}), leaf);
    }
    // Whatever a descriptor table reads as a scalar or complete OID and the
    // catalogue does not list (another instance of a listed column) is
    // served too, with the table's syntax.
    for (const MibTableInfo& info : MibTables::All()) {
        if (info.Kind > 1)
            continue;
        for (const MibVariable* v = info.Table; v && v->Oid; ++v) {
            OidPath oid;
            if (!Oids::Parse(v->Oid, oid))
                continue;
            if (info.Kind == 0)
                oid.push_back(0);
            if (leafSet.count(oid) || model->aliases_.count(oid))
                continue;
            VarDef* def = model->DefFor(Oids::Format(oid), "", v->Name ? v->Name : "", v->Syntax, "");
            if (v->Map && v->Map->Kind() == ValueMap::NumberKey && def->AllowedKeys.empty()) {
                for (int i = 0; i < v->Map->Count(); ++i)
                    def->AllowedKeys.push_back(v->Map->GetPair(i).Key);
                if (def->Default.empty())
                    def->Default = std::to_string(def->AllowedKeys.front());
            }
            addLeaf(oid, def, def->Name);
        }
    }
    model->PreferTemplateRecords();
    model->KeepOneMeaning();
    for (const auto& [cellText, variableText] : TableGenerators::PrimaryRowTwins()) {
        OidPath cell = Oids::Join(root, Oids::MustParse(cellText));
        OidPath variable = Oids::Join(root, Oids::MustParse(variableText));
        if (auto alias = model->aliases_.find(variable); alias != model->aliases_.end())
            variable = alias->second;   // e.g. the key type, read as the first key's type
        auto leaf = std::find_if(model->leaves_.begin(), model->leaves_.end(), [&](const Leaf& l) { return l.Oid == variable; });
        const Table* table = nullptr;
        for (const Table& t : model->tables_)
            if (Oids::StartsWith(cell, t.Entry))
                table = &t;
        const Column* column = nullptr;
        if (table)
            for (const Column& c : table->Columns)
                if (Oids::StartsWith(cell, c.Base) && cell.size() == c.Base.size() + 1)
                    column = &c;
        // Only where both exist with one syntax.
        if (leaf != model->leaves_.end() && column && column->Def->Syntax == leaf->Def->Syntax)
            model->twins_.emplace(cell, variable);
    }
    // An alias never hides a real leaf.
    for (auto it = model->aliases_.begin(); it != model->aliases_.end();)
        it = leafSet.count(it->first) ? model->aliases_.erase(it) : std::next(it);
    std::sort(model->leaves_.begin(), model->leaves_.end(), [](const Leaf& a, const Leaf& b) { return a.Oid < b.Oid; });
    return model;
}

const DeviceModel::Table* DeviceModel::TableNamed(const std::string& name) const {
    for (const Table& table : tables_)
        if (name == table.Shape->Name)
            return &table;
    return nullptr;
}

const DeviceModel::Column* DeviceModel::Table::ColumnNamed(const std::string& name) const {
    for (const Column& column : Columns)
        if (column.Def->HasName(name))
            return &column;
    return nullptr;
}

const OidPath* DeviceModel::AliasOf(const OidPath& oid) const {
    auto it = aliases_.find(oid);
    return it == aliases_.end() ? nullptr : &it->second;
}

const OidPath* DeviceModel::TwinOf(const OidPath& oid) const {
    auto it = twins_.find(oid);
    return it == twins_.end() ? nullptr : &it->second;
}

std::vector<OidPath> DeviceModel::LeavesNamed(const std::string& name) const {
    std::vector<OidPath> result;
    auto [from, to] = leavesByName_.equal_range(name);
    for (auto it = from; it != to; ++it)
        if (std::find(result.begin(), result.end(), it->second) == result.end())
            result.push_back(it->second);
    return result;
}

void DeviceModel::PreferTemplateRecords() {
    // The configuration export and template application read and write these
    // OIDs; where the catalogue also lists another name there (an older
    // numbering of the radio table), the device answers as these records.
    static const MibVariable* const kTables[] = {kTemplateSystemVars, kChannelListVars, kTemplateWirelessVars,
                                                 kTemplateSecurityVars, kMultiSsidStateVars, kApModeVars, kRadioBandVars,
                                                 kAutoChannelScanVars, kChannelWidthVars, kMacFilterModeVars,
                                                 kWepKeyEntryMethodVars};
    const OidPath root = Oids::MustParse(Catalogue::EnterpriseRoot);
    std::set<OidPath> done;   // where two records share an OID, the first wins
    for (const MibVariable* table : kTables)
        for (const MibVariable* v = table; v->Oid; ++v) {
            if (v->Access & SnmpAccess::Invalid)
                continue;
            OidPath oid;
            if (!Oids::Parse(v->Oid, oid) || !Oids::StartsWith(oid, root) || !done.insert(oid).second)
                continue;
            auto it = defsByKey_.find(Oids::Format(oid));
            if (it == defsByKey_.end())
                continue;
            VarDef* def = it->second;
            const std::string name = v->Name;
            if (def->Name == name && def->Syntax == v->Syntax)
                continue;
            def->Names.erase(std::remove(def->Names.begin(), def->Names.end(), name), def->Names.end());
            def->Names.insert(def->Names.begin(), name);
            def->Name = name;
            def->Syntax = v->Syntax;
            def->AllowedKeys.clear();
            if (v->Map && v->Map->Kind() == ValueMap::NumberKey)
                for (int i = 0; i < v->Map->Count(); ++i)
                    def->AllowedKeys.push_back(v->Map->GetPair(i).Key);
            const VariableRules::Special* special = VariableRules::Find(name);
            def->Writable = (v->Access & SnmpAccess::WriteOnly) ? true : !(special && special->ReadOnly);
            def->Default = special && special->Default ? special->Default
                           : def->AllowedKeys.empty() ? std::string() : std::to_string(def->AllowedKeys.front());
            // Named() finds this OID first for the preferred name.
            leavesByName_.emplace_hint(leavesByName_.lower_bound(name), name, oid);
        }
}

void DeviceModel::KeepOneMeaning() {
    // Where the catalogue gives an object several meanings, every instance of
    // it is the one variable that src/mib/OidMeanings keeps.
    for (const Leaf& leaf : leaves_) {
        const std::string oid = Oids::Format(leaf.Oid);
        const OidMeaning* meaning = OidMeanings::Of(oid.c_str());
        auto it = defsByKey_.find(oid);
        if (!meaning || it == defsByKey_.end())
            continue;
        VarDef* def = it->second;
        const std::string name = meaning->Name;
        def->Names.erase(std::remove(def->Names.begin(), def->Names.end(), name), def->Names.end());
        def->Names.insert(def->Names.begin(), name);
        def->Name = name;
        def->Syntax = meaning->Syntax;
        def->AllowedKeys = KeysOfMaps(meaning->Maps);
        const VariableRules::Special* special = VariableRules::Find(name);
        def->Writable = !(special && special->ReadOnly);
        def->Default = special && special->Default ? special->Default
                       : def->AllowedKeys.empty() ? std::string() : std::to_string(def->AllowedKeys.front());
        leavesByName_.emplace(name, leaf.Oid);
    }
}
