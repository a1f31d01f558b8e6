#include "templates/TemplateMapTable.h"
#include "templates/XmlMapRule.h"
#include <gtest/gtest.h>

TEST(templates_XmlMapRule, ParsesKindTagsAndPath)
{
    const XmlMapRule rule = XmlMapRule::Parse("e:[FFN=SYS_DHCPclient]:[RRL=|1=Disable|2=Enable|]:<wan><rg><inf><mode>");
    EXPECT_EQ(rule.Kind(), 'e');
    ASSERT_TRUE(rule.HasKeyName());
    EXPECT_EQ(rule.KeyName(), "SYS_DHCPclient");
    ASSERT_TRUE(rule.HasTranslation());
    EXPECT_EQ(rule.Translation(), "|1=Disable|2=Enable|");
    ASSERT_TRUE(rule.PathValid());
    ASSERT_EQ(rule.Path().size(), 4);
    EXPECT_EQ(rule.Path()[0].Name, "wan");
    EXPECT_EQ(rule.Path()[3].Name, "mode");
    EXPECT_FALSE(rule.Path()[3].HasSelector);
}

TEST(templates_XmlMapRule, ParsesSelectorsAndRulesWithoutTags)
{
    const XmlMapRule rule = XmlMapRule::Parse("e:<wlan><inf><wepkey[id=3]><keyformat>");
    EXPECT_FALSE(rule.HasKeyName());
    EXPECT_FALSE(rule.HasTranslation());
    ASSERT_TRUE(rule.PathValid());
    ASSERT_EQ(rule.Path().size(), 4);
    EXPECT_EQ(rule.Path()[2].Name, "wepkey");
    EXPECT_TRUE(rule.Path()[2].HasSelector);
    EXPECT_EQ(rule.Path()[2].SelectorName, "id");
    EXPECT_EQ(rule.Path()[2].SelectorValue, "3");
}

TEST(templates_XmlMapRule, TagsCountOnlyBeforeThePath)
{
    const XmlMapRule rule = XmlMapRule::Parse("e:<sys><x:[FFN=NOT_A_KEY]>");
    EXPECT_FALSE(rule.HasKeyName());
    const XmlMapRule translated = XmlMapRule::Parse("e:[RRL=|1=First|]:<wlan><inf><defkey>");
    EXPECT_FALSE(translated.HasKeyName());
    EXPECT_TRUE(translated.HasTranslation());
    EXPECT_EQ(translated.Translation(), "|1=First|");
}

TEST(templates_XmlMapRule, MalformedPathsNeverResolve)
{
    EXPECT_FALSE(XmlMapRule::Parse("e:[FFN=SYS_Mask]:").PathValid());
    EXPECT_FALSE(XmlMapRule::Parse("e:<wan><rg").PathValid());
    EXPECT_FALSE(XmlMapRule::Parse("e:<wan>x<rg>").PathValid());
    EXPECT_FALSE(XmlMapRule::Parse("e:<>").PathValid());
    EXPECT_FALSE(XmlMapRule::Parse("e:<mac[id=1>").PathValid());
    EXPECT_FALSE(XmlMapRule::Parse("ee:<wan>").PathValid());
}

TEST(templates_XmlMapRule, FillsEveryPlaceholder)
{
    EXPECT_EQ(XmlMapRule::FillIndex("e:[FFN=SCR_80211a_key%i]:<wlan><inf><wepkey[id=%i]>", 3),
              "e:[FFN=SCR_80211a_key3]:<wlan><inf><wepkey[id=3]>");
    EXPECT_EQ(XmlMapRule::FillIndex("e:<wlan><inf><acl><mac[id=%i]>", 257), "e:<wlan><inf><acl><mac[id=257]>");
}

