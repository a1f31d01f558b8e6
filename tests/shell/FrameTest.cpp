// The frame: menu, outlook bar, page switch and captions, status line, delete
// questions, and closing while a page is busy.
#include "WindowFixture.h"
#include "controls/IpAddressEdit.h"
#include "controls/OutlookBar.h"
#include <QComboBox>
#include "shell/CaptionStrip.h"
#include "shell/MainDoc.h"
#include "shell/ShellTexts.h"
#include "shell/StatusPost.h"
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>

namespace {

QStringList MenuBarTexts(CMainFrame* frame, const QString& top = {}) {
    QStringList texts;
    for (QAction* a : frame->menuBar()->actions()) {
        if (top.isEmpty()) {
            texts << a->text();
        } else if (a->text() == top && a->menu()) {
            for (QAction* item : a->menu()->actions()) {
                if (!item->isSeparator())
                    texts << item->text();
            }
        }
    }
    return texts;
}

// The bar's item with this text in the folder with this text (None when gone).
OutlookBar::ItemId BarItem(OutlookBar* bar, const QString& folder, const QString& item) {
    return bar->FindItem(bar->FindFolder(folder), item);
}

QString CurrentFolderText(OutlookBar* bar) { return bar->FolderText(bar->CurrentFolder()); }

// The action of the menu item `item` under the top-level menu `top`, or nullptr.
QAction* MenuAction(CMainFrame* frame, const QString& top, const QString& item) {
    for (QAction* a : frame->menuBar()->actions()) {
        if (a->text() != top || !a->menu())
            continue;
        for (QAction* candidate : a->menu()->actions()) {
            if (candidate->text() == item)
                return candidate;
        }
    }
    return nullptr;
}

// A page that records the window commands it is offered and carries out
// Discard Changes (standing in for the page that owns that sequence).
class CommandRecorderPage : public CPage {
public:
    using CPage::CPage;
    static CPage* Make(CMainView* view, const PageRow& row) { return new CommandRecorderPage(view, row); }
    bool HandleCommand(int commandId) override {
        Offered.push_back(commandId);
        if (commandId != PageRegistry::CmdDiscardChanges)
            return false;
        ++Discards;
        return true;
    }
    std::vector<int> Offered;
    int Discards = 0;
};

// Builds a page class with a test page for one test.
class PageFactoryOverride {
public:
    PageFactoryOverride(const char* pageClass, PageFactory factory) : pageClass_(pageClass) {
        PageRegistry::SetFactory(pageClass, factory);
    }
    ~PageFactoryOverride() { PageRegistry::SetFactory(pageClass_, nullptr); }

private:
    const char* pageClass_;
};

using FrameTest = WindowTest;

TEST_F(FrameTest, FixedCentredFrameWithOnePaneAndTheBarAtASeventh) {
    Open(kLive);
    EXPECT_EQ(frame->windowTitle(), "NXA-7310");
    EXPECT_EQ(frame->minimumSize(), frame->maximumSize());
    EXPECT_FALSE(frame->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(frame->Splitter()->sizes().at(0), CMainFrame::kWidth / 7);
    // Centred on the screen's free area.
    const QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    const QPoint offset = frame->frameGeometry().center() - screen->availableGeometry().center();
    EXPECT_LE(qAbs(offset.x()), 1) << offset.x();
    EXPECT_LE(qAbs(offset.y()), 1) << offset.y();
    EXPECT_EQ(CMainFrame::Instance(), frame.data());
    StatusText::Post("a line for the status bar");
    EXPECT_EQ(frame->StatusLine(), "a line for the status bar");
    EXPECT_EQ(frame->View()->CaptionText(), "Information");
    EXPECT_EQ(frame->View()->Caption()->geometry().height(), 20);
    EXPECT_EQ(frame->View()->Caption()->TextRect().left(), 1);
    // The probe page sits in the page rectangle, below the caption.
    EXPECT_EQ(Probe()->geometry(), frame->View()->PageRect());
    frame->View()->resize(500, 300);
    EXPECT_EQ(Probe()->geometry(), QRect(0, 20, 500, 280));
}

TEST_F(FrameTest, MenuTextsAfterStartUp) {
    Open(kLive);
    EXPECT_EQ(MenuBarTexts(frame),
              QStringList({"&File", "&Home", "&Basic", "&Advanced", "&Maintenance", "&Status", "&System", "&Help"}));
    EXPECT_EQ(MenuBarTexts(frame, "&Maintenance"),
              QStringList({"&Admin", "&Firmware and SSL", "&Configuration File", "&Date and Time"}));
    const QStringList advanced = MenuBarTexts(frame, "&Advanced");
    EXPECT_EQ(advanced, QStringList({"&Performance", "&Filter", "&DHCP Server", "&Multi-SSID", "&Intrusion", "&VLAN",
                                     "&Schedule", "Ap Array", "Internal RADIUS Server", "Traffic Control"}));
    for (const char* gone : {"&Tools", "&SNTP", "&Rogue AP", "&WLAN Partition", "&Grouping", "&Misc"}) {
        EXPECT_FALSE(MenuBarTexts(frame).contains(gone));
        for (const QString& top : MenuBarTexts(frame))
            EXPECT_FALSE(MenuBarTexts(frame, top).contains(gone)) << gone;
    }
}

TEST_F(FrameTest, OutlookBarFoldersItemsAndColours) {
    Open(kLive);
    OutlookBar* bar = frame->Bar();
    ASSERT_EQ(bar->FolderCount(), 6);
    const std::vector<OutlookBar::FolderId> folders = bar->Folders();
    QStringList texts;
    for (OutlookBar::FolderId f : folders)
        texts << bar->FolderText(f);
    EXPECT_EQ(texts, QStringList({"Home", "Basic", "Advanced", "Maintenance", "Status", "System"}));
    EXPECT_EQ(bar->ItemCount(folders[2]), 10);
    EXPECT_EQ(bar->ItemText(bar->Items(folders[4]).at(0)), "Device Information");
    EXPECT_EQ(bar->ImageCount(), 11);
    EXPECT_EQ(bar->ItemImage(bar->Items(folders[2]).at(5)), 0);
    EXPECT_EQ(bar->BackColor(), QColor(0x3A, 0x6E, 0xA5));
    EXPECT_EQ(bar->TextColor(), QColor(Qt::white));
    EXPECT_EQ(bar->CurrentFolder(), folders[0]);
}

TEST_F(FrameTest, CaptionsOfBarClicksAndMenuCommands) {
    Open(kLive);
    OutlookBar* bar = frame->Bar();
    bar->ClickItem(BarItem(bar, "Status", "Device Information"));
    EXPECT_EQ(frame->View()->CaptionText(), "Device Information");
    EXPECT_TRUE(frame->Command(32780));
    EXPECT_EQ(frame->View()->CaptionText(), "Device Informatoin");
    EXPECT_TRUE(frame->Command(32798));
    EXPECT_EQ(frame->View()->CaptionText(), "SNTP");
    EXPECT_EQ(CurrentFolderText(bar), "Maintenance");   // a menu command makes the page's folder current
    bar->ClickItem(BarItem(bar, "Maintenance", "Date and Time"));
    EXPECT_EQ(frame->View()->CaptionText(), "Date and Time");
    EXPECT_TRUE(frame->Command(32792));
    EXPECT_EQ(frame->View()->CaptionText(), "Information");
    EXPECT_EQ(CurrentFolderText(bar), "Home");
    EXPECT_TRUE(frame->Command(32804));
    EXPECT_EQ(frame->View()->CaptionText(), "WLAN Partition");
    EXPECT_FALSE(frame->Command(12345));
}

TEST_F(FrameTest, SwitchShowsBuiltPagesAndRefreshesThem) {
    Open(kLive);
    ProbePage* probe = Probe();
    ASSERT_NE(probe, nullptr);
    EXPECT_TRUE(probe->isHidden());
    frame->Command(32772);   // &LAN
    EXPECT_EQ(frame->CurrentPage(), probe);
    EXPECT_FALSE(probe->isHidden());
    EXPECT_EQ(probe->Refreshes, 1);
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(probe->Start->Text(), "192.168.0.100");
    EXPECT_EQ(probe->Mask->Text(), "255.255.255.0");
    EXPECT_EQ(probe->Function->currentText(), "Disable");
    // A page that is not built: nothing is shown, the caption still changes.
    frame->Bar()->ClickItem(BarItem(frame->Bar(), "Basic", "Wireless"));
    EXPECT_EQ(frame->CurrentPage(), nullptr);
    EXPECT_TRUE(probe->isHidden());
    EXPECT_EQ(frame->View()->CaptionText(), "Wireless");
    frame->SwitchByLabel("No such page");
    EXPECT_EQ(frame->View()->CaptionText(), "No such page");
}

TEST_F(FrameTest, DhcpRemovalTakesOnlyItsItemAndCommand) {
    Open(kLive);
    const QStringList advancedBefore = MenuBarTexts(frame, "&Advanced");
    frame->Document()->SetNoDhcpFunction();
    OutlookBar* bar = frame->Bar();
    const OutlookBar::FolderId advanced = bar->FindFolder("Advanced");
    EXPECT_EQ(bar->FindItem(advanced, "DHCP Server"), OutlookBar::ItemId::None);
    EXPECT_EQ(bar->ItemCount(advanced), 9);
    QStringList expected = advancedBefore;
    expected.removeAll("&DHCP Server");
    EXPECT_EQ(MenuBarTexts(frame, "&Advanced"), expected);
    EXPECT_FALSE(frame->HasMenuCommand(32776));
    EXPECT_TRUE(frame->HasMenuCommand(32777));
    for (OutlookBar::FolderId f : bar->Folders()) {
        if (f != advanced) {
            EXPECT_GT(bar->ItemCount(f), 0);
        }
    }
}

TEST_F(FrameTest, NavigationAfterTheUserRemovedAFolderBeforeTheCurrentOne) {
    Open(kLive);
    OutlookBar* bar = frame->Bar();
    EXPECT_TRUE(frame->Command(32780));   // &Device Information
    EXPECT_EQ(CurrentFolderText(bar), "Status");
    messages->Answer = MessageBox::AnswerYes;
    ASSERT_TRUE(bar->DeleteFolderByUser(bar->FindFolder("Home")));
    // The folder shown is still the one it was, and the menu opens the right ones.
    EXPECT_EQ(CurrentFolderText(bar), "Status");
    EXPECT_TRUE(frame->Command(32772));   // &LAN
    EXPECT_EQ(CurrentFolderText(bar), "Basic");
    EXPECT_EQ(frame->View()->CaptionText(), "LAN");
    EXPECT_TRUE(frame->Command(32798));   // &Date and Time
    EXPECT_EQ(CurrentFolderText(bar), "Maintenance");
    // The device has no dynamic-IP function: only its item goes.
    frame->Document()->SetNoDhcpFunction();
    EXPECT_EQ(BarItem(bar, "Advanced", "DHCP Server"), OutlookBar::ItemId::None);
    EXPECT_EQ(bar->ItemCount(bar->FindFolder("Advanced")), 9);
    EXPECT_EQ(bar->ItemCount(bar->FindFolder("Maintenance")), 4);
    EXPECT_EQ(bar->ItemCount(bar->FindFolder("Basic")), 2);
    bar->ClickItem(BarItem(bar, "Advanced", "Multi-SSID"));
    EXPECT_EQ(frame->View()->CaptionText(), "Multi-SSID");
    // The Home folder is gone: the Information page shows without changing folders.
    EXPECT_TRUE(frame->Command(32792));
    EXPECT_EQ(frame->View()->CaptionText(), "Information");
    EXPECT_EQ(CurrentFolderText(bar), "Maintenance");
    frame->ShowInformationPage();
    EXPECT_EQ(CurrentFolderText(bar), "Maintenance");
}

TEST_F(FrameTest, NavigationAfterTheUserRemovedAnItem) {
    Open(kLive);
    OutlookBar* bar = frame->Bar();
    const OutlookBar::FolderId advanced = bar->FindFolder("Advanced");
    const OutlookBar::ItemId multiSsid = BarItem(bar, "Advanced", "Multi-SSID");
    messages->Answer = MessageBox::AnswerYes;
    ASSERT_TRUE(bar->DeleteItemByUser(BarItem(bar, "Advanced", "Performance")));
    frame->Document()->SetNoDhcpFunction();
    QStringList items;
    for (OutlookBar::ItemId item : bar->Items(advanced))
        items << bar->ItemText(item);
    EXPECT_EQ(items, QStringList({"Filters", "Multi-SSID", "Intrusion", "VLAN", "Schedule", "Ap Array",
                                  "Internal RADIUS Server", "Traffic Control"}));
    bar->ClickItem(multiSsid);
    EXPECT_EQ(frame->View()->CaptionText(), "Multi-SSID");
    EXPECT_TRUE(frame->Command(32772));
    EXPECT_EQ(CurrentFolderText(bar), "Basic");
    EXPECT_TRUE(frame->Command(32810));   // Ap Array
    EXPECT_EQ(CurrentFolderText(bar), "Advanced");
    EXPECT_EQ(frame->View()->CaptionText(), "Ap Array");
}

TEST_F(FrameTest, DhcpRemovalAfterTheUserRemovedItsItemOrItsFolderTakesNothingElse) {
    Open(kLive);
    OutlookBar* bar = frame->Bar();
    messages->Answer = MessageBox::AnswerYes;
    ASSERT_TRUE(bar->DeleteItemByUser(BarItem(bar, "Advanced", "DHCP Server")));
    ASSERT_TRUE(bar->DeleteFolderByUser(bar->FindFolder("Advanced")));
    std::vector<int> before;
    for (OutlookBar::FolderId f : bar->Folders())
        before.push_back(bar->ItemCount(f));
    frame->Document()->SetNoDhcpFunction();
    std::vector<int> after;
    for (OutlookBar::FolderId f : bar->Folders())
        after.push_back(bar->ItemCount(f));
    EXPECT_EQ(after, before);
    EXPECT_EQ(after, std::vector<int>({1, 2, 4, 5, 1}));
    EXPECT_FALSE(frame->HasMenuCommand(32776));
    EXPECT_TRUE(frame->Command(32780));
    EXPECT_EQ(CurrentFolderText(bar), "Status");
}

TEST_F(FrameTest, DiscardChangesChosenFromTheMenuReachesThePageThatCarriesIt) {
    const PageFactoryOverride systemPage("CSystemPage", &CommandRecorderPage::Make);
    Open(kLive);
    auto* system = dynamic_cast<CommandRecorderPage*>(frame->View()->PageByLabel("System"));
    ASSERT_NE(system, nullptr);
    QAction* discard = MenuAction(frame, "&System", "Discard Changes");
    ASSERT_NE(discard, nullptr);
    EXPECT_TRUE(discard->isEnabled());
    discard->trigger();   // as a person chooses it
    EXPECT_EQ(system->Discards, 1);
    EXPECT_EQ(system->Offered, std::vector<int>({PageRegistry::CmdDiscardChanges}));
    // Choosing it switches no page.
    EXPECT_EQ(frame->View()->CaptionText(), "Information");
    // A page switch is the frame's own: it is not offered to the pages.
    EXPECT_TRUE(frame->Command(32772));
    EXPECT_EQ(system->Offered.size(), 1u);
    discard->trigger();
    EXPECT_EQ(system->Discards, 2);
    EXPECT_EQ(frame->View()->CaptionText(), "LAN");
}

TEST_F(FrameTest, DeleteQuestionsUnlessTheFrameIsGoing) {
    Open(kLive);
    OutlookBar* bar = frame->Bar();
    messages->Answer = 7;   // No
    EXPECT_FALSE(bar->DeleteItemByUser(BarItem(bar, "Basic", "Wireless")));
    ASSERT_EQ(messages->Boxes.size(), 1u);
    EXPECT_EQ(messages->Boxes[0].Text, "Are you sure you want to remove this folder shortcut?");
    EXPECT_EQ(messages->Boxes[0].Caption, "Warning");
    EXPECT_FALSE(bar->DeleteFolderByUser(bar->FindFolder("System")));
    EXPECT_EQ(messages->Boxes.back().Text, "Are you sure you want to remove the specified folder?");
    messages->Answer = 6;   // Yes
    EXPECT_TRUE(bar->DeleteItemByUser(BarItem(bar, "Basic", "Wireless")));
    EXPECT_EQ(bar->ItemText(bar->Items(bar->FindFolder("Basic")).at(0)), "LAN");
    const size_t asked = messages->Boxes.size();
    // Once the window is closing, nothing is asked.
    messages->Answer = 7;
    frame->close();
    ASSERT_TRUE(frame->BeingDestroyed());
    EXPECT_TRUE(bar->DeleteFolderByUser(bar->FindFolder("Home")));
    EXPECT_EQ(messages->Boxes.size(), asked);
}

TEST_F(FrameTest, PagesLeaveTheBusyTestBeforeTheyGoWhenTheWindowGoesWithARequestInFlight) {
    // A second page whose class sorts before the probe's, so that it goes first.
    const PageFactoryOverride adminPage("CAdminPage", &ProbePage::Make);
    Open(kSilent);
    ASSERT_NE(frame->View()->PageByLabel("Admin"), nullptr);
    frame->Command(32772);   // the probe reads from a device that never answers
    ASSERT_TRUE(frame->View()->BusyCheck());
    // While the window goes, the probe's request waits for its completion and
    // lets events run; in them the busy test and the layout run, as a host's
    // events would make them.
    int checks = 0;
    QTimer during;
    QObject::connect(&during, &QTimer::timeout, [&] {
        if (CMainView* view = CMainView::Instance()) {
            view->BusyCheck();
            view->resize(view->width() + 1, view->height());
            ++checks;
        }
    });
    during.start(1);
    delete frame.data();
    during.stop();
    EXPECT_GT(checks, 0);   // the events did run while the pages went
    EXPECT_EQ(CMainView::Instance(), nullptr);
    EXPECT_EQ(CMainFrame::Instance(), nullptr);
}

TEST_F(FrameTest, CloseRefusedWhileARefreshIsInFlightAndAllowedAfter) {
    QWidget hostParent;
    QWidget* host = new QWidget(&hostParent, Qt::Window);
    host->setWindowTitle("Aerodesk2");
    host->show();
    hostParent.setEnabled(false);

    Open(kSilent);
    frame->Command(32772);   // the probe reads from a device that never answers
    ASSERT_TRUE(frame->View()->BusyCheck());
    frame->close();
    EXPECT_EQ(messages->Texts(), QStringList({"Packet transmiting, Please close window later."}));
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(CMainFrame::Instance(), frame.data());
    EXPECT_FALSE(hostParent.isEnabled());

    ASSERT_TRUE(WaitIdle());
    // The refresh failed: the engine's message is on the status line.
    EXPECT_TRUE(frame->StatusLine().contains("timed out")) << frame->StatusLine().toStdString();
    EXPECT_TRUE(frame->isEnabled());
    frame->Command(32789);   // &Close
    EXPECT_EQ(messages->Boxes.size(), 1u);
    EXPECT_TRUE(hostParent.isEnabled());
    EXPECT_EQ(CMainFrame::Instance(), nullptr);
    ShellTest::PumpUntil([this] { return frame.isNull(); }, 5000);
    EXPECT_TRUE(frame.isNull());
}

}  // namespace
