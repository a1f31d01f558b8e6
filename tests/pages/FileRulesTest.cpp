// The file rules of the maintenance pages: which names each upload takes,
// the ending a configuration download gets, and the dialogs' filters.
#include "pages/FileRules.h"
#include <gtest/gtest.h>

namespace {
using FileRules::Kind;

TEST(FileRulesTest, EachUploadTakesItsEndingsAnywhereInTheName) {
    EXPECT_TRUE(FileRules::Accepts(Kind::Firmware, "image.bin.old"));
    EXPECT_TRUE(FileRules::Accepts(Kind::Firmware, "nxa.tfp"));
    EXPECT_TRUE(FileRules::Accepts(Kind::LanguagePack, "lang.had"));
    EXPECT_FALSE(FileRules::Accepts(Kind::Firmware, "image.BIN"));
    EXPECT_FALSE(FileRules::Accepts(Kind::Firmware, "image.pem"));
    EXPECT_TRUE(FileRules::Accepts(Kind::Certificate, "ap.pem"));
    EXPECT_TRUE(FileRules::Accepts(Kind::Key, "ap.der"));
    EXPECT_FALSE(FileRules::Accepts(Kind::Key, "ap.key"));
    EXPECT_FALSE(FileRules::Accepts(Kind::Certificate, "ap.bin"));
    EXPECT_TRUE(FileRules::Accepts(Kind::Configuration, "backup.dcf"));
    EXPECT_FALSE(FileRules::Accepts(Kind::Configuration, "backup.DCF"));
    EXPECT_FALSE(FileRules::Accepts(Kind::Configuration, ""));
}

TEST(FileRulesTest, TheNameIsWhatFollowsTheLastSlash) {
    EXPECT_EQ(FileRules::FileName("/srv/fw.bin/notes.txt"), "notes.txt");
    EXPECT_EQ(FileRules::FolderOf("/srv/fw.bin/notes.txt"), "/srv/fw.bin");
    EXPECT_EQ(FileRules::FileName("fw.bin"), "fw.bin");
    EXPECT_EQ(FileRules::FolderOf("fw.bin"), "");
    EXPECT_EQ(FileRules::FolderOf("/fw.bin"), "");
    EXPECT_FALSE(FileRules::Accepts(Kind::Firmware, FileRules::FileName("/srv/fw.bin/notes.txt")));
}

TEST(FileRulesTest, DownloadsKeepEitherCaseOfTheirEndingAndGetOneOtherwise) {
    EXPECT_EQ(FileRules::DownloadPath("/b/backup.DCF"), "/b/backup.DCF");
    EXPECT_EQ(FileRules::DownloadPath("/b/backup.dcf"), "/b/backup.dcf");
    EXPECT_EQ(FileRules::DownloadPath("/b/backup.txt"), "/b/backup.txt.dcf");
    EXPECT_EQ(FileRules::DownloadPath("/b.dcf/backup"), "/b.dcf/backup.dcf");
}

TEST(FileRulesTest, ClassicFiltersBecomeNameFilters) {
    EXPECT_EQ(FileRules::NameFilter("(*.DCF)|*.dcf|(*.*)|*.*||"), "*.dcf (*.dcf);;*.* (*.*)");
    EXPECT_EQ(FileRules::NameFilter("All Files(*.*)|*.*|JPG File(*.jpg)|*.jpg||"), "All Files (*.*);;JPG File (*.jpg)");
    EXPECT_EQ(FileRules::NameFilter(""), "");
}

}  // namespace
