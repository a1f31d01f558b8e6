#include "snmp/CZRException.h"
#include "snmp/ErrorCatalog.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace ErrorCatalog;

class CatalogTest : public testing::Test {
protected:
    void TearDown() override { ResetCatalogs(); }
    QString Write(const QString& name, const QByteArray& content) {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
        return path;
    }
    QTemporaryDir dir;
};

TEST_F(CatalogTest, BuiltInTablesHaveTheirSizes) {
    EXPECT_EQ(BuiltIn(SnmpClass).size(), 23);
    EXPECT_EQ(BuiltIn(SnmpPdu).size(), 18);
    EXPECT_EQ(BuiltIn(SnmpMsg).size(), 2);
    EXPECT_EQ(BuiltIn(ZrSnmp).size(), 30);
    EXPECT_EQ(BuiltIn(SnmpV3).size(), 17);
    EXPECT_EQ(BuiltIn(SnmpUsm).size(), 14);
    EXPECT_EQ(BuiltIn(Common).size(), 19);
    EXPECT_STREQ(FileName(SnmpClass), "snmpclass.err");
    EXPECT_STREQ(FileName(Common), "common.err");
}

TEST_F(CatalogTest, MapSnmpStatusCoversEveryRange) {
    struct Case { int status; int number; const char* text; };
    const Case cases[] = {
        {0, 0, "(ZrSNMP++) Ok!"},
        {-1401, 0, "(ZrSNMP++) Ok!"},
        {1400, 0, "(ZrSNMP++) Ok!"},
        {1401, -301, "(SNMPv3USM) error!"},
        {1414, -314, "(SNMPv3USM) Address error!"},
        {-1402, -201, "(SNMPv3) Unsupported Security Model!"},
        {-1418, -217, "(SNMPv3) Report sent!"},
        {1, -101, "(SNMP) Response PDU Too Big!"},
        {2, -102, "(SNMP) Variable does not exist!"},
        {18, -118, "(SNMP) Cannot create variable, Inconsistent Name!"},
        {-1, -401, "(SNMPClass) Operation failed!"},
        {-5, -405, "(SNMPClass) SNMP request timed out!"},
        {-20, -420, "(SNMP Class) Transport is not supported!"},
        {-23, -423, "(SNMPClass) Blocked Mode Shutdown!"},
        {99, -528, "(ZrSNMP++) Unknown error code!"},
        {19, -528, "(ZrSNMP++) Unknown error code!"},
        {-24, -528, "(ZrSNMP++) Unknown error code!"},
        {1415, -528, "(ZrSNMP++) Unknown error code!"},
        {-1419, -528, "(ZrSNMP++) Unknown error code!"},
        {-1400, -528, "(ZrSNMP++) Unknown error code!"},
    };
    for (const Case& c : cases) {
        const MappedStatus m = MapSnmpStatus(c.status);
        EXPECT_EQ(m.Number, c.number) << c.status;
        EXPECT_EQ(m.Text, QString::fromUtf8(c.text)) << c.status;
    }
}

TEST_F(CatalogTest, ExceptionTakesTextFromItsRange) {
    EXPECT_EQ(CZRException(-511).Text(), "(ZrSNMP++) Bad SNMP syntax!");
    EXPECT_EQ(CZRException(-509).Text(), "(ZrSNMP++) Invalid IP Address or DNS name!");
    EXPECT_EQ(CZRException(-14).Text(), "(ZrCommon) The source to dncrypt is not encrypted!");
    EXPECT_EQ(CZRException(-8).Text(), " Please enter a number between [MIN] and [MAX]!");
    EXPECT_EQ(CZRException(-217).Text(), "(SNMPv3) Report sent!");
    EXPECT_EQ(CZRException(-304).Text(), "(SNMPv3USM) Unknown SecurityName!");
    EXPECT_EQ(CZRException(-10000, "custom").Text(), "custom");
    EXPECT_EQ(CZRException(-405).Number(), -405);
    EXPECT_STREQ(CZRException(-405).what(), "(SNMPClass) SNMP request timed out!");
}

TEST_F(CatalogTest, FileReplacesLineByLineIgnoringBlankLines) {
    const QString a = Write("a.err", "  first  \n\n\nsecond\r\n   \nthird\n");
    const QString b = Write("b.err", "first\nsecond\nthird\n");
    ASSERT_TRUE(LoadCatalog(SnmpPdu, a));
    const QStringList fromA{Text(SnmpPdu, 0), Text(SnmpPdu, 1), Text(SnmpPdu, 2)};
    ASSERT_TRUE(LoadCatalog(SnmpPdu, b));
    const QStringList fromB{Text(SnmpPdu, 0), Text(SnmpPdu, 1), Text(SnmpPdu, 2)};
    EXPECT_EQ(fromA, fromB);
    EXPECT_EQ(fromA, (QStringList{"first", "second", "third"}));
    EXPECT_EQ(MapSnmpStatus(2).Text, "second");
}

