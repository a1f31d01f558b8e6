#include "snmp/MibVariableList.h"
#include "snmp/SnmpSyntax.h"
#include "snmp/ValueMap.h"
#include <gtest/gtest.h>

namespace {

const ValueMapPair kSwitch[] = {{0, "Disable"}, {1, "Enable"}, {0, nullptr}};
const ValueMap gSwitch(kSwitch);

const MibVariable kTable[] = {
    {"1.3.6.1.4.1.9.1.1", "index", 2, 32, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.9.1.2", "second", 2, 1, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.9.1.3", "name", 76, 6, nullptr, "t1", nullptr, nullptr, "initial", nullptr},
    {"1.3.6.1.4.1.9.1.4", "state", 2, 2, &gSwitch, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.9.1.5", "hidden", 2, 0x12, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.9.1.6", "wo", 2, 4, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.9.1.7", "derived", 2, 8, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

TEST(MibVariableList, LoadsTableInOrderWithCopies) {
    MibVariableList list(kTable, MibVariableList::MVT_FMV, 2);
    ASSERT_EQ(list.Count(), 7);
    EXPECT_EQ(list.Entry(2).Name, "name");
    EXPECT_EQ(list.Entry(2).Value, "initial");
    ASSERT_TRUE(list.Entry(2).Text1().has_value());
    EXPECT_EQ(*list.Entry(2).Text1(), "t1");
    EXPECT_FALSE(list.Entry(2).Text2().has_value());
    EXPECT_EQ(list.Entry(3).Map, &gSwitch);
    EXPECT_EQ(list.IndexOf("state"), 3);
    EXPECT_EQ(list.IndexOf("none"), -1);
}

TEST(MibVariableList, NullOrEmptyTableAppendsNothing) {
    MibVariableList list;
    list.Append(nullptr);
    const MibVariable empty[] = {MIB_TABLE_END};
    list.Append(empty);
    EXPECT_EQ(list.Count(), 0);
}

TEST(MibVariableList, Predicates) {
    MibVariableList list(kTable, MibVariableList::MVT_FMV, 2);
    // index (32): invalid -> never requested or written, but first column
    EXPECT_FALSE(list.IsRequested(0));
    EXPECT_FALSE(list.IsWritten(0));
    EXPECT_TRUE(list.IsFirstColumn(0));
    EXPECT_FALSE(list.IsShown(0));
    // second (1): a key of a table list is written even without 0x04
    EXPECT_TRUE(list.IsWritten(1));
    EXPECT_FALSE(list.IsRequested(1));
    EXPECT_TRUE(list.IsShown(1));
    // name (6)
    EXPECT_TRUE(list.IsRequested(2));
    EXPECT_TRUE(list.IsWritten(2));
    EXPECT_TRUE(list.IsShown(2));
    EXPECT_FALSE(list.IsFirstColumn(2));
    // state (2): read only
    EXPECT_TRUE(list.IsRequested(3));
    EXPECT_FALSE(list.IsWritten(3));
    // hidden (0x12)
    EXPECT_TRUE(list.IsRequested(4));
    EXPECT_FALSE(list.IsShown(4));
    EXPECT_TRUE(list.IsFirstColumn(4));
    // write only (4): exactly 0x04 is a first column
    EXPECT_TRUE(list.IsFirstColumn(5));
    EXPECT_TRUE(list.IsWritten(5));
    EXPECT_FALSE(list.IsRequested(5));
    EXPECT_FALSE(list.IsShown(5));
    // derived (8): shown, not requested
    EXPECT_TRUE(list.IsShown(6));
    EXPECT_FALSE(list.IsRequested(6));
    EXPECT_EQ(list.CountShown(), 4);
    EXPECT_EQ(list.CountFirstColumn(), 3);

    // The same entry is not a written key in a scalar list.
    MibVariableList scalar(kTable, MibVariableList::SVT_SV, 2);
    EXPECT_FALSE(scalar.IsWritten(1));
    // Key count 2 on a table: entries 0 and 1 written unless invalid.
    list.Entry(0).Access = 2;
    EXPECT_TRUE(list.IsWritten(0));
    list.Entry(1).Access = 0x20 | 2;
    EXPECT_FALSE(list.IsWritten(1));
    list.Entry(2).Access = 0x40 | 2;
    EXPECT_TRUE(list.IsImplied(2));
    EXPECT_FALSE(list.IsImplied(3));
}

TEST(MibVariableList, CopiesAreDeepAndKeepOwnedMaps) {
    MibVariableList* original = new MibVariableList(kTable, MibVariableList::MVT_UMV, 1);
    original->BaseOid = "1.3.6";
    original->Label = "label";
    const ValueMapPair pairs[] = {{7, "Seven"}, {0, nullptr}};
    const ValueMap* own = original->AdoptMap(std::make_unique<ValueMap>(pairs));
    original->Add("9.9", "added", SnmpSyntax::Integer, 6, own, "", "x");
    MibVariableList copy = *original;
    original->Entry(2).Value = "changed";
    delete original;
    EXPECT_EQ(copy.Kind, MibVariableList::MVT_UMV);
    EXPECT_EQ(copy.KeyCount, 1);
    EXPECT_EQ(copy.BaseOid, "1.3.6");
    EXPECT_EQ(copy.Label, "label");
    EXPECT_EQ(copy.Entry(2).Value, "initial");
    ASSERT_EQ(copy.Count(), 8);
    EXPECT_FALSE(copy.Entry(7).Text1().has_value());
    EXPECT_EQ(*copy.Entry(7).Text2(), "x");
    // The adopted map outlives the list that made it.
    EXPECT_EQ(copy.Entry(7).Map->TextForValue("7"), "Seven");
    EXPECT_EQ(copy.FullOid(7), "1.3.6.9.9");
    copy.Clear();
    EXPECT_EQ(copy.Count(), 0);
}

TEST(MibVariableList, CatalogueListsAreBuiltOnceAndNeverChangedByTheirCopies) {
    const MibVariableList& first = MibVariableList::FromCatalogue(kTable, MibVariableList::MVT_FMV, 2);
    MibVariableList copy = MibVariableList::FromCatalogue(kTable, MibVariableList::MVT_FMV, 2);
    copy.Entry(2).Value = "changed";
    copy.Entry(3).Access = 0;
    copy.BaseOid = "9";
    // The same list comes back, as the table made it, whatever its copies did.
    const MibVariableList& again = MibVariableList::FromCatalogue(kTable, MibVariableList::MVT_FMV, 2);
    EXPECT_EQ(&again, &first);
    const MibVariableList built(kTable, MibVariableList::MVT_FMV, 2);
    ASSERT_EQ(again.Count(), built.Count());
    for (int i = 0; i < built.Count(); ++i) {
        EXPECT_EQ(again.Entry(i).Oid, built.Entry(i).Oid);
        EXPECT_EQ(again.Entry(i).Value, built.Entry(i).Value);
        EXPECT_EQ(again.Entry(i).Access, built.Entry(i).Access);
    }
    EXPECT_TRUE(again.BaseOid.isEmpty());
    // Kind and key count are part of what was asked for.
    const MibVariableList& scalars = MibVariableList::FromCatalogue(kTable, MibVariableList::SVT_SV);
    EXPECT_NE(&scalars, &first);
    EXPECT_EQ(scalars.Kind, MibVariableList::SVT_SV);
    EXPECT_EQ(scalars.KeyCount, 0);
}

}  // namespace
