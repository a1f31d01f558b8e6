#include "servers/FtpPathResolver.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(ServersPaths, NormalizesAndRefusesClimbingAboveTheRoot) {
    EXPECT_EQ(FtpPathResolver::Normalize("/", "a.txt"), QStringLiteral("/a.txt"));
    EXPECT_EQ(FtpPathResolver::Normalize("/sub", "a.txt"), QStringLiteral("/sub/a.txt"));
    EXPECT_EQ(FtpPathResolver::Normalize("/sub", "/a.txt"), QStringLiteral("/a.txt"));
    EXPECT_EQ(FtpPathResolver::Normalize("/sub", ".."), QStringLiteral("/"));
    EXPECT_EQ(FtpPathResolver::Normalize("/", "x//./y/../z/"), QStringLiteral("/x/z"));
    EXPECT_EQ(FtpPathResolver::Normalize("/", "."), QStringLiteral("/"));
    EXPECT_TRUE(FtpPathResolver::Normalize("/", "..").isEmpty());
    EXPECT_TRUE(FtpPathResolver::Normalize("/sub", "../..").isEmpty());
    EXPECT_TRUE(FtpPathResolver::Normalize("/", "/../etc/passwd").isEmpty());
    EXPECT_TRUE(FtpPathResolver::Normalize("/", "a/../../b").isEmpty());
    EXPECT_TRUE(FtpPathResolver::Normalize("/", QStringLiteral("a\nb")).isEmpty());
    EXPECT_TRUE(FtpPathResolver::Normalize("/", QString(QChar(0)) + "x").isEmpty());
    // Names are taken as they are: no decoding, a backslash is an ordinary character.
    EXPECT_EQ(FtpPathResolver::Normalize("/", "%2e%2e"), QStringLiteral("/%2e%2e"));
    EXPECT_EQ(FtpPathResolver::Normalize("/", "..\\x"), QStringLiteral("/..\\x"));
    EXPECT_EQ(FtpPathResolver::Normalize("/", "...."), QStringLiteral("/...."));
}

class ServersPathsOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        home_ = dir_.path() + "/home";
        ASSERT_TRUE(QDir().mkpath(home_ + "/sub"));
        ASSERT_TRUE(QDir().mkpath(dir_.path() + "/outside"));
        Touch(home_ + "/a.txt");
        Touch(dir_.path() + "/outside/secret");
        Touch(dir_.path() + "/home2-file");
        ASSERT_TRUE(QFile::link(dir_.path() + "/outside/secret", home_ + "/out-link"));
        ASSERT_TRUE(QFile::link(dir_.path() + "/outside", home_ + "/out-dir"));
        ASSERT_TRUE(QFile::link(home_ + "/a.txt", home_ + "/in-link"));
        ASSERT_TRUE(QFile::link(dir_.path() + "/nowhere", home_ + "/dangling"));
        // A sibling whose name starts like the home folder's is still outside.
        ASSERT_TRUE(QFile::link(dir_.path() + "/home2-file", home_ + "/prefix-link"));
    }
    static void Touch(const QString& path) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QTemporaryDir dir_;
    QString home_;
};

TEST_F(ServersPathsOnDisk, ExistingEntriesStayInside) {
    const FtpPathResolver paths(home_);
    ASSERT_TRUE(paths.IsValid());
    const QString root = paths.Root();
    EXPECT_EQ(paths.Existing("/"), root);
    EXPECT_EQ(paths.Existing("/a.txt"), root + "/a.txt");
    EXPECT_EQ(paths.Existing("/in-link"), root + "/a.txt");
    EXPECT_EQ(paths.Existing("/sub"), root + "/sub");
    EXPECT_TRUE(paths.Existing("/out-link").isEmpty());
    EXPECT_TRUE(paths.Existing("/out-dir").isEmpty());
    EXPECT_TRUE(paths.Existing("/out-dir/secret").isEmpty());
    EXPECT_TRUE(paths.Existing("/dangling").isEmpty());
    EXPECT_TRUE(paths.Existing("/prefix-link").isEmpty());
    EXPECT_TRUE(paths.Existing("/missing").isEmpty());
    EXPECT_TRUE(paths.Existing("relative").isEmpty());
}

TEST_F(ServersPathsOnDisk, WritableNamesStayInside) {
    const FtpPathResolver paths(home_);
    const QString root = paths.Root();
    EXPECT_EQ(paths.Writable("/new.bin"), root + "/new.bin");
    EXPECT_EQ(paths.Writable("/sub/new.bin"), root + "/sub/new.bin");
    EXPECT_EQ(paths.Writable("/a.txt"), root + "/a.txt");
    EXPECT_EQ(paths.Writable("/in-link"), root + "/a.txt");
    EXPECT_TRUE(paths.Writable("/").isEmpty());
    EXPECT_TRUE(paths.Writable("/sub").isEmpty());
    EXPECT_TRUE(paths.Writable("/out-link").isEmpty());
    EXPECT_TRUE(paths.Writable("/dangling").isEmpty());
    EXPECT_TRUE(paths.Writable("/out-dir/new").isEmpty());
    EXPECT_TRUE(paths.Writable("/missing/new").isEmpty());
    // Entry() gives the link itself for removal.
    EXPECT_EQ(paths.Entry("/out-link"), root + "/out-link");
    EXPECT_TRUE(paths.Entry("/out-dir/secret").isEmpty());
}

TEST(ServersPaths, AMissingHomeIsInvalid) {
    const FtpPathResolver paths(QStringLiteral("/nonexistent/folder/for/sure"));
    EXPECT_FALSE(paths.IsValid());
    EXPECT_TRUE(paths.Existing("/").isEmpty());
    EXPECT_TRUE(paths.Writable("/x").isEmpty());
}

}  // namespace
