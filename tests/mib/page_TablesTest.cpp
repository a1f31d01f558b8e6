// The descriptor tables of the configuration and status pages against the
// variable catalogue: every record must name a catalogued variable at one of
// its OIDs, with its syntax and one of its value maps.
#include "mib/Catalogue.h"
#include "mib/MibTableGroups.h"
#include "OidPattern.h"
#include "mib/ValueMaps.h"
#include "snmp/MibVariableList.h"
#include "snmp/SnmpSyntax.h"
#include "snmp/ValueMap.h"

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
    // The pages read their rate list by the name dot11DataRateList, which the catalogue puts at
    // ...1.1.1.30.1 and ...31.1; those OIDs are the integers dot11Multioverwdsconsistent and
    // dot11AckTimeout (src/mib/OidMeanings, mib/README.md). The rate list is ...35.1 (dot11RateList).
    {"kWirelessModeVars", "dot11DataRateList", "1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.35.1"},
    {"kPerformanceDataRateListVars", "dot11DataRateList", "1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.35.1"},
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
                std::vector<std::string> oids = ExpandOidPattern(entry.Oid);
                if (std::find(oids.begin(), oids.end(), v->Oid) != oids.end())
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

TEST(PageTables, NamesAreUniqueInTheWholeRegistry) {
    auto all = MibTables::All();
    for (const MibTableInfo& info : MibTables::PageTables()) {
        auto same = std::count_if(all.begin(), all.end(), [&](const MibTableInfo& other) {
            return std::strcmp(other.Name, info.Name) == 0;
        });
        EXPECT_EQ(same, 1) << info.Name;
    }
}

TEST(PageTables, EachTableAsksForAnOidOnce) {
    // The performance page holds its two wireless-mode variables (one per band,
    // each with its own map) at one OID and sends only the one of the chosen band.
    for (const MibTableInfo& info : MibTables::PageTables()) {
        std::set<std::string> oids;
        for (const MibVariable* v = info.Table; v->Oid != nullptr; ++v) {
            if (std::strcmp(v->Name, "dot11WifiModeG") == 0)
                continue;
            EXPECT_TRUE(oids.insert(v->Oid).second) << info.Name << " " << v->Name;
        }
    }
}

TEST(PageTables, LoadIntoVariableLists) {
    for (const MibTableInfo& info : MibTables::PageTables()) {
        SCOPED_TRACE(info.Name);
        MibVariableList list(info.Table, info.Kind, info.KeyCount);
        ASSERT_EQ(list.Count(), RecordCount(info.Table));
        EXPECT_EQ(list.Kind, info.Kind);
        EXPECT_EQ(list.KeyCount, info.KeyCount);
        for (int n = 0; n < list.Count(); ++n) {
            const MibVariable& v = info.Table[n];
            const MibVariableEntry& e = list.Entry(n);
            EXPECT_EQ(e.Oid, QString::fromLatin1(v.Oid));
            EXPECT_EQ(e.Map, v.Map);
            EXPECT_TRUE(e.Value.isEmpty());
            // Settings and status values are requested; left-out and shown-only ones are not.
            bool requested = v.Access == SnmpAccess::ReadWrite || v.Access == SnmpAccess::ReadOnly;
            EXPECT_EQ(list.IsRequested(n), requested) << v.Name;
            if (n < info.KeyCount) {
                EXPECT_TRUE(list.IsWritten(n)) << "key entries build the row instance";
            }
            if (v.Map != nullptr) {
                EXPECT_GT(v.Map->Count(), 0) << v.Name;
            }
        }
    }
}

