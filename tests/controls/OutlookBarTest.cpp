// The outlook bar: folders and items, and the notifications its handler may refuse.
#include "controls/OutlookBar.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

struct Note {
    int Code, Folder, Item;
};

class OutlookBarTest : public testing::Test {
protected:
    void SetUp() override {
        bar.AddFolder("Home");
        bar.AddFolder("Basic");
        bar.InsertItem(0, -1, "Information", 0);
        bar.InsertItem(1, -1, "Wireless", 0);
        bar.InsertItem(1, -1, "LAN", 0);
        bar.SetNotifyHandler([this](int code, int folder, int item) {
            notes.push_back({code, folder, item});
            return answer;
        });
    }
    OutlookBar bar;
    std::vector<Note> notes;
    bool answer = true;
};

TEST_F(OutlookBarTest, HoldsFoldersAndItemsInOrder) {
    ASSERT_EQ(bar.FolderCount(), 2);
    EXPECT_EQ(bar.FolderText(1), "Basic");
    ASSERT_EQ(bar.ItemCount(1), 2);
    EXPECT_EQ(bar.ItemText(1, 0), "Wireless");
    EXPECT_EQ(bar.ItemText(1, 1), "LAN");
    EXPECT_EQ(bar.FindItem(1, "LAN"), 1);
    EXPECT_EQ(bar.FindItem(1, "lan"), -1);   // exact text only
    bar.InsertItem(1, 0, "First", 3);
    EXPECT_EQ(bar.ItemText(1, 0), "First");
    EXPECT_EQ(bar.ItemImage(1, 0), 3);
    EXPECT_EQ(bar.SelFolder(), 0);
}

TEST_F(OutlookBarTest, ClickAndFolderChangeAreReported) {
    bar.ClickItem(1, 1);
    bar.SetSelFolder(1);
    bar.SetSelFolder(1);   // no change, no notification
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0].Code, OutlookBar::ItemClicked);
    EXPECT_EQ(notes[0].Item, 1);
    EXPECT_EQ(notes[1].Code, OutlookBar::FolderChanged);
    EXPECT_EQ(bar.SelFolder(), 1);
}

TEST_F(OutlookBarTest, DeletionOnlyWhenTheHandlerAllows) {
    answer = false;
    EXPECT_FALSE(bar.DeleteItemByUser(1, 0));
    EXPECT_FALSE(bar.DeleteFolderByUser(1));
    EXPECT_EQ(bar.ItemCount(1), 2);
    EXPECT_EQ(bar.FolderCount(), 2);
    answer = true;
    EXPECT_TRUE(bar.DeleteItemByUser(1, 0));
    EXPECT_EQ(bar.ItemText(1, 0), "LAN");
    EXPECT_TRUE(bar.DeleteFolderByUser(0));
    EXPECT_EQ(bar.FolderText(0), "Basic");
    ASSERT_EQ(notes.size(), 4u);
    EXPECT_EQ(notes[0].Code, OutlookBar::DeleteItem);
    EXPECT_EQ(notes[1].Code, OutlookBar::DeleteFolder);
}

TEST_F(OutlookBarTest, OutOfRangeRequestsDoNothing) {
    bar.ClickItem(0, 5);
    bar.RemoveItem(7, 0);
    EXPECT_FALSE(bar.DeleteItemByUser(0, 9));
    EXPECT_TRUE(notes.empty());
    EXPECT_EQ(bar.InsertItem(9, 0, "x", 0), -1);
}

TEST_F(OutlookBarTest, PaintsWithItsColours) {
    bar.resize(120, 300);
    bar.SetBackColor(QColor(0x3A, 0x6E, 0xA5));
    const QImage image = bar.grab().toImage();
    // Below the folder buttons and away from the icons: the background.
    EXPECT_EQ(image.pixelColor(2, 299 - 2 * 24 - 4), QColor(0x3A, 0x6E, 0xA5));
}

}  // namespace
