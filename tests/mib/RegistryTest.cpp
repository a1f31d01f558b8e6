#include "mib/Catalogue.h"
#include "mib/MibTables.h"
#include "OidPattern.h"
#include "mib/ValueMaps.h"
#include "snmp/SnmpSyntax.h"
#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <string>

namespace {
// Records in one table at most; a table that runs longer has lost its end record.
constexpr int kMaxRecords = 64;

int MapNumber(const ValueMap* map) {
    for (int n = 1; n <= 96; ++n)
        if (MibMaps::ByNumber(n) == map)
            return n;
    return -1;
}

std::set<int> CatalogueMaps(const CatalogueEntry& entry) {
    std::set<int> numbers;
    std::istringstream in(entry.Maps);
    std::string item;
    while (std::getline(in, item, '/'))
        if (item.size() > 1 && item[0] == 'M')
            numbers.insert(std::stoi(item.substr(1)));
    return numbers;
}

// Why the record matches no catalogue entry, or "" when one entry matches it wholly.
std::string CatalogueMismatch(const MibVariable& record) {
    std::string why = "no catalogue entry named \"" + std::string(record.Name) + "\"";
    for (const CatalogueEntry& entry : Catalogue::All()) {
        if (std::string(entry.Name) != record.Name)
            continue;
        bool oidMatches = false;
        for (const std::string& oid : ExpandOidPattern(entry.Oid))
            oidMatches = oidMatches || oid == record.Oid;
        if (!oidMatches) {
            why = "OID " + std::string(record.Oid) + " not among the catalogue's OIDs of the name";
            continue;
        }
        if (entry.Syntax != record.Syntax) {
            why = "syntax " + std::to_string(record.Syntax) + ", catalogue " + std::to_string(entry.Syntax);
            continue;
        }
        const std::set<int> maps = CatalogueMaps(entry);
        if (record.Map == nullptr ? !maps.empty() : maps.count(MapNumber(record.Map)) == 0) {
            why = "map M" + std::to_string(record.Map ? MapNumber(record.Map) : 0) + ", catalogue \"" +
                  entry.Maps + "\"";
            continue;
        }
        return "";
    }
    return why;
}

// Records where a page and the catalogue disagree, each with the reason it is kept. The
// QoS page has nine priority rules, each with a port; the catalogue lists ports for eight.
// The wireless and performance pages bind their rate list by the name dot11DataRateList,
// which the catalogue puts at ...1.1.1.30.1 and ...31.1: those OIDs are the integers
// dot11Multioverwdsconsistent and dot11AckTimeout, so the pages read the rate list where it is,
// ...35.1 (dot11RateList; src/mib/OidMeanings, mib/README.md).
struct KnownDeviation {
    const char* Name;
    const char* Oid;
};
const KnownDeviation kKnownDeviations[] = {
    {"dot11QosAdvancedPriorityPort", "1.3.6.1.4.1.171.10.37.36.3.9.2.2.2.1.1.5.9"},
    {"dot11DataRateList", "1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.35.1"},
};

const KnownDeviation* KnownDeviationOf(const MibVariable& record) {
    for (const KnownDeviation& d : kKnownDeviations)
        if (std::string(d.Name) == record.Name && std::string(d.Oid) == record.Oid)
            return &d;
    return nullptr;
}

int RecordCount(const MibVariable* table) {
    int count = 0;
    while (count <= kMaxRecords && table[count].Oid != nullptr)
        ++count;
    return count;
}
}  // namespace

