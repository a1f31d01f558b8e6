#include "MibObjectTree.h"
#include "mib/Catalogue.h"
#include "mib/MibTables.h"
#include "mib/OidMeanings.h"
#include "SmiNames.h"
#include "snmp/SnmpSyntax.h"
#include <algorithm>
#include <cctype>
#include <sstream>

namespace {
using Arcs = MibObjectTree::Arcs;

const std::string kRoot = std::string(Catalogue::EnterpriseRoot) + ".";

bool UnderRoot(const std::string& oid) {
    return oid.compare(0, kRoot.size(), kRoot) == 0;
}

Arcs ParseArcs(const std::string& below) {
    Arcs arcs;
    std::istringstream in(below);
    std::string part;
    while (std::getline(in, part, '.'))
        arcs.push_back(static_cast<uint32_t>(std::stoul(part)));
    return arcs;
}

std::string ArcsText(const Arcs& arcs) {
    std::string text;
    for (uint32_t arc : arcs) {
        if (!text.empty())
            text += '.';
        text += std::to_string(arc);
    }
    return text;
}

bool IsPrefix(const Arcs& prefix, const Arcs& arcs) {
    return prefix.size() < arcs.size() && std::equal(prefix.begin(), prefix.end(), arcs.begin());
}

// The concrete OIDs of a catalogue OID: a set "{1,2}" or a range "{1..8}" gives one each.
std::vector<std::string> Expand(const std::string& pattern) {
    const size_t open = pattern.find('{');
    const size_t close = pattern.find('}');
    if (open == std::string::npos || close == std::string::npos)
        return {pattern};
    const std::string head = pattern.substr(0, open);
    const std::string inner = pattern.substr(open + 1, close - open - 1);
    std::vector<std::string> result;
    const size_t range = inner.find("..");
    if (range != std::string::npos) {
        for (int i = std::stoi(inner.substr(0, range)); i <= std::stoi(inner.substr(range + 2)); ++i)
            result.push_back(head + std::to_string(i));
    } else {
        std::istringstream in(inner);
        std::string item;
        while (std::getline(in, item, ','))
            result.push_back(head + item);
    }
    return result;
}

std::set<int> MapNumbers(const std::string& maps) {
    std::set<int> numbers;
    std::istringstream in(maps);
    std::string item;
    while (std::getline(in, item, '/'))
        if (item.size() > 1)
            numbers.insert(std::stoi(item.substr(1)));
    return numbers;
}

std::string LowerFirst(std::string text) {
    if (!text.empty())
        text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    return text;
}

std::string UpperFirst(std::string text) {
    if (!text.empty())
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}
}  // namespace

MibObjectTree::MibObjectTree() {
    // Names of the standard modules that this one imports from, in any case.
    taken_ = {"org", "dod", "internet", "directory", "mgmt", "experimental", "private", "enterprises",
              "security", "snmpV2", "snmpDomains", "snmpProxys", "snmpModules", "transmission", "zeroDotZero",
              "displayString", "macAddress", "integer32", "ipAddress", "timeTicks", "unsigned32"};
    std::map<std::string, Usage> usage;
    for (const MibTableInfo& info : MibTables::All()) {
        for (const MibVariable* v = info.Table; v && v->Oid; ++v) {
            Usage& u = usage[v->Oid];
            u.CompleteOid = u.CompleteOid || info.Kind == 1;
            u.Written = u.Written || (v->Access & SnmpAccess::WriteOnly) != 0;
        }
    }
    Collect(usage);
    DropNested();
    NameObjects();
    FindTables();
}

