#include "BackupFixture.h"
#include "templates/TemplateConverter.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(templates_TemplateConverter, ReadsCrLfAndLfLinesAlike)
{
    QTemporaryDir dir;
    const QString crlf = dir.filePath(QStringLiteral("crlf.txt"));
    const QString lf = dir.filePath(QStringLiteral("lf.txt"));
    ASSERT_TRUE(WriteFileBytes(crlf, "SYS_Username=admin\r\nSYS_Password=a=b\r\n"));
    ASSERT_TRUE(WriteFileBytes(lf, "SYS_Username=admin\nSYS_Password=a=b"));
    TemplateConverter first;
    TemplateConverter second;
    ASSERT_TRUE(first.ReadLines(crlf));
    ASSERT_TRUE(second.ReadLines(lf));
    EXPECT_EQ(first.Lines(), (QList<QByteArray>{"SYS_Username=admin", "SYS_Password=a=b"}));
    EXPECT_EQ(second.Lines(), first.Lines());
    EXPECT_FALSE(first.ReadLines(dir.filePath(QStringLiteral("missing.txt"))));
}

TEST(templates_TemplateConverter, SortsOneBandAndDropsTheWirelessMode)
{
    QTemporaryDir dir;
    const QString keys = dir.filePath(QStringLiteral("keys.txt"));
    ASSERT_TRUE(WriteFileBytes(keys, "SYS_Username=admin\r\n"
                                     "AWS_80211a_WirelessMode=8\r\nAWS_80211a_SSID=five\r\n"
                                     "SCR_80211a_auth_type=Open System\r\nFlt_80211a_filter_mac_Items=0\r\n"
                                     "AWS_80211g_WirelessMode=8\r\nAWS_80211g_SSID=two\r\n"
                                     "SCR_80211g_auth_type=Open System\r\nFlt_80211g_filter_mac_Items=0\r\n"
                                     "Unknown=1\r\n"));
    TemplateConverter converter;
    ASSERT_TRUE(converter.ReadLines(keys));
    converter.SortByBand();
    EXPECT_TRUE(converter.FiveGigahertz());
    EXPECT_EQ(converter.SystemEntries(), QList<QByteArray>{"Username=admin"});
    EXPECT_EQ(converter.Wireless5(), QList<QByteArray>{"SSID=five"});
    EXPECT_EQ(converter.Security5(), QList<QByteArray>{"auth_type=Open System"});
    EXPECT_EQ(converter.Filter5(), QList<QByteArray>{"filter_mac_Items=0"});
    EXPECT_TRUE(converter.Wireless24().isEmpty());
    EXPECT_TRUE(converter.Security24().isEmpty());
    EXPECT_TRUE(converter.Filter24().isEmpty());
}

TEST(templates_TemplateConverter, BandIsTwoGigahertzUnlessModeSevenOrEight)
{
    QTemporaryDir dir;
    const QString keys = dir.filePath(QStringLiteral("keys.txt"));
    for (const QByteArray& mode : {QByteArray("5"), QByteArray("7x"), QByteArray(""), QByteArray("78")}) {
        ASSERT_TRUE(WriteFileBytes(keys, "AWS_80211a_WirelessMode=" + mode + "\r\nAWS_80211g_SSID=two\r\n"));
        TemplateConverter converter;
        ASSERT_TRUE(converter.ReadLines(keys));
        converter.SortByBand();
        EXPECT_FALSE(converter.FiveGigahertz()) << mode.constData();
        EXPECT_EQ(converter.Wireless24(), QList<QByteArray>{"SSID=two"});
    }
    ASSERT_TRUE(WriteFileBytes(keys, "AWS_80211g_SSID=two\r\n"));
    TemplateConverter converter;
    ASSERT_TRUE(converter.ReadLines(keys));
    converter.SortByBand();
    EXPECT_FALSE(converter.FiveGigahertz());
}

TEST(templates_TemplateConverter, PrefixTextInsideAValueStaysPartOfTheValue)
{
    QTemporaryDir dir;
    const QString keys = dir.filePath(QStringLiteral("keys.txt"));
    ASSERT_TRUE(WriteFileBytes(keys, "SYS_Password=xAWS_80211g_y\r\nAWS_80211a_WirelessMode=5\r\n"
                                     "SYS_Username=AWS_80211a_WirelessMode=7\r\n"
                                     "AWS_80211g_SSID=SCR_80211g_lab\r\n"));
    TemplateConverter converter;
    ASSERT_TRUE(converter.ReadLines(keys));
    converter.SortByBand();
    EXPECT_FALSE(converter.FiveGigahertz());
    EXPECT_EQ(converter.SystemEntries(),
              (QList<QByteArray>{"Password=xAWS_80211g_y", "Username=AWS_80211a_WirelessMode=7"}));
    EXPECT_EQ(converter.Wireless24(), QList<QByteArray>{"SSID=SCR_80211g_lab"});
    EXPECT_TRUE(converter.Security24().isEmpty());
}

TEST(templates_TemplateConverter, WritesSevenSectionsWithCounts)
{
    QTemporaryDir dir;
    const QString keys = dir.filePath(QStringLiteral("keys.txt"));
    const QString templ = dir.filePath(QStringLiteral("t.ini"));
    ASSERT_TRUE(WriteFileBytes(keys, "SYS_Username=admin\nSYS_Password=pw\nAWS_80211g_SSID=two\n"));
    ASSERT_TRUE(WriteFileBytes(templ, "old content that is longer than the new one ..........................."));
    TemplateConverter converter;
    ASSERT_TRUE(converter.ReadLines(keys));
    converter.SortByBand();
    converter.ApplyRules();
    ASSERT_TRUE(converter.WriteTemplate(templ));
    EXPECT_EQ(CrLfLines(ReadFileBytes(templ)),
              (QList<QByteArray>{"[System]", "ItemCounts=2", "Username=admin", "Password=pw",
                                 "[5GHz_WirelessSettings]", "ItemCounts=0", "[2.4GHz_WirelessSettings]",
                                 "ItemCounts=1", "SSID=two", "[5GHz_SecuritySettings]", "ItemCounts=0",
                                 "[2.4GHz_SecuritySettings]", "ItemCounts=0", "[5GHz_Filter]", "ItemCounts=0",
                                 "[2.4GHz_Filter]", "ItemCounts=0"}));
    EXPECT_FALSE(converter.WriteTemplate(dir.filePath(QStringLiteral("no/dir/t.ini"))));
}
