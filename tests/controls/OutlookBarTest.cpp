// The outlook bar: folders and items addressed by identity, and the
// notifications its handler may refuse.
#include "controls/OutlookBar.h"
#include <QImage>
#include <gtest/gtest.h>
#include <vector>

namespace {

using FolderId = OutlookBar::FolderId;
using ItemId = OutlookBar::ItemId;

struct Note {
    int Code;
    FolderId Folder;
    ItemId Item;
};

class OutlookBarTest : public testing::Test {
protected:
    void SetUp() override {
        home = bar.AddFolder("Home");
        basic = bar.AddFolder("Basic");
        information = bar.InsertItem(home, -1, "Information", 0);
        wireless = bar.InsertItem(basic, -1, "Wireless", 0);
        lan = bar.InsertItem(basic, -1, "LAN", 0);
        bar.SetNotifyHandler([this](int code, FolderId folder, ItemId item) {
            notes.push_back({code, folder, item});
            return answer;
        });
    }
    std::vector<QString> FolderTexts() const {
        std::vector<QString> texts;
        for (FolderId f : bar.Folders())
            texts.push_back(bar.FolderText(f));
        return texts;
    }
    OutlookBar bar;
    FolderId home{}, basic{};
    ItemId information{}, wireless{}, lan{};
    std::vector<Note> notes;
    bool answer = true;
};

TEST_F(OutlookBarTest, HoldsFoldersAndItemsInOrder) {
    ASSERT_EQ(bar.FolderCount(), 2);
    EXPECT_EQ(bar.Folders(), std::vector<FolderId>({home, basic}));
    EXPECT_EQ(bar.FolderText(basic), "Basic");
    ASSERT_EQ(bar.ItemCount(basic), 2);
    EXPECT_EQ(bar.Items(basic), std::vector<ItemId>({wireless, lan}));
    EXPECT_EQ(bar.ItemText(wireless), "Wireless");
    EXPECT_EQ(bar.ItemText(lan), "LAN");
    EXPECT_EQ(bar.FolderOf(lan), basic);
    EXPECT_EQ(bar.FindItem(basic, "LAN"), lan);
    EXPECT_EQ(bar.FindItem(basic, "lan"), ItemId::None);   // exact text only
    EXPECT_EQ(bar.FindItem(home, "LAN"), ItemId::None);    // only in that folder
    EXPECT_EQ(bar.FindFolder("Basic"), basic);
    const ItemId first = bar.InsertItem(basic, 0, "First", 3);
    EXPECT_EQ(bar.Items(basic).front(), first);
    EXPECT_EQ(bar.ItemImage(first), 3);
    EXPECT_EQ(bar.CurrentFolder(), home);
}

TEST_F(OutlookBarTest, IdsAreNeverShared) {
    const std::vector<int> ids = {int(home), int(basic), int(information), int(wireless), int(lan)};
    for (size_t i = 0; i < ids.size(); ++i) {
        EXPECT_NE(ids[i], 0);
        for (size_t j = i + 1; j < ids.size(); ++j)
            EXPECT_NE(ids[i], ids[j]);
    }
    // Removed ids are not given again.
    bar.RemoveItem(lan);
    bar.RemoveFolder(home);
    const FolderId again = bar.AddFolder("Home");
    const ItemId item = bar.InsertItem(again, -1, "LAN", 0);
    EXPECT_NE(again, home);
    EXPECT_NE(item, lan);
    EXPECT_FALSE(bar.HasItem(lan));
    EXPECT_EQ(bar.ItemText(lan), "");
}

TEST_F(OutlookBarTest, ClickAndFolderChangeAreReported) {
    bar.ClickItem(lan);
    bar.SetCurrentFolder(basic);
    bar.SetCurrentFolder(basic);   // no change, no notification
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0].Code, OutlookBar::ItemClicked);
    EXPECT_EQ(notes[0].Folder, basic);
    EXPECT_EQ(notes[0].Item, lan);
    EXPECT_EQ(notes[1].Code, OutlookBar::FolderChanged);
    EXPECT_EQ(notes[1].Folder, basic);
    EXPECT_EQ(bar.CurrentFolder(), basic);
}

TEST_F(OutlookBarTest, DeletionOnlyWhenTheHandlerAllows) {
    answer = false;
    EXPECT_FALSE(bar.DeleteItemByUser(wireless));
    EXPECT_FALSE(bar.DeleteFolderByUser(basic));
    EXPECT_EQ(bar.ItemCount(basic), 2);
    EXPECT_EQ(bar.FolderCount(), 2);
    answer = true;
    EXPECT_TRUE(bar.DeleteItemByUser(wireless));
    EXPECT_EQ(bar.Items(basic), std::vector<ItemId>({lan}));
    EXPECT_TRUE(bar.DeleteFolderByUser(home));
    EXPECT_EQ(FolderTexts(), std::vector<QString>({"Basic"}));
    ASSERT_EQ(notes.size(), 4u);
    EXPECT_EQ(notes[0].Code, OutlookBar::DeleteItem);
    EXPECT_EQ(notes[0].Item, wireless);
    EXPECT_EQ(notes[1].Code, OutlookBar::DeleteFolder);
    EXPECT_EQ(notes[1].Folder, basic);
    EXPECT_EQ(notes[1].Item, ItemId::None);
    EXPECT_EQ(notes[3].Folder, home);
}