// One object per OID without instance. A table that loads the OID with complete OIDs says
// that its last arc is the instance; otherwise ".0" and an instance set or range are.
void MibObjectTree::Collect(const std::map<std::string, Usage>& usage) {
    std::map<Arcs, size_t> byOid;
    for (const CatalogueEntry& entry : Catalogue::All()) {
        if (!UnderRoot(entry.Oid))
            continue;
        const std::string pattern = entry.Oid;
        const std::vector<std::string> oids = Expand(pattern);
        // A table that names one OID of a set or range tells how to read all of them.
        const Usage* sample = nullptr;
        for (const std::string& oid : oids)
            if (!sample && usage.count(oid))
                sample = &usage.at(oid);
        for (const std::string& oid : oids) {
            Arcs arcs = ParseArcs(oid.substr(kRoot.size()));
            const auto used = usage.find(oid);
            bool instance = false;
            if (sample)
                instance = sample->CompleteOid;
            else
                instance = arcs.back() == 0 || pattern.back() == '}';
            if (instance && arcs.size() > 1)
                arcs.pop_back();
            auto [it, added] = byOid.emplace(arcs, objects_.size());
            if (added) {
                Object object;
                object.Oid = arcs;
                objects_.push_back(object);
            }
            Object& object = objects_[it->second];
            const auto name = std::find(object.Names.begin(), object.Names.end(), entry.Name);
            const size_t n = static_cast<size_t>(name - object.Names.begin());
            if (name == object.Names.end()) {
                object.Names.push_back(entry.Name);
                object.NameSyntax.push_back(entry.Syntax);
                object.NameMaps.emplace_back();
            }
            for (int map : MapNumbers(entry.Maps))
                object.NameMaps[n].insert(map);
            if (used != usage.end()) {
                object.Used = true;
                object.Writable = object.Writable || used->second.Written;
            }
        }
    }
    std::sort(objects_.begin(), objects_.end(), [](const Object& a, const Object& b) { return a.Oid < b.Oid; });
}

// An OID below another object's OID is an instance of that object, not an object itself.
void MibObjectTree::DropNested() {
    std::vector<Object> kept;
    for (const Object& object : objects_) {
        const auto parent = std::find_if(kept.begin(), kept.end(),
                                         [&](const Object& k) { return IsPrefix(k.Oid, object.Oid); });
        if (parent == kept.end()) {
            kept.push_back(object);
            continue;
        }
        for (const std::string& name : object.Names)
            notes_.push_back("\"" + name + "\" (" + ArcsText(object.Oid) + ") lies below \"" + parent->Names[0] +
                             "\" (" + ArcsText(parent->Oid) + ") and is read as its instances.");
    }
    objects_ = std::move(kept);
}

// Where the catalogue gives an OID several meanings, the one that OidMeanings keeps names
// the object. Otherwise the first catalogue name that is a legal descriptor and still free
// names it; the other names of the OID are listed in its description.
void MibObjectTree::NameObjects() {
    std::set<std::string> kept;
    for (const OidMeaning& meaning : OidMeanings::All())
        kept.insert(meaning.Name);
    for (Object& object : objects_) {
        size_t source = 0;
        const std::string full = kRoot + ArcsText(object.Oid);
        const OidMeaning* meaning = OidMeanings::Of(full.c_str());
        const auto chosen = meaning && full == meaning->Oid
                                ? std::find(object.Names.begin(), object.Names.end(), meaning->Name)
                                : object.Names.end();
        if (chosen != object.Names.end()) {
            object.Descriptor = *chosen;
            object.Chosen = object.Names.size() > 1;
            source = static_cast<size_t>(chosen - object.Names.begin());
        }
        for (size_t i = 0; i < object.Names.size() && object.Descriptor.empty(); ++i) {
            if (SmiNames::IsDescriptor(object.Names[i]) && !Taken(object.Names[i]) && !kept.count(object.Names[i])) {
                object.Descriptor = object.Names[i];
                source = i;
            }
        }
        object.Syntax = object.NameSyntax[source];
        object.Maps = object.NameMaps[source];
        const bool derived = object.Descriptor.empty();
        if (derived) {
            object.Descriptor = Unique(SmiNames::Derive(object.Names[0]));
            notes_.push_back(object.Descriptor + " (" + ArcsText(object.Oid) + ") stands for \"" + object.Names[0] +
                             "\", which " +
                             (SmiNames::IsDescriptor(object.Names[0]) ? "names another object too."
                                                                       : "is not a legal descriptor."));
        }
        taken_.insert(object.Descriptor);
        for (const std::string& name : object.Names)
            if (!SmiNames::IsDescriptor(name) && !(derived && name == object.Names[0]))
                notes_.push_back("The label \"" + name + "\" is left out: " + object.Descriptor +
                                 " names its OID.");
    }
}

