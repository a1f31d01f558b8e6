// The descriptor tables of the configuration and status pages against the
// variable catalogue: every record must name a catalogued variable at one of
// its OIDs, with its syntax and one of its value maps.
#include "Catalogue.h"
#include "MibTableGroups.h"
#include "ValueMaps.h"
#include "snmp/SnmpSyntax.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace {

// Records whose OID a page gives differently from the catalogue; the page's OID
// is the one the device answers on. Nothing else may miss the catalogue.
struct OidException {
    const char* Table;
    const char* Name;
    const char* Oid;
};
const OidException kOidExceptions[] = {
    // The QoS page has nine rules; the catalogue lists the port column for rules 1 to 8 only.
    {"kQosPriorityRuleVars", "dot11QosAdvancedPriorityPort", "1.3.6.1.4.1.171.10.37.36.3.9.2.2.2.1.1.5.9"},
};

std::vector<std::string> Split(const std::string& text, char sep) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (true) {
        size_t at = text.find(sep, start);
        parts.push_back(text.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos)
            return parts;
        start = at + 1;
    }
}

// The OIDs that a catalogue pattern stands for: "a.b", "a.b.{1,2}" or "a.b.{1..8}".
std::set<std::string> ExpandPattern(const std::string& pattern) {
    size_t brace = pattern.find('{');
    if (brace == std::string::npos)
        return {pattern};
    std::string prefix = pattern.substr(0, brace);
    std::string inner = pattern.substr(brace + 1, pattern.size() - brace - 2);
    std::set<std::string> oids;
    size_t dots = inner.find("..");
    if (dots != std::string::npos) {
        int first = std::stoi(inner.substr(0, dots));
        int last = std::stoi(inner.substr(dots + 2));
        for (int n = first; n <= last; ++n)
            oids.insert(prefix + std::to_string(n));
    } else {
        for (const std::string& n : Split(inner, ','))
            oids.insert(prefix + n);
    }
    return oids;
}

bool MapAllowed(const CatalogueEntry& entry, const ValueMap* map) {
    if (entry.Maps[0] == '\0')
        return map == nullptr;
    for (const std::string& m : Split(entry.Maps, '/'))
        if (map != nullptr && MibMaps::ByNumber(std::stoi(m.substr(1))) == map)
            return true;
    return false;
}

const OidException* FindException(const char* table, const MibVariable& v) {
    for (const OidException& e : kOidExceptions)
        if (std::strcmp(e.Table, table) == 0 && std::strcmp(e.Name, v.Name) == 0 &&
            std::strcmp(e.Oid, v.Oid) == 0)
            return &e;
    return nullptr;
}

int RecordCount(const MibVariable* table) {
    int n = 0;
    while (table[n].Oid != nullptr)
        ++n;
    return n;
}

TEST(PageTables, RegistryIsWellFormed) {
    auto tables = MibTables::PageTables();
    ASSERT_GT(tables.size(), 100u);
    std::set<std::string> names;
    std::set<const MibVariable*> pointers;
    for (const MibTableInfo& info : tables) {
        SCOPED_TRACE(info.Name);
        ASSERT_NE(info.Table, nullptr);
        EXPECT_TRUE(names.insert(info.Name).second) << "name registered twice";
        EXPECT_TRUE(pointers.insert(info.Table).second) << "table registered twice";
        EXPECT_EQ(info.Name[0], 'k');
        int count = RecordCount(info.Table);
        EXPECT_GE(count, 1);
        EXPECT_LE(count, 36);
        EXPECT_TRUE(info.Kind == 0 || info.Kind == 1 || info.Kind == 2);
        if (info.Kind == 2) {
            EXPECT_GE(info.KeyCount, 1);
            EXPECT_LT(info.KeyCount, count);
        } else {
            EXPECT_EQ(info.KeyCount, 0);
        }
    }
}

TEST(PageTables, AreInTheWholeRegistry) {
    auto all = MibTables::All();
    for (const MibTableInfo& info : MibTables::PageTables()) {
        bool found = std::any_of(all.begin(), all.end(),
                                 [&](const MibTableInfo& other) { return other.Table == info.Table; });
        EXPECT_TRUE(found) << info.Name;
    }
}

