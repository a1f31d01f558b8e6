#include "snmp/CZRException.h"
#include "snmp/RowCondition.h"
#include <gtest/gtest.h>

namespace {

MibVariableList Row() {
    MibVariableList list;
    list.Add("1.1", "dot11ClientMacAddress", 73, 2);
    list.Add("1.2", "dot11ClientRssi", 2, 2);
    list.Add("1.3", "dot11ClientBand", 76, 2);
    list.Entry(0).Value = "000000000000";
    list.Entry(1).Value = "35";
    list.Entry(2).Value = "2.4GHz";
    return list;
}

int ErrorOf(const QString& condition, const MibVariableList& list) {
    try {
        RowCondition::Evaluate(condition, list);
    } catch (const CZRException& e) {
        return e.Number();
    }
    return 0;
}

TEST(RowCondition, EvaluatesComparisonsAndLogic) {
    const MibVariableList list = Row();
    EXPECT_TRUE(RowCondition::Evaluate("", list));
    EXPECT_TRUE(RowCondition::Evaluate("   ", list));
    EXPECT_FALSE(RowCondition::Evaluate("$ != '000000000000'", list));
    EXPECT_TRUE(RowCondition::Evaluate("$1 > 30", list));
    EXPECT_TRUE(RowCondition::Evaluate("$1 >= 35 && $1 <= 35", list));
    EXPECT_FALSE(RowCondition::Evaluate("$1 < 9", list));        // numbers, not texts
    EXPECT_TRUE(RowCondition::Evaluate("${dot11ClientBand} == \"2.4GHz\"", list));
    EXPECT_TRUE(RowCondition::Evaluate("$2 ^= '2.4'", list));
    EXPECT_TRUE(RowCondition::Evaluate("!($0 == '000000000000') || $1 == 35", list));
    EXPECT_FALSE(RowCondition::Evaluate("!$1", list));
    EXPECT_TRUE(RowCondition::Evaluate("($1 == 1 || $1 == 35) && $2 != '5GHz'", list));
}

TEST(RowCondition, BadConditionsRaiseErrors) {
    MibVariableList list = Row();
    EXPECT_EQ(ErrorOf("$1 ==", list), -513);
    EXPECT_EQ(ErrorOf("($1 == 2", list), -513);
    EXPECT_EQ(ErrorOf("$9 == 1", list), -513);
    EXPECT_EQ(ErrorOf("${nothing} == 1", list), -513);
    EXPECT_EQ(ErrorOf("$1 == 'open", list), -513);
    EXPECT_EQ(ErrorOf("$1 == 35 junk", list), -513);
    list.Entry(1).Value = "(NULL)";
    EXPECT_EQ(ErrorOf("$1 == 35", list), -512);
}

}  // namespace
