// The reader of nxa-sim's request trace: fields, escapes, and the SET records of one device.
#include "support/SimTrace.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

QString WriteTrace(const QTemporaryDir& dir, const QByteArray& text) {
    const QString path = dir.filePath(QStringLiteral("trace.tsv"));
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
    return path;
}

}  // namespace

TEST(SimTrace, ReadsGetsAndSetsWithTheirVarbinds) {
    QTemporaryDir dir;
    const QString path = WriteTrace(dir,
        "2026-01-02T03:04:05.006\t127.0.1.1\tGET\t1.3.6.1.2.1.1.5.0\t1.3.6.1.2.1.1.6.0\n"
        "2026-01-02T03:04:05.010\t127.0.1.2\tSET\t1.3.6.1.2.1.1.5.0=ap-2\t1.3.6.1.4.1.171.10.37.36.1.1.0=7\n"
        "2026-01-02T03:04:05.020\t127.0.1.1\tGETBULK\t1.3.6.1.2.1.2.2.1.1\n");
    const std::vector<SimTraceRecord> records = ReadSimTrace(path);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].Time, "2026-01-02T03:04:05.006");
    EXPECT_EQ(records[0].Address, "127.0.1.1");
    EXPECT_EQ(records[0].Type, "GET");
    ASSERT_EQ(records[0].Varbinds.size(), 2u);
    EXPECT_EQ(records[0].Varbinds[1].Oid, "1.3.6.1.2.1.1.6.0");
    EXPECT_TRUE(records[0].Varbinds[1].Value.isEmpty());
    EXPECT_EQ(records[1].Type, "SET");
    ASSERT_EQ(records[1].Varbinds.size(), 2u);
    EXPECT_EQ(records[1].Varbinds[0].Oid, "1.3.6.1.2.1.1.5.0");
    EXPECT_EQ(records[1].Varbinds[0].Value, "ap-2");
    EXPECT_EQ(records[1].Varbinds[1].Value, "7");
    EXPECT_EQ(records[2].Type, "GETBULK");
}

TEST(SimTrace, SetValuesAreUnescaped) {
    SimTraceRecord record;
    ASSERT_TRUE(ParseSimTraceLine(QStringLiteral("t\t127.0.1.1\tSET\t1.2.3=a\\tb\\\\c\\r\\nd=e\t1.2.4="), record));
    ASSERT_EQ(record.Varbinds.size(), 2u);
    EXPECT_EQ(record.Varbinds[0].Value, QStringLiteral("a\tb\\c\r\nd=e"));
    EXPECT_EQ(record.Varbinds[1].Oid, "1.2.4");
    EXPECT_EQ(record.Varbinds[1].Value, "");
}

TEST(SimTrace, SecurityFieldIsReadWhenTraced) {
    SimTraceRecord record;
    ASSERT_TRUE(ParseSimTraceLine(QStringLiteral("t\t127.0.1.1\tv3:nxaSha:authPriv\tSET\t1.2.3=x"), record));
    EXPECT_EQ(record.Security, "v3:nxaSha:authPriv");
    EXPECT_EQ(record.Type, "SET");
    ASSERT_EQ(record.Varbinds.size(), 1u);
    EXPECT_EQ(record.Varbinds[0].Value, "x");
    ASSERT_TRUE(ParseSimTraceLine(QStringLiteral("t\t127.0.1.1\tv2c\tGET\t1.2.3"), record));
    EXPECT_EQ(record.Security, "v2c");
    EXPECT_EQ(record.Type, "GET");
    ASSERT_TRUE(ParseSimTraceLine(QStringLiteral("t\t127.0.1.1\tGET\t1.2.3"), record));
    EXPECT_TRUE(record.Security.isEmpty());
    EXPECT_FALSE(ParseSimTraceLine(QStringLiteral("t\t127.0.1.1\tv1\tget\t1.2.3"), record));
}

TEST(SimTrace, MalformedAndIncompleteLinesAreLeftOut) {
    SimTraceRecord record;
    EXPECT_FALSE(ParseSimTraceLine(QStringLiteral("t\t127.0.1.1"), record));
    EXPECT_FALSE(ParseSimTraceLine(QStringLiteral("t\t127.0.1.1\tset\t1.2.3=1"), record));
    EXPECT_FALSE(ParseSimTraceLine(QStringLiteral("t\t127.0.1.1\tSET\t1.2.3"), record));
    QTemporaryDir dir;
    const QString path = WriteTrace(dir, "t\t127.0.1.1\tGET\t1.2.3\nnot a record\nt\t127.0.1.1\tSET\t1.2.3=half");
    const std::vector<SimTraceRecord> records = ReadSimTrace(path);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].Type, "GET");
    EXPECT_TRUE(ReadSimTrace(dir.filePath(QStringLiteral("missing.tsv"))).empty());
}

TEST(SimTrace, SetsOfOneDeviceWithOrWithoutItsPort) {
    QTemporaryDir dir;
    const QString path = WriteTrace(dir,
        "t1\t127.0.1.1:1161\tSET\t1.1=a\n"
        "t2\t127.0.1.11:1161\tSET\t1.1=b\n"
        "t3\t127.0.1.1:1161\tGET\t1.1\n"
        "t4\t127.0.1.1:1161\tSET\t1.2=c\n");
    const std::vector<SimTraceRecord> records = ReadSimTrace(path);
    std::vector<SimTraceRecord> sets = SimTraceSets(records, QStringLiteral("127.0.1.1"));
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(sets[0].Time, "t1");
    EXPECT_EQ(sets[1].Varbinds[0].Value, "c");
    EXPECT_EQ(SimTraceSets(records, QStringLiteral("127.0.1.1:1161")).size(), 2u);
    EXPECT_EQ(SimTraceSets(records, QStringLiteral("127.0.1.1:1162")).size(), 0u);
    EXPECT_EQ(SimTraceSets(records, QStringLiteral("127.0.1.11")).size(), 1u);
}