TEST(templates_XmlMapRule, TranslatesBothWaysIgnoringCase)
{
    const QByteArray list = "|0=Never|60=1 Min|180=3 Mins|";
    EXPECT_EQ(XmlMapRule::Translate(list, "180"), "3 Mins");
    EXPECT_EQ(XmlMapRule::Translate(list, "1 min"), "60");
    EXPECT_EQ(XmlMapRule::Translate(list, "42"), "42");
    EXPECT_EQ(XmlMapRule::Translate(list, ""), "");
    // The first matching entry wins.
    EXPECT_EQ(XmlMapRule::Translate("|4=AUTO|3=AES|2=TKIP|0=AUTO|", "auto"), "4");
    EXPECT_EQ(XmlMapRule::Translate("|4=AUTO|3=AES|2=TKIP|0=AUTO|", "0"), "AUTO");
}

TEST(templates_XmlMapRule, EntryWithoutEqualsEndsTheList)
{
    EXPECT_EQ(XmlMapRule::Translate("|1=One|broken|2=Two|", "1"), "One");
    EXPECT_EQ(XmlMapRule::Translate("|1=One|broken|2=Two|", "2"), "2");
    EXPECT_EQ(XmlMapRule::Translate("|1=One|broken|2=Two|", "Two"), "Two");
}

TEST(templates_XmlMapRule, LeftTextAnywhereWinsOverRightText)
{
    // "1" is the left text of the second entry and the right text of the first.
    EXPECT_EQ(XmlMapRule::Translate("|a=1|1=b|", "1"), "b");
    EXPECT_EQ(XmlMapRule::Translate("|a=1|1=b|", "b"), "1");
    EXPECT_EQ(XmlMapRule::Translate("|a=1|1=b|", "A"), "1");
}

TEST(templates_XmlMapRule, TableHoldsFortyRulesThatAllParse)
{
    ASSERT_EQ(TemplateMapTable::Count(), 40);
    for (int i = 0; i < TemplateMapTable::Count(); ++i) {
        const XmlMapRule rule = XmlMapRule::Parse(TemplateMapTable::Rules()[i]);
        EXPECT_EQ(rule.Kind(), 'e') << i;
        EXPECT_TRUE(rule.HasKeyName()) << i;
        EXPECT_TRUE(rule.PathValid()) << i;
    }
    // Rules 7 to 23 come again for the 2.4 GHz band, in the same order.
    for (int i = 6; i < 23; ++i) {
        QByteArray fiveGhz = XmlMapRule::Parse(TemplateMapTable::Rules()[i]).KeyName();
        const QByteArray twoGhz = XmlMapRule::Parse(TemplateMapTable::Rules()[i + 17]).KeyName();
        EXPECT_EQ(fiveGhz.replace("80211a", "80211g"), twoGhz) << i;
    }
}

namespace {

QByteArray RateList(const char* key)
{
    for (int i = 0; i < TemplateMapTable::Count(); ++i) {
        const XmlMapRule rule = XmlMapRule::Parse(TemplateMapTable::Rules()[i]);
        if (rule.KeyName() == key)
            return rule.Translation();
    }
    return {};
}

} // namespace

TEST(templates_XmlMapRule, EveryFiveGigahertzRateCodeGivesItsRate)
{
    const QByteArray list = RateList("AWS_80211a_Rate");
    const std::pair<const char*, const char*> codes[] = {
        {"0", "6"}, {"1", "9"}, {"2", "12"}, {"3", "18"}, {"4", "24"},
        {"5", "36"}, {"6", "48"}, {"7", "54"}, {"31", "Auto"},
    };
    for (const auto& [code, rate] : codes)
        EXPECT_EQ(XmlMapRule::Translate(list, code), rate) << code;
}

TEST(templates_XmlMapRule, EveryTwoGigahertzRateCodeGivesItsRate)
{
    const QByteArray list = RateList("AWS_80211g_Rate");
    const std::pair<const char*, const char*> codes[] = {
        {"0", "1"}, {"1", "2"}, {"2", "5.5"}, {"3", "11"}, {"4", "6"}, {"5", "9"}, {"6", "12"},
        {"7", "18"}, {"8", "24"}, {"9", "36"}, {"10", "48"}, {"11", "54"}, {"31", "Auto"},
    };
    for (const auto& [code, rate] : codes)
        EXPECT_EQ(XmlMapRule::Translate(list, code), rate) << code;
}
