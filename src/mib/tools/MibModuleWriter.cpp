#include "MibModuleWriter.h"
#include "mib/Catalogue.h"
#include "SmiNames.h"
#include "mib/ValueMaps.h"
#include "snmp/SnmpSyntax.h"
#include <algorithm>
#include <map>
#include <set>

namespace {
using Arcs = MibObjectTree::Arcs;

const char* kModuleIdentity = "nxa7310MIB";

std::string Join(const Arcs& arcs, const std::string& separator) {
    std::string text;
    for (size_t i = 0; i < arcs.size(); ++i)
        text += (i ? separator : "") + std::to_string(arcs[i]);
    return text;
}

// Wraps a text into indented lines of at most about 76 characters.
std::string Wrap(const std::string& text, const std::string& indent) {
    std::string result;
    std::string line;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(' ', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string word = text.substr(start, end - start);
        if (!line.empty() && indent.size() + line.size() + 1 + word.size() > 76) {
            result += indent + line + "\n";
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
        start = end + 1;
    }
    if (!line.empty())
        result += indent + line + "\n";
    return result;
}

std::string Quoted(const std::string& text, const std::string& indent) {
    std::string wrapped = Wrap("\"" + text + "\"", indent);
    if (!wrapped.empty())
        wrapped.pop_back();
    return wrapped;
}

std::string Enumeration(int mapNumber) {
    const ValueMap* map = MibMaps::ByNumber(mapNumber);
    std::set<std::string> labels;
    std::string text = "INTEGER {";
    for (int i = 0; i < map->Count(); ++i) {
        const ValueMap::Pair& pair = map->GetPair(i);
        std::string label = SmiNames::Derive(pair.Text.toStdString());
        if (labels.count(label))
            label += "Key" + std::to_string(pair.Key);
        labels.insert(label);
        text += std::string(i ? "," : "") + "\n                    " + label + "(" + std::to_string(pair.Key) + ")";
    }
    return text + "\n                }";
}
}  // namespace

std::string MibModuleWriter::Name(const Arcs& arcs) const {
    if (arcs.empty())
        return kModuleIdentity;
    for (const auto& object : tree_.Objects())
        if (object.Oid == arcs)
            return object.Descriptor;
    for (const auto& table : tree_.Tables()) {
        if (table.EntryOid == arcs)
            return table.EntryName;
        if (Arcs(table.EntryOid.begin(), table.EntryOid.end() - 1) == arcs)
            return table.TableName;
    }
    return "nxaNode" + Join(arcs, "x");
}

std::string MibModuleWriter::Syntax(const MibObjectTree::Object& object, bool inSequence, bool isIndex) const {
    switch (object.Syntax) {
    case SnmpSyntax::Integer:
        if (object.Maps.size() == 1)
            return inSequence ? "INTEGER" : Enumeration(*object.Maps.begin());
        // A row index needs a range.
        return isIndex && !inSequence ? "Integer32 (0..2147483647)" : "Integer32";
    case SnmpSyntax::DisplayString: return "DisplayString";
    case SnmpSyntax::IpAddress: return "IpAddress";
    case SnmpSyntax::MacAddress: return "MacAddress";
    case SnmpSyntax::TimeTicks: return "TimeTicks";
    case SnmpSyntax::ObjectId: return "OBJECT IDENTIFIER";
    case SnmpSyntax::UInteger: return "Unsigned32";
    default: return "OCTET STRING";
    }
}

std::string MibModuleWriter::Description(const MibObjectTree::Object& object) const {
    std::string text = "Catalogue name";
    text += object.Names.size() > 1 ? "s: " : ": ";
    for (size_t i = 0; i < object.Names.size(); ++i)
        text += (i ? ", " : "") + object.Names[i];
    text += ".";
    if (!object.Maps.empty()) {
        text += object.Maps.size() > 1 ? " Value maps:" : " Value map:";
        for (int map : object.Maps)
            text += " M" + std::to_string(map);
        text += ".";
    }
    if (object.Chosen)
        text += " It is " + object.Descriptor + " only; the other names belong to an older numbering of the table or to a"
                " page that misplaced them (mib/README.md).";
    if (!object.Used)
        text += " No descriptor table of the module loads it.";
    return text;
}

std::string MibModuleWriter::ObjectType(const MibObjectTree::Object& object, bool isIndex) const {
    const std::string access = isIndex ? "not-accessible" : object.Writable ? "read-write" : "read-only";
    std::string text = object.Descriptor + " OBJECT-TYPE\n";
    text += "    SYNTAX      " + Syntax(object, false, isIndex) + "\n";
    text += "    MAX-ACCESS  " + access + "\n";
    text += "    STATUS      current\n";
    text += "    DESCRIPTION\n" + Quoted(Description(object), "        ") + "\n";
    const Arcs parent(object.Oid.begin(), object.Oid.end() - 1);
    text += "    ::= { " + Name(parent) + " " + std::to_string(object.Oid.back()) + " }\n\n";
    return text;
}

std::string MibModuleWriter::TableTypes(const MibObjectTree::Table& table) const {
    const Arcs tableOid(table.EntryOid.begin(), table.EntryOid.end() - 1);
    const Arcs parent(tableOid.begin(), tableOid.end() - 1);
    std::string text = table.TableName + " OBJECT-TYPE\n";
    text += "    SYNTAX      SEQUENCE OF " + table.TypeName + "\n";
    text += "    MAX-ACCESS  not-accessible\n";
    text += "    STATUS      current\n";
    text += "    DESCRIPTION\n" + Quoted("The table that " + table.Registry + " walks.", "        ") + "\n";
    text += "    ::= { " + Name(parent) + " " + std::to_string(tableOid.back()) + " }\n\n";
    text += table.EntryName + " OBJECT-TYPE\n";
    text += "    SYNTAX      " + table.TypeName + "\n";
    text += "    MAX-ACCESS  not-accessible\n";
    text += "    STATUS      current\n";
    text += "    DESCRIPTION\n" + Quoted("One row of " + table.TableName + ".", "        ") + "\n";
    text += "    INDEX       { ";
    for (size_t i = 0; i < table.Index.size(); ++i)
        text += (i ? ", " : "") + tree_.Objects()[table.Index[i]].Descriptor;
    text += " }\n";
    text += "    ::= { " + table.TableName + " 1 }\n\n";
    text += table.TypeName + " ::= SEQUENCE {\n";
    for (size_t i = 0; i < table.Columns.size(); ++i) {
        const auto& column = tree_.Objects()[table.Columns[i]];
        std::string name = "    " + column.Descriptor;
        name.resize(std::max<size_t>(name.size() + 1, 44), ' ');
        text += name + Syntax(column, true) + (i + 1 < table.Columns.size() ? ",\n" : "\n");
    }
    return text + "}\n\n";
}

std::string MibModuleWriter::Text() const {
    const auto& objects = tree_.Objects();
    // Everything to write, by OID: 0 node, 1 object, 2 table (with its entry and row type).
    std::map<Arcs, std::pair<int, size_t>> items;
    std::set<std::string> types;
    for (size_t i = 0; i < objects.size(); ++i) {
        items[objects[i].Oid] = {1, i};
        types.insert(Syntax(objects[i], true));
    }
    for (size_t i = 0; i < tree_.Tables().size(); ++i) {
        const Arcs& entry = tree_.Tables()[i].EntryOid;
        items[Arcs(entry.begin(), entry.end() - 1)] = {2, i};
    }
    std::map<Arcs, std::pair<int, size_t>> nodes;
    for (const auto& [oid, item] : items) {
        for (size_t length = 1; length < oid.size(); ++length) {
            const Arcs prefix(oid.begin(), oid.begin() + static_cast<long>(length));
            if (!items.count(prefix) && Name(prefix).rfind("nxaNode", 0) == 0)
                nodes[prefix] = {0, 0};
        }
    }
    items.insert(nodes.begin(), nodes.end());

    std::string text;
    text += "-- NXA7310-MIB: the private variables of the NXA-7310 access point under\n";
    text += "-- " + std::string(Catalogue::EnterpriseRoot) + ".\n";
    text += "--\n";
    text += "-- Generated by nxa-mibgen from the management module's descriptor tables and\n";
    text += "-- its catalogue of variables; regenerate it with that tool, do not edit it.\n";
    text += "-- One object stands at each OID that the catalogue names, without the\n";
    text += "-- instance part; where several names share an OID, the first legal descriptor\n";
    text += "-- names the object and the description lists the others. The tables are those\n";
    text += "-- that the module walks with get-next. The MIB-2 objects that the module also\n";
    text += "-- reads belong to their standard modules and are not repeated here.\n";
    if (!tree_.Notes().empty()) {
        text += "--\n";
        for (const std::string& note : tree_.Notes())
            text += Wrap(note, "--   ").replace(0, 4, "-- -");
    }
    text += "\nNXA7310-MIB DEFINITIONS ::= BEGIN\n\n";
    text += "IMPORTS\n    MODULE-IDENTITY, OBJECT-TYPE, enterprises";
    for (const char* type : {"Integer32", "IpAddress", "TimeTicks", "Unsigned32"})
        if (types.count(type))
            text += std::string(", ") + type;
    text += "\n        FROM SNMPv2-SMI";
    std::string tc;
    for (const char* type : {"DisplayString", "MacAddress"})
        if (types.count(type))
            tc += std::string(tc.empty() ? "" : ", ") + type;
    if (!tc.empty())
        text += "\n    " + tc + "\n        FROM SNMPv2-TC";
    text += ";\n\n";
    text += std::string(kModuleIdentity) + " MODULE-IDENTITY\n";
    text += "    LAST-UPDATED \"202612070000Z\"\n";
    text += "    ORGANIZATION \"NXA-7310 management module\"\n";
    text += "    CONTACT-INFO \"The maintainers of the NXA-7310 management module.\"\n";
    text += "    DESCRIPTION\n        \"The private variables of the NXA-7310 access point as the management\n";
    text += "        module reads and writes them.\"\n";
    text += "    REVISION     \"202612070000Z\"\n";
    text += "    DESCRIPTION\n        \"First version, generated from the descriptor tables.\"\n";
    text += "    ::= { enterprises " + Join(MibObjectTree::Arcs{171, 10, 37, 36}, " ") + " }\n\n";

    for (const auto& [oid, item] : items) {
        if (item.first == 0) {
            const Arcs parent(oid.begin(), oid.end() - 1);
            text += Name(oid) + " OBJECT IDENTIFIER ::= { " + Name(parent) + " " + std::to_string(oid.back()) +
                    " }\n\n";
        } else if (item.first == 2) {
            text += TableTypes(tree_.Tables()[item.second]);
        } else {
            const auto& object = objects[item.second];
            bool isIndex = false;
            if (object.Table >= 0) {
                const auto& index = tree_.Tables()[static_cast<size_t>(object.Table)].Index;
                isIndex = std::find(index.begin(), index.end(), item.second) != index.end();
            }
            text += ObjectType(object, isIndex);
        }
    }
    return text + "END\n";
}