// Where the catalogue gives a variable several maps, the page's own value texts
// decide which one its table points at.
struct MapChoice {
    const char* Table;
    const char* Name;
    const char* Value;
    const char* Text;
};
const MapChoice kMapChoices[] = {
    {"kWirelessBasicVars", "dot11ApMode", "5", "Universal Repeater"},
    {"kInfoSummaryVars", "dot11ApMode", "5", "Universal Repeater"},
    {"kScheduleApModeVars", "dot11ApMode", "2", "WDS With Ap"},
    {"kApArrayApModeVars", "dot11ApMode", "4", "Wireless Client"},
    {"kTrafficApModeVars", "dot11ApMode", "4", "Wireless Client"},
    {"kWirelessSecurityVars", "dot11Authentication", "3", "Open System / Shared Key"},
    {"kWirelessSecurityVars", "dot11Authentication", "10", "802.1x"},
    {"kMssidSsidTableVars", "dot11MssidAuthentication", "10", "802.1x"},
    {"kWirelessSecurityVars", "dot11Encryption", "1", "Enable"},
    {"kDeviceInfoWirelessVars", "dot11Encryption", "1", "Enabled"},
    {"kPerformanceSecurityVars", "dot11Encryption", "0", "Disable"},
    {"kWirelessSecurityVars", "dot11CipherType", "1", "Auto"},
    {"kPerformanceSecurityVars", "dot11CipherType", "1", "auto"},
    {"kPerformanceVars", "dot11TransmitPower", "4", "12.5 %"},
    {"kPerformanceVars", "dot11WifiModeA", "6", "Mixed 802.11n,802.11g and 802.11b"},
    {"kPerformanceVars", "dot11WifiModeG", "7", "802.11a only"},
    {"kClientInfoTableVars", "dot11ClientBand", "3", "N"},
    {"kClientInfoTableVars", "dot11ClientAuthentication", "2", "WEP"},
    {"kInfoSummaryVars", "dot11MssidState", "1", "enabled"},
    {"kWlanPartitionVars", "dot11MssidState", "0", "disabled"},
    {"kMssidGlobalVars", "dot11MssidState", "1", "Enable"},
    {"kMssidSsidTableVars", "dot11MssIndividualState", "1", "Enable"},
    {"kWlanPartitionVars", "dot11LinkIntegrate", "1", "Enable"},
    {"kPerformanceVars", "dot11LinkIntegrate", "1", "Enable"},
};

const MibVariable* FindRecord(const char* table, const char* name) {
    for (const MibTableInfo& info : MibTables::PageTables()) {
        if (std::strcmp(info.Name, table) != 0)
            continue;
        for (const MibVariable* v = info.Table; v->Oid != nullptr; ++v)
            if (std::strcmp(v->Name, name) == 0)
                return v;
    }
    return nullptr;
}

TEST(PageTables, MapsShowThePagesTexts) {
    for (const MapChoice& choice : kMapChoices) {
        SCOPED_TRACE(std::string(choice.Table) + " " + choice.Name);
        const MibVariable* v = FindRecord(choice.Table, choice.Name);
        ASSERT_NE(v, nullptr);
        ASSERT_NE(v->Map, nullptr);
        EXPECT_EQ(v->Map->TextForValue(choice.Value), QString::fromUtf8(choice.Text));
    }
}

TEST(PageTables, LeftOutAndShownOnlyVariables) {
    // The LAN page's command request sends the restart and leaves the factory default out.
    const MibVariable* restart = FindRecord("kLanDeviceCommandVars", "deviceRestart");
    const MibVariable* factory = FindRecord("kLanDeviceCommandVars", "deviceFactoryDefault");
    ASSERT_TRUE(restart && factory);
    EXPECT_EQ(restart->Access, SnmpAccess::ReadWrite);
    EXPECT_EQ(factory->Access, SnmpAccess::Invalid);
    // The static DHCP pool's index column is shown but never requested: the walk
    // decodes it from the row instance.
    const MibVariable* index = FindRecord("kDhcpStaticPoolTableVars", "Index");
    ASSERT_NE(index, nullptr);
    EXPECT_EQ(index->Access, SnmpAccess::NotAccess);
}

}  // namespace