TEST_F(CatalogTest, FewerLinesKeepBuiltInTextsAbove) {
    ASSERT_TRUE(LoadCatalog(SnmpClass, Write("short.err", "only one\n")));
    EXPECT_EQ(Text(SnmpClass, 0), "only one");
    EXPECT_EQ(MapSnmpStatus(-5).Text, "(SNMPClass) SNMP request timed out!");
    EXPECT_EQ(Text(SnmpClass, 99), QString());
}

TEST_F(CatalogTest, MissingOrEmptyFileKeepsCatalog) {
    EXPECT_FALSE(LoadCatalog(Common, dir.filePath("missing.err")));
    EXPECT_FALSE(LoadCatalog(Common, Write("empty.err", "\n   \n\t\n")));
    EXPECT_EQ(Text(Common, 0), "(ZrCommon) Ok!");
}

TEST_F(CatalogTest, LongLinesAreReadInPieces) {
    const QByteArray longLine(1500, 'x');
    ASSERT_TRUE(LoadCatalog(ZrSnmp, Write("long.err", longLine + "\nnext\n")));
    EXPECT_EQ(Text(ZrSnmp, 0).size(), 1023);
    EXPECT_EQ(Text(ZrSnmp, 1).size(), 1500 - 1023);
    EXPECT_EQ(Text(ZrSnmp, 2), "next");
}

TEST_F(CatalogTest, LoadCatalogsReadsAllSevenFromTheFolder) {
    Write("snmpclass.err", "class0\n");
    Write("snmp.err", "pdu0\n");
    Write("snmp.msg", "get [ERROR]\nset [ERROR]\n");
    Write("zrsnmp.err", "ok\n");
    Write("snmpv3.err", "v3\n");
    Write("snmpusm.err", "usm\n");
    Write("common.err", "common\n");
    LoadCatalogs(dir.path());
    EXPECT_EQ(Text(SnmpClass, 0), "class0");
    EXPECT_EQ(Text(SnmpPdu, 0), "pdu0");
    EXPECT_EQ(Text(SnmpMsg, 1), "set [ERROR]");
    EXPECT_EQ(Text(ZrSnmp, 0), "ok");
    EXPECT_EQ(Text(SnmpV3, 0), "v3");
    EXPECT_EQ(Text(SnmpUsm, 0), "usm");
    EXPECT_EQ(Text(Common, 0), "common");
}

TEST_F(CatalogTest, WrittenCatalogsReadBackAsTheBuiltInTexts) {
    int fitting = 0;
    for (int c = 0; c < CatalogCount; ++c)
        fitting += FitsInLines(static_cast<Catalog>(c)) ? 1 : 0;
    // common.err has texts with line breaks and a leading blank.
    EXPECT_FALSE(FitsInLines(Common));
    ASSERT_EQ(WriteBuiltInCatalogs(dir.path()), fitting);
    EXPECT_EQ(fitting, 6);
    for (int c = 0; c < CatalogCount; ++c) {
        const auto catalog = static_cast<Catalog>(c);
        const QString path = dir.filePath(QString::fromLatin1(FileName(catalog)));
        if (!FitsInLines(catalog)) {
            EXPECT_FALSE(QFile::exists(path)) << FileName(catalog);
            continue;
        }
        const QStringList builtIn = BuiltIn(catalog);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << FileName(catalog);
        QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        ASSERT_EQ(lines.takeLast(), QString()) << FileName(catalog) << " ends without a new line";
        EXPECT_EQ(lines, builtIn) << FileName(catalog);
        ASSERT_TRUE(LoadCatalog(catalog, path)) << FileName(catalog);
        for (int i = 0; i < builtIn.size(); ++i)
            EXPECT_EQ(Text(catalog, i), builtIn[i]) << FileName(catalog) << " line " << i + 1;
    }
}

TEST_F(CatalogTest, WritingIntoAMissingFolderFails) {
    EXPECT_EQ(WriteBuiltInCatalogs(dir.filePath(QStringLiteral("no/such/folder"))), -1);
}

TEST_F(CatalogTest, DefaultFolderIsBesideTheModule) {
    EXPECT_TRUE(CatalogFolder().endsWith("/NXA-7310/errMSg/"));
}

}  // namespace
