#include "snmp/SnmpNames.h"
#include "snmp/ValueMap.h"
#include <gtest/gtest.h>

namespace {

const ValueMapPair kModes[] = {{1, "Access Point"}, {2, "WDS with AP"}, {3, "WDS"},
                               {5, "Universal Repeater"}, {4, "Wireless Client"}, {0, nullptr}};
const ValueMapPair kSwitch[] = {{0, "Disable"}, {1, "Enable"}, {0, nullptr}};
const ValueMapPair kBands[] = {{0, "5GHz"}, {1, "2.4GHz"}, {2, "2.4GHz"}, {3, "2.4GHz"}, {0, nullptr}};

TEST(ValueMap, KeepsTableOrderAsDisplayOrder) {
    const ValueMap map(kModes);
    ASSERT_EQ(map.Count(), 5);
    EXPECT_EQ(map.GetPair(3).Key, 5);
    EXPECT_EQ(map.GetPair(3).Text, "Universal Repeater");
    EXPECT_EQ(map.GetPair(4).Key, 4);
    EXPECT_EQ(map.TextForValue("4"), "Wireless Client");
    EXPECT_EQ(map.ValueForText("Universal Repeater"), "5");
}

TEST(ValueMap, NumberKeysCompareTextsWithoutCase) {
    const ValueMap map(kSwitch);
    EXPECT_EQ(map.FindByText("enable"), 1);
    EXPECT_EQ(map.ValueForText("ENABLE"), "1");
    EXPECT_EQ(map.TextForValue("0"), "Disable");
    const ValueMap strict(kSwitch, ValueMap::NumberKey, true);
    EXPECT_EQ(strict.FindByText("enable"), -1);
    EXPECT_EQ(strict.ValueForText("enable"), "enable");
}

TEST(ValueMap, UnmatchedTextsPassUnchanged) {
    const ValueMap map(kSwitch);
    EXPECT_EQ(map.TextForValue("7"), "7");
    EXPECT_EQ(map.ValueForText("Maybe"), "Maybe");
    EXPECT_EQ(map.FindByValue("(NULL)"), -1);
    EXPECT_EQ(map.TextForValue("(NULL)"), "(NULL)");
    // A stray text is not read as the number 0.
    EXPECT_EQ(map.FindByValue("abc"), -1);
    EXPECT_EQ(map.TextForValue("abc"), "abc");
    EXPECT_EQ(map.FindByValue(" 1 "), 1);
}

TEST(ValueMap, DuplicateTextsGiveTheFirstKey) {
    const ValueMap map(kBands);
    EXPECT_EQ(map.ValueForText("2.4GHz"), "1");
    EXPECT_EQ(map.TextForValue("3"), "2.4GHz");
}

TEST(ValueMap, TextKeysMatchWholeOrAsPrefix) {
    const ValueMapTextPair pairs[] = {{"ab", "Alpha"}, {"c", "Gamma"}, {nullptr, nullptr}};
    const ValueMap whole(pairs, ValueMap::TextKey, false);
    EXPECT_EQ(whole.TextForValue("AB"), "Alpha");
    EXPECT_EQ(whole.TextForValue("abx"), "abx");
    EXPECT_EQ(whole.ValueForText("gamma"), "c");

    const ValueMap prefix(pairs, ValueMap::PrefixKey, true);
    EXPECT_EQ(prefix.TextForValue("ab12"), "Alpha12");
    EXPECT_EQ(prefix.ValueForText("Gamma-7"), "c-7");
    EXPECT_EQ(prefix.FindByText("Alph"), -1);
    EXPECT_EQ(prefix.TextForValue("x"), "x");
}

TEST(ValueMap, EmptyOrNullSourceGivesEmptyMap) {
    const ValueMap map(static_cast<const ValueMapPair*>(nullptr));
    EXPECT_EQ(map.Count(), 0);
    EXPECT_EQ(map.TextForValue("1"), "1");
}

TEST(SnmpNames, ModuleNameMaps) {
    EXPECT_EQ(SnmpNames::AccessNames().TextForValue("6"), "readwrite");
    EXPECT_EQ(SnmpNames::AccessNames().ValueForText("invalid"), "32");
    EXPECT_EQ(SnmpNames::SyntaxNames().Count(), 25);
    EXPECT_EQ(SnmpNames::SyntaxNames().TextForValue("66"), "guage");
    EXPECT_EQ(SnmpNames::SyntaxNames().ValueForText("displaystr"), "76");
    EXPECT_EQ(SnmpNames::SyntaxNames().GetPair(11).Text, "boolean");
    EXPECT_EQ(SnmpNames::ListKindNames().TextForValue("3"), "MVT_UMV");
}

}  // namespace