TEST_F(OutlookBarTest, AnItemKeepsItsIdWhenAnEarlierOneIsRemoved) {
    EXPECT_TRUE(bar.DeleteItemByUser(wireless));
    notes.clear();
    bar.ClickItem(lan);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0].Item, lan);
    EXPECT_EQ(bar.ItemText(notes[0].Item), "LAN");
    // The removed item is gone for good: clicking or removing it does nothing.
    bar.ClickItem(wireless);
    EXPECT_FALSE(bar.DeleteItemByUser(wireless));
    EXPECT_EQ(notes.size(), 1u);
    EXPECT_EQ(bar.ItemCount(basic), 1);
}

TEST_F(OutlookBarTest, RemovingAFolderBeforeTheCurrentOneKeepsTheCurrentFolder) {
    const FolderId status = bar.AddFolder("Status");
    bar.SetCurrentFolder(basic);
    EXPECT_TRUE(bar.DeleteFolderByUser(home));
    EXPECT_EQ(bar.CurrentFolder(), basic);
    EXPECT_EQ(bar.FolderText(bar.CurrentFolder()), "Basic");
    // Ids taken before the removal still name the same folders and items.
    EXPECT_EQ(bar.FolderText(status), "Status");
    EXPECT_EQ(bar.FindItem(basic, "LAN"), lan);
    bar.SetCurrentFolder(home);   // gone: ignored
    EXPECT_EQ(bar.CurrentFolder(), basic);
    bar.SetCurrentFolder(status);
    EXPECT_EQ(bar.CurrentFolder(), status);
}

TEST_F(OutlookBarTest, RemovingTheCurrentFolderMakesItsSuccessorCurrent) {
    const FolderId status = bar.AddFolder("Status");
    bar.SetCurrentFolder(basic);
    bar.RemoveFolder(basic);
    EXPECT_EQ(bar.CurrentFolder(), status);
    bar.RemoveFolder(status);   // the last one: the one before takes over
    EXPECT_EQ(bar.CurrentFolder(), home);
    bar.RemoveFolder(home);
    EXPECT_EQ(bar.CurrentFolder(), FolderId::None);
    EXPECT_EQ(bar.FolderCount(), 0);
}

TEST_F(OutlookBarTest, UnknownIdsDoNothing) {
    bar.ClickItem(static_cast<ItemId>(999));
    bar.RemoveItem(static_cast<ItemId>(999));
    bar.RemoveFolder(static_cast<FolderId>(999));
    EXPECT_FALSE(bar.DeleteItemByUser(ItemId::None));
    EXPECT_FALSE(bar.DeleteFolderByUser(FolderId::None));
    EXPECT_TRUE(notes.empty());
    EXPECT_EQ(bar.InsertItem(static_cast<FolderId>(999), 0, "x", 0), ItemId::None);
    EXPECT_EQ(bar.FolderCount(), 2);
    EXPECT_EQ(bar.ItemCount(basic), 2);
}

TEST_F(OutlookBarTest, PaintsWithItsColours) {
    bar.resize(120, 300);
    bar.SetBackColor(QColor(0x3A, 0x6E, 0xA5));
    const QImage image = bar.grab().toImage();
    // Below the folder buttons and away from the icons: the background.
    EXPECT_EQ(image.pixelColor(2, 299 - 2 * 24 - 4), QColor(0x3A, 0x6E, 0xA5));
}

// A folder with more items than the bar's height holds scrolls them: the
// items beyond the area are not shown until scrolled to, scrolling stops at
// either end, and another folder starts at its first item.
TEST_F(OutlookBarTest, AFolderWithMoreItemsThanFitScrollsThem) {
    bar.resize(140, 400);
    std::vector<ItemId> many;
    for (int i = 0; i < 10; ++i)
        many.push_back(bar.InsertItem(basic, -1, QStringLiteral("Page %1").arg(i), 0));
    bar.SetCurrentFolder(basic);
    EXPECT_TRUE(bar.ItemShown(wireless));
    EXPECT_FALSE(bar.ItemShown(many.back()));
    bar.ScrollItems(100);
    const int last = bar.FirstShownItem();
    EXPECT_GT(last, 0);
    EXPECT_TRUE(bar.ItemShown(many.back()));
    EXPECT_FALSE(bar.ItemShown(wireless));
    bar.ScrollItems(1);   // already at the end
    EXPECT_EQ(bar.FirstShownItem(), last);
    QImage image(bar.size(), QImage::Format_RGB32);
    bar.render(&image);   // paints with the scroll arrows
    bar.ScrollItems(-100);
    EXPECT_EQ(bar.FirstShownItem(), 0);
    bar.ScrollItems(3);
    bar.SetCurrentFolder(home);
    EXPECT_EQ(bar.FirstShownItem(), 0);
    EXPECT_TRUE(bar.ItemShown(information));
    // A taller bar holds them all: nothing to scroll.
    bar.SetCurrentFolder(basic);
    bar.resize(140, 2000);
    bar.ScrollItems(5);
    EXPECT_EQ(bar.FirstShownItem(), 0);
    EXPECT_TRUE(bar.ItemShown(many.back()));
}

}  // namespace
