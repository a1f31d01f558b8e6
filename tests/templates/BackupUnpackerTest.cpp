#include "BackupFixture.h"
#include "templates/BackupUnpacker.h"
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(templates_BackupUnpacker, GzipStartsAfterTheHeadersZero)
{
    QByteArray head = QByteArray(kHeader) + "\x1f\x8b\x08";
    ASSERT_EQ(QByteArray(kHeader).indexOf('0', 18), 19);
    EXPECT_EQ(BackupUnpacker::GzipStart(head), 20);
    EXPECT_EQ(BackupUnpacker::GzipStart(QByteArray("0\x1f\x8b", 3)), 1);
    EXPECT_EQ(BackupUnpacker::GzipStart("HEADER\x1f\x8b"), 1);
    // Without the gzip magic the last "0" seen decides.
    EXPECT_EQ(BackupUnpacker::GzipStart("A0B0CDEFGHIJKLMNOPQRSTUVWXYZabcdefgh"), 4);
    EXPECT_EQ(BackupUnpacker::GzipStart(""), 1);
}

TEST(templates_BackupUnpacker, ScanEndsAtPosition31UsingTheFilesNextByte)
{
    QByteArray head(31, 'x');
    head += '0';
    EXPECT_EQ(BackupUnpacker::GzipStart(head), 32);
    head += '\x1f';
    EXPECT_EQ(BackupUnpacker::GzipStart(head), 32);
    // A "0" beyond the first 32 bytes is never seen.
    EXPECT_EQ(BackupUnpacker::GzipStart(QByteArray(32, 'x') + "0\x1f"), 1);
}

TEST(templates_BackupUnpacker, TemporaryNameComesFromTheTemplatePath)
{
    EXPECT_EQ(BackupUnpacker::TemporaryPath("/tmp/x/a.ini"), "/tmp/x/a__tmpFile.tmp");
    EXPECT_EQ(BackupUnpacker::TemporaryPath("/tmp/x/a.b.ini"), "/tmp/x/a.b__tmpFile.tmp");
    EXPECT_EQ(BackupUnpacker::TemporaryPath("/tmp/x/a.abcdefghijkl"), "/tmp/x/a__tmpFile.tmpjkl");
    EXPECT_EQ(BackupUnpacker::TemporaryPath("/tmp/x/template"), "");
    EXPECT_EQ(BackupUnpacker::TemporaryPath("/tmp/x.d/template"), "");
}

TEST(templates_BackupUnpacker, EveryLineFeedGetsACarriageReturn)
{
    EXPECT_EQ(BackupUnpacker::ToCrLf("a\nb\n"), "a\r\nb\r\n");
    EXPECT_EQ(BackupUnpacker::ToCrLf("a\r\nb"), "a\r\r\nb");
    EXPECT_EQ(BackupUnpacker::ToCrLf("\n\n"), "\r\n\r\n");
    EXPECT_EQ(BackupUnpacker::ToCrLf("none"), "none");
}

TEST(templates_BackupUnpacker, UnpacksTheXmlAndRemovesTheTemporaryFile)
{
    QTemporaryDir dir;
    const QString backup = dir.filePath(QStringLiteral("ap.dcf"));
    const QString templ = dir.filePath(QStringLiteral("ap.ini"));
    ASSERT_TRUE(WriteBackup(backup, kHeader, GzipBytes(dir.path(), "<config>\n<sys/>\r\n</config>")));
    QByteArray xml;
    QString reason;
    ASSERT_TRUE(BackupUnpacker::Unpack(backup, templ, &xml, &reason)) << reason.toStdString();
    EXPECT_EQ(xml, "<config>\r\n<sys/>\r\r\n</config>");
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("ap__tmpFile.tmp"))));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("ap.dcf")});
}

TEST(templates_BackupUnpacker, BadDataIsRefusedAndCleanedUp)
{
    QTemporaryDir dir;
    const QString backup = dir.filePath(QStringLiteral("ap.dcf"));
    const QString templ = dir.filePath(QStringLiteral("ap.ini"));
    const QByteArray gzip = GzipBytes(dir.path(), DeviceXml(DeviceConfig()));
    QByteArray damaged = gzip;
    damaged[damaged.size() / 2] = static_cast<char>(damaged[damaged.size() / 2] ^ 0x55);
    const std::pair<const char*, QByteArray> cases[] = {
        {"truncated", QByteArray(kHeader) + gzip.left(gzip.size() / 2)},
        {"trailer cut", QByteArray(kHeader) + gzip.left(gzip.size() - 4)},
        {"damaged", QByteArray(kHeader) + damaged},
        {"not gzip", QByteArray(kHeader) + DeviceXml(DeviceConfig())},
        {"no zero in header", QByteArray("NXA-CFG-HEADER:") + gzip},
        {"empty content", QByteArray(kHeader) + GzipBytes(dir.path(), QByteArray())},
        {"header only", QByteArray(kHeader)},
        {"empty file", QByteArray()},
    };
    for (const auto& [name, bytes] : cases) {
        ASSERT_TRUE(WriteFileBytes(backup, bytes));
        QByteArray xml = "stale";
        QString reason;
        EXPECT_FALSE(BackupUnpacker::Unpack(backup, templ, &xml, &reason)) << name;
        EXPECT_FALSE(reason.isEmpty()) << name;
        EXPECT_TRUE(xml.isEmpty()) << name;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("ap.dcf")}) << name;
        EXPECT_EQ(ReadFileBytes(backup), bytes) << name;
    }
    QByteArray xml;
    EXPECT_FALSE(BackupUnpacker::Unpack(dir.filePath(QStringLiteral("missing.dcf")), templ, &xml));
    EXPECT_FALSE(BackupUnpacker::Unpack(backup, dir.filePath(QStringLiteral("no/dir/ap.ini")), &xml));
}

TEST(templates_BackupUnpacker, TemporaryNameEqualToTheBackupIsRefused)
{
    QTemporaryDir dir;
    const QString backup = dir.filePath(QStringLiteral("ap__tmpFile.tmp"));
    const QByteArray bytes = QByteArray(kHeader) + GzipBytes(dir.path(), "<config/>");
    ASSERT_TRUE(WriteFileBytes(backup, bytes));
    QByteArray xml;
    EXPECT_FALSE(BackupUnpacker::Unpack(backup, dir.filePath(QStringLiteral("ap.ini")), &xml));
    EXPECT_EQ(ReadFileBytes(backup), bytes);
}