std::string MibObjectTree::Unique(const std::string& base) {
    std::string name = base;
    for (int n = 2; Taken(name); ++n)
        name = base + std::to_string(n);
    return name;
}

// A list of kind 2 or 3 walks a table: its columns share one row entry "table.1".
void MibObjectTree::FindTables() {
    std::map<Arcs, size_t> byOid;
    for (size_t i = 0; i < objects_.size(); ++i)
        byOid[objects_[i].Oid] = i;
    std::set<Arcs> entries;
    for (const MibTableInfo& info : MibTables::All()) {
        if (info.Kind < 2 || !info.Table || !info.Table->Oid || !UnderRoot(info.Table->Oid))
            continue;
        const Arcs first = ParseArcs(std::string(info.Table->Oid).substr(kRoot.size()));
        const Arcs entry(first.begin(), first.end() - 1);
        if (entry.size() < 2 || entry.back() != 1 || entries.count(entry))
            continue;
        const Arcs table(entry.begin(), entry.end() - 1);
        bool fits = true;
        std::vector<size_t> keys;
        int record = 0;
        for (const MibVariable* v = info.Table; v->Oid; ++v, ++record) {
            const Arcs arcs = UnderRoot(v->Oid) ? ParseArcs(std::string(v->Oid).substr(kRoot.size())) : Arcs{};
            const auto found = byOid.find(arcs);
            fits = fits && IsPrefix(entry, arcs) && arcs.size() == entry.size() + 1 && found != byOid.end();
            if (fits && record < info.KeyCount)
                keys.push_back(found->second);
        }
        for (const Object& object : objects_) {
            const bool onPath = object.Oid == table || object.Oid == entry || IsPrefix(object.Oid, table);
            const bool besideRow = IsPrefix(table, object.Oid) && !IsPrefix(entry, object.Oid);
            const bool belowColumn = IsPrefix(entry, object.Oid) && object.Oid.size() > entry.size() + 1;
            fits = fits && !onPath && !besideRow && !belowColumn;
        }
        if (!fits) {
            notes_.push_back(std::string(info.Name) + " walks " + ArcsText(entry) +
                             ", which does not form a table here; its columns stay plain objects.");
            continue;
        }
        Table shape;
        shape.Registry = info.Name;
        std::string base = info.Name;
        if (base.size() > 1 && base[0] == 'k')
            base = base.substr(1);
        if (base.size() > 4 && base.compare(base.size() - 4, 4, "Vars") == 0)
            base.resize(base.size() - 4);
        if (base.size() > 5 && base.compare(base.size() - 5, 5, "Table") == 0)
            base.resize(base.size() - 5);
        shape.TableName = Unique(LowerFirst(base) + "Table");
        taken_.insert(shape.TableName);
        shape.EntryName = Unique(LowerFirst(base) + "Entry");
        taken_.insert(shape.EntryName);
        shape.TypeName = UpperFirst(shape.EntryName);
        shape.EntryOid = entry;
        for (size_t i = 0; i < objects_.size(); ++i) {
            if (IsPrefix(entry, objects_[i].Oid)) {
                shape.Columns.push_back(i);
                objects_[i].Table = static_cast<int>(tables_.size());
            }
        }
        shape.Index = keys;
        if (shape.Index.empty()) {
            Arcs firstColumn = entry;
            firstColumn.push_back(1);
            const auto found = byOid.find(firstColumn);
            if (found != byOid.end() && objects_[found->second].Syntax == SnmpSyntax::Integer)
                shape.Index.push_back(found->second);
        }
        if (shape.Index.empty()) {
            for (size_t column : shape.Columns)
                if (shape.Index.empty() && objects_[column].Syntax == SnmpSyntax::Integer)
                    shape.Index.push_back(column);
        }
        if (shape.Index.empty())
            shape.Index.push_back(shape.Columns.front());
        entries.insert(entry);
        tables_.push_back(shape);
    }
}
