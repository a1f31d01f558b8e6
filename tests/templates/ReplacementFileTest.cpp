#include "BackupFixture.h"
#include "templates/ReplacementFile.h"
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(templates_ReplacementFile, OldContentStaysUntilCommit)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("ap.dcf"));
    ASSERT_TRUE(WriteFileBytes(target, "old"));
    {
        ReplacementFile replacement(target);
        EXPECT_FALSE(replacement.WritesDirectly());
        EXPECT_NE(replacement.Path(), target);
        ASSERT_TRUE(WriteFileBytes(replacement.Path(), "new"));
        EXPECT_EQ(ReadFileBytes(target), "old");
        ASSERT_TRUE(replacement.Commit());
        EXPECT_EQ(replacement.Path(), target);
    }
    EXPECT_EQ(ReadFileBytes(target), "new");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("ap.dcf")});
}

TEST(templates_ReplacementFile, UncommittedContentIsDropped)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("ap.dcf"));
    ASSERT_TRUE(WriteFileBytes(target, "old"));
    {
        ReplacementFile replacement(target);
        ASSERT_TRUE(WriteFileBytes(replacement.Path(), "new"));
    }
    EXPECT_EQ(ReadFileBytes(target), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("ap.dcf")});
}

TEST(templates_ReplacementFile, WritesDirectlyWhereNothingCanBeCreatedBeside)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("no/such/dir/ap.dcf"));
    ReplacementFile replacement(target);
    EXPECT_TRUE(replacement.WritesDirectly());
    EXPECT_EQ(replacement.Path(), target);
    EXPECT_TRUE(replacement.Commit());
}
