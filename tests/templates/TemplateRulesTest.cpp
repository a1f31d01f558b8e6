#include "templates/TemplateRules.h"
#include <gtest/gtest.h>

namespace {

QList<QByteArray> Names(const QList<QByteArray>& section)
{
    QList<QByteArray> names;
    for (const QByteArray& entry : section)
        names.append(TemplateRules::EntryName(entry));
    return names;
}

} // namespace

TEST(templates_TemplateRules, DhcpDropsMaskAndGateway)
{
    QList<QByteArray> system = {"DHCPclient=Enable", "Mask=255.255.255.0", "Gateway=10.0.0.1", "Username=admin",
                                "Password=pw", "Telnet_timeout=3 Mins", "Telnet_option=Disable"};
    TemplateRules::ApplyRules(system, TemplateRules::SystemRules());
    EXPECT_EQ(system, (QList<QByteArray>{"DHCPclient=Enable", "Username=admin", "Password=pw",
                                         "Telnet_option=Disable"}));
}

TEST(templates_TemplateRules, StaticAddressAndConsoleKeepTheirSettings)
{
    QList<QByteArray> system = {"DHCPclient=Disable", "Mask=255.255.255.0", "Gateway=10.0.0.1", "Username=admin",
                                "Password=pw", "Telnet_timeout=3 Mins", "Telnet_option=Enable", "IsSSH=Enable"};
    const QList<QByteArray> before = system;
    TemplateRules::ApplyRules(system, TemplateRules::SystemRules());
    EXPECT_EQ(system, before);
}

TEST(templates_TemplateRules, WpaPersonalKeepsOnlyItsSettings)
{
    QList<QByteArray> security = {"auth_type=WPA-Personal", "cipher_type=AES", "radius_server=10.0.0.5",
                                  "radius_secret=s", "radius_port=1812", "wep_status=Disable",
                                  "group_key_update_interval=1800", "passphrase=pp", "active_key_index=First",
                                  "key1=12345", "keytype=HEX", "keysize=64 Bits"};
    TemplateRules::ApplyRules(security, TemplateRules::SecurityRules());
    EXPECT_EQ(Names(security), (QList<QByteArray>{"auth_type", "cipher_type", "group_key_update_interval",
                                                  "passphrase"}));
}

TEST(templates_TemplateRules, CombinedOpenAndSharedKeyKeepsWepKeys)
{
    QList<QByteArray> security = {"auth_type=Open System / Shared Key", "cipher_type=AUTO", "wep_status=Enable",
                                  "passphrase=pp", "active_key_index=Second", "key2=abcde", "keytype=ASCII",
                                  "keysize=64 Bits"};
    TemplateRules::ApplyRules(security, TemplateRules::SecurityRules());
    EXPECT_EQ(Names(security), (QList<QByteArray>{"auth_type", "wep_status", "active_key_index", "key2", "keytype",
                                                  "keysize"}));
}

TEST(templates_TemplateRules, UnmatchedAuthenticationKeepsEverything)
{
    QList<QByteArray> security = {"auth_type=9", "cipher_type=AUTO", "wep_status=Disable", "passphrase=pp"};
    const QList<QByteArray> before = security;
    TemplateRules::ApplyRules(security, TemplateRules::SecurityRules());
    EXPECT_EQ(security, before);
}

TEST(templates_TemplateRules, EmptySectionStaysEmpty)
{
    QList<QByteArray> section;
    TemplateRules::ApplyRules(section, TemplateRules::SystemRules());
    EXPECT_TRUE(section.isEmpty());
}

TEST(templates_TemplateRules, FilterKeepsAtMost256Addresses)
{
    QList<QByteArray> filter = {"filter_mac_acl=Reject"};
    for (int i = 1; i <= 257; ++i)
        filter.append("filter_mac_add" + QByteArray::number(i) + "=00:11:22:33:44:55");
    filter.append("filter_mac_Items=257");
    TemplateRules::ApplyRules(filter, TemplateRules::FilterRules());
    ASSERT_EQ(filter.size(), 257);
    EXPECT_EQ(filter.first(), "filter_mac_acl=Reject");
    EXPECT_EQ(TemplateRules::EntryName(filter.last()), "filter_mac_add256");
}

TEST(templates_TemplateRules, DisabledFilterKeepsOnlyItsMode)
{
    QList<QByteArray> filter = {"filter_mac_acl=Disable", "filter_mac_add1=00:11:22:33:44:55", "filter_mac_Items=1"};
    TemplateRules::ApplyRules(filter, TemplateRules::FilterRules());
    EXPECT_EQ(filter, (QList<QByteArray>{"filter_mac_acl=Disable"}));
}

TEST(templates_TemplateRules, FilterWithoutModeKeepsItemCount)
{
    QList<QByteArray> filter = {"filter_mac_Items=0"};
    TemplateRules::ApplyRules(filter, TemplateRules::FilterRules());
    EXPECT_EQ(filter, (QList<QByteArray>{"filter_mac_Items=0"}));
}

TEST(templates_TemplateRules, FilterRulesAreTheSameOnEveryCall)
{
    const QList<QByteArray> first = TemplateRules::FilterRules();
    const QList<QByteArray> second = TemplateRules::FilterRules();
    EXPECT_EQ(first, second);
    ASSERT_EQ(first.size(), 3);
    EXPECT_EQ(first[0], "|filter_mac_acl=Disable|:|filter_mac_acl|");
    EXPECT_TRUE(first[1].startsWith("|filter_mac_acl=Reject|:|filter_mac_acl|filter_mac_add1|filter_mac_add2|"));
    EXPECT_TRUE(first[1].endsWith("|filter_mac_add255|filter_mac_add256|"));
    EXPECT_EQ(first[1].count("filter_mac_add"), 256);
    EXPECT_EQ(first[2].count("filter_mac_add"), 256);
}
