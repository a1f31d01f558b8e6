#include "TsvFile.h"
#include "mib/ValueMaps.h"
#include "snmp/SnmpNames.h"
#include <gtest/gtest.h>
#include <map>

namespace {
struct ExpectedPair {
    int Position;
    int Key;
    std::string Text;
};

std::map<int, std::vector<ExpectedPair>> LoadMaps() {
    TsvFile file(MibDataPath("valuemaps.tsv"));
    std::map<int, std::vector<ExpectedPair>> maps;
    for (const auto& row : file.Rows())
        maps[std::stoi(row.at("map").substr(1))].push_back(
            {std::stoi(row.at("position")), std::stoi(row.at("key")), row.at("text")});
    return maps;
}
}  // namespace

TEST(MibValueMaps, EveryMapMatchesTheDataTable) {
    const auto maps = LoadMaps();
    ASSERT_EQ(maps.size(), 96u);
    for (const auto& [number, pairs] : maps) {
        SCOPED_TRACE("M" + std::to_string(number));
        const ValueMap* map = MibMaps::ByNumber(number);
        ASSERT_NE(map, nullptr);
        EXPECT_EQ(map->Kind(), ValueMap::NumberKey);
        EXPECT_FALSE(map->CaseSensitive());
        ASSERT_EQ(map->Count(), static_cast<int>(pairs.size()));
        for (size_t i = 0; i < pairs.size(); ++i) {
            EXPECT_EQ(pairs[i].Position, static_cast<int>(i) + 1);
            EXPECT_EQ(map->GetPair(static_cast<int>(i)).Key, pairs[i].Key);
            EXPECT_EQ(map->GetPair(static_cast<int>(i)).Text.toStdString(), pairs[i].Text);
        }
    }
}

TEST(MibValueMaps, ByNumberGivesTheGlobalsAndTheNameMaps) {
    EXPECT_EQ(MibMaps::ByNumber(1), &MibMaps::M1);
    EXPECT_EQ(MibMaps::ByNumber(2), &MibMaps::M2);
    EXPECT_EQ(MibMaps::ByNumber(47), &MibMaps::M47);
    EXPECT_EQ(MibMaps::ByNumber(93), &MibMaps::M93);
    EXPECT_EQ(MibMaps::ByNumber(94), &SnmpNames::AccessNames());
    EXPECT_EQ(MibMaps::ByNumber(95), &SnmpNames::SyntaxNames());
    EXPECT_EQ(MibMaps::ByNumber(96), &SnmpNames::ListKindNames());
    EXPECT_EQ(MibMaps::ByNumber(0), nullptr);
    EXPECT_EQ(MibMaps::ByNumber(97), nullptr);
    EXPECT_EQ(MibMaps::ByNumber(-1), nullptr);
}

TEST(MibValueMaps, DisplayOrderKeepsOutOfOrderKeys) {
    const ValueMap& map = MibMaps::M3;
    ASSERT_EQ(map.Count(), 5);
    const int keys[] = {1, 2, 3, 5, 4};
    const char* texts[] = {"Access Point", "WDS with AP", "WDS", "Universal Repeater", "Wireless Client"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(map.GetPair(i).Key, keys[i]);
        EXPECT_EQ(map.GetPair(i).Text, QString::fromUtf8(texts[i]));
    }
    EXPECT_EQ(map.TextForValue("5"), "Universal Repeater");
    EXPECT_EQ(map.ValueForText("Wireless Client"), "4");
}

TEST(MibValueMaps, LookupIgnoresCase) {
    EXPECT_EQ(MibMaps::M2.FindByText("enable"), 1);
    EXPECT_EQ(MibMaps::M2.ValueForText("enable"), "1");
    EXPECT_EQ(MibMaps::M2.ValueForText("DISABLE"), "0");
    EXPECT_EQ(MibMaps::M2.TextForValue("1"), "Enable");
    EXPECT_EQ(MibMaps::M27.ValueForText("get"), "2");
}

TEST(MibValueMaps, RepeatedTextGoesBackToTheFirstKey) {
    EXPECT_EQ(MibMaps::M93.ValueForText("2.4GHz"), "1");
    EXPECT_EQ(MibMaps::M93.TextForValue("3"), "2.4GHz");
    EXPECT_EQ(MibMaps::M93.ValueForText("5GHz"), "0");
    EXPECT_EQ(MibMaps::M92.ValueForText("WEP"), "2");
}

TEST(MibValueMaps, UnmatchedValuesPassUnchanged) {
    EXPECT_EQ(MibMaps::M2.TextForValue("7"), "7");
    EXPECT_EQ(MibMaps::M2.TextForValue("(NULL)"), "(NULL)");
    EXPECT_EQ(MibMaps::M2.ValueForText("Maybe"), "Maybe");
}