TEST(MibRegistry, TablesAreNamedOnceAndWellFormed) {
    std::set<std::string> names;
    ASSERT_FALSE(MibTables::All().empty());
    for (const MibTableInfo& info : MibTables::All()) {
        ASSERT_NE(info.Name, nullptr);
        SCOPED_TRACE(info.Name);
        EXPECT_TRUE(names.insert(info.Name).second) << "registered twice";
        ASSERT_NE(info.Table, nullptr);
        const int count = RecordCount(info.Table);
        ASSERT_GE(count, 1);
        ASSERT_LE(count, kMaxRecords) << "no end record";
        const MibVariable& end = info.Table[count];
        EXPECT_EQ(end.Name, nullptr);
        EXPECT_EQ(end.Map, nullptr);
        EXPECT_EQ(end.Syntax, 0);
        EXPECT_EQ(end.Access, 0);
        EXPECT_GE(info.Kind, 0);
        EXPECT_LE(info.Kind, 3);
        EXPECT_GE(info.KeyCount, 0);
        if (info.Kind >= 2) {
            EXPECT_LE(info.KeyCount, count);
        } else {
            EXPECT_EQ(info.KeyCount, 0);
        }
    }
}

TEST(MibRegistry, EveryRecordAgreesWithTheCatalogue) {
    const std::set<int> accessWords = {SnmpAccess::NotAccess, SnmpAccess::ReadOnly, SnmpAccess::ReadWrite,
                                       SnmpAccess::Invalid};
    int records = 0;
    std::set<const KnownDeviation*> deviations;   // one deviation may be in several tables
    for (const MibTableInfo& info : MibTables::All()) {
        for (int i = 0; i < RecordCount(info.Table) && i <= kMaxRecords; ++i) {
            const MibVariable& record = info.Table[i];
            SCOPED_TRACE(std::string(info.Name) + " record " + std::to_string(i + 1));
            ASSERT_NE(record.Name, nullptr);
            EXPECT_TRUE(SnmpSyntax::IsKnown(record.Syntax));
            EXPECT_EQ(accessWords.count(record.Access), 1u) << record.Access;
            EXPECT_EQ(record.Text1, nullptr);
            EXPECT_EQ(record.Text2, nullptr);
            EXPECT_EQ(record.Text3, nullptr);
            EXPECT_EQ(record.Value, nullptr);
            EXPECT_EQ(record.AltValue, nullptr);
            if (record.Map) {
                EXPECT_GT(MapNumber(record.Map), 0) << "map is not a global map";
            }
            if (const KnownDeviation* deviation = KnownDeviationOf(record)) {
                EXPECT_NE(CatalogueMismatch(record), "") << "no longer a deviation: drop it from the list";
                deviations.insert(deviation);
            } else {
                EXPECT_EQ(CatalogueMismatch(record), "") << record.Name << " " << record.Oid;
            }
            ++records;
        }
    }
    EXPECT_GT(records, 0);
    EXPECT_EQ(deviations.size(), std::size(kKnownDeviations)) << "a listed deviation is no longer needed";
}

TEST(MibRegistry, ScalarListsCarryNoInstance) {
    // The engine appends ".0" to the OIDs of a kind 0 list.
    for (const MibTableInfo& info : MibTables::All()) {
        if (info.Kind != 0)
            continue;
        for (int i = 0; i < RecordCount(info.Table) && i <= kMaxRecords; ++i) {
            const std::string oid = info.Table[i].Oid;
            EXPECT_FALSE(oid.size() > 2 && oid.compare(oid.size() - 2, 2, ".0") == 0)
                << info.Name << " " << oid;
        }
    }
}

TEST(MibOidPattern, SetsAndRangesExpand) {
    EXPECT_EQ(ExpandOidPattern("1.2.3"), std::vector<std::string>({"1.2.3"}));
    EXPECT_EQ(ExpandOidPattern("1.2.{1,2}"), std::vector<std::string>({"1.2.1", "1.2.2"}));
    EXPECT_EQ(ExpandOidPattern("1.{2..4}"), std::vector<std::string>({"1.2", "1.3", "1.4"}));
    EXPECT_EQ(ExpandOidPattern("1.{2,11}.5").size(), 2u);
    EXPECT_EQ(ExpandOidPattern("1.{2,11}.5")[1], "1.11.5");
}