TEST(PageTables, RecordsHoldOnlyTheStaticFields) {
    const std::set<int32_t> syntaxes = {SnmpSyntax::Integer, SnmpSyntax::DisplayString, SnmpSyntax::IpAddress,
                                        SnmpSyntax::MacAddress, SnmpSyntax::TimeTicks, SnmpSyntax::ObjectId,
                                        SnmpSyntax::UInteger};
    const std::set<int32_t> accesses = {SnmpAccess::NotAccess, SnmpAccess::ReadOnly, SnmpAccess::ReadWrite,
                                        SnmpAccess::Invalid};
    for (const MibTableInfo& info : MibTables::PageTables()) {
        for (const MibVariable* v = info.Table; v->Oid != nullptr; ++v) {
            SCOPED_TRACE(std::string(info.Name) + " " + v->Name);
            EXPECT_TRUE(syntaxes.count(v->Syntax));
            EXPECT_TRUE(accesses.count(v->Access));
            EXPECT_EQ(v->Text1, nullptr);
            EXPECT_EQ(v->Text2, nullptr);
            EXPECT_EQ(v->Text3, nullptr);
            EXPECT_EQ(v->Value, nullptr);
            EXPECT_EQ(v->AltValue, nullptr);
        }
    }
}

TEST(PageTables, KeyColumnsAreReadNotWritten) {
    for (const MibTableInfo& info : MibTables::PageTables()) {
        for (int k = 0; k < info.KeyCount; ++k) {
            SCOPED_TRACE(std::string(info.Name) + " " + info.Table[k].Name);
            EXPECT_NE(info.Table[k].Access, SnmpAccess::ReadWrite);
            EXPECT_EQ(info.Table[k].Syntax, SnmpSyntax::Integer);
        }
    }
}

TEST(PageTables, ColumnsOfOneWalkedTableShareTheirEntry) {
    // The columns of a table list are "<entry>.<column>": the same entry OID for all.
    for (const MibTableInfo& info : MibTables::PageTables()) {
        if (info.Kind != 2)
            continue;
        std::string entry = info.Table[0].Oid;
        entry = entry.substr(0, entry.rfind('.'));
        for (const MibVariable* v = info.Table; v->Oid != nullptr; ++v) {
            std::string oid = v->Oid;
            EXPECT_EQ(oid.substr(0, oid.rfind('.')), entry) << info.Name << " " << v->Name;
        }
    }
}

TEST(PageTables, EveryRecordAgreesWithTheCatalogue) {
    auto catalogue = Catalogue::All();
    ASSERT_GT(catalogue.size(), 600u);
    std::set<const OidException*> used;
    for (const MibTableInfo& info : MibTables::PageTables()) {
        for (const MibVariable* v = info.Table; v->Oid != nullptr; ++v) {
            SCOPED_TRACE(std::string(info.Name) + " " + v->Name + " " + v->Oid);
            bool sameName = false, exact = false, sameTypeElsewhere = false;
            for (const CatalogueEntry& entry : catalogue) {
                if (std::strcmp(entry.Name, v->Name) != 0)
                    continue;
                sameName = true;
                bool typeOk = entry.Syntax == v->Syntax && MapAllowed(entry, v->Map);
                if (ExpandPattern(entry.Oid).count(v->Oid))
                    exact = exact || typeOk;
                else
                    sameTypeElsewhere = sameTypeElsewhere || typeOk;
            }
            EXPECT_TRUE(sameName) << "name not catalogued";
            if (exact)
                continue;
            const OidException* exception = FindException(info.Name, *v);
            if (exception != nullptr) {
                used.insert(exception);
                EXPECT_TRUE(sameTypeElsewhere) << "listed OID exception with another syntax or map";
            } else {
                ADD_FAILURE() << "no catalogue entry with this OID, syntax and map";
            }
        }
    }
    EXPECT_EQ(used.size(), std::size(kOidExceptions)) << "an OID exception is no longer needed";
}

TEST(PageTables, CatalogueInstancePatternsExpand) {
    EXPECT_EQ(ExpandPattern("1.2.3"), (std::set<std::string>{"1.2.3"}));
    EXPECT_EQ(ExpandPattern("1.2.{1,2}"), (std::set<std::string>{"1.2.1", "1.2.2"}));
    EXPECT_EQ(ExpandPattern("1.2.{1..3}"), (std::set<std::string>{"1.2.1", "1.2.2", "1.2.3"}));
}

}  // namespace
