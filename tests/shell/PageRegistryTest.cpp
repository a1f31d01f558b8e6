// The page table: labels, menu commands, folders, captions.
#include "shell/PageRegistry.h"
#include <QStringList>
#include <gtest/gtest.h>

TEST(PageRegistry, RowsLabelsAndCommands) {
    const auto& rows = PageRegistry::Rows();
    ASSERT_EQ(rows.size(), 27u);
    EXPECT_STREQ(rows.front().Label, "Information");
    EXPECT_STREQ(rows.back().Label, "System");
    const PageRow* filters = PageRegistry::FindByMenu(32774);
    const PageRow* partition = PageRegistry::FindByMenu(32804);
    ASSERT_TRUE(filters && partition);
    EXPECT_STREQ(filters->PageClass, partition->PageClass);
    EXPECT_EQ(filters->FilterMode, 1);
    EXPECT_EQ(partition->FilterMode, 3);
    EXPECT_EQ(PageRegistry::FindByMenu(0), nullptr);
    EXPECT_EQ(PageRegistry::FindByLabel("information"), nullptr);
    EXPECT_FALSE(PageRegistry::FindByLabel("Intrusion")->RefreshOnShow);
    EXPECT_EQ(PageRegistry::FindByLabel("QoS")->MenuId, 0);
}

TEST(PageRegistry, CaptionsOfMenuCommands) {
    EXPECT_EQ(PageRegistry::MenuCaption(*PageRegistry::FindByMenu(32780)), "Device Informatoin");
    EXPECT_EQ(PageRegistry::MenuCaption(*PageRegistry::FindByMenu(32798)), "SNTP");
    EXPECT_EQ(PageRegistry::MenuCaption(*PageRegistry::FindByMenu(32771)), "Wireless");
}

TEST(PageRegistry, BarItemsPerFolder) {
    std::vector<QStringList> folders(6);
    for (const PageRow& row : PageRegistry::Rows()) {
        if (row.InBar)
            folders.at(static_cast<size_t>(row.Folder)) << row.Label;
    }
    EXPECT_EQ(folders[0], QStringList({"Information"}));
    EXPECT_EQ(folders[1], QStringList({"Wireless", "LAN"}));
    EXPECT_EQ(folders[2], QStringList({"Performance", "Filters", "DHCP Server", "Multi-SSID", "Intrusion", "VLAN",
                                       "Schedule", "Ap Array", "Internal RADIUS Server", "Traffic Control"}));
    EXPECT_EQ(folders[3], QStringList({"Admin", "Firmware and SSL", "Configuration File", "Date and Time"}));
    EXPECT_EQ(folders[4],
              QStringList({"Device Information", "Stats", "Client Information", "WDS Information", "Log"}));
    EXPECT_EQ(folders[5], QStringList({"System"}));
    EXPECT_EQ(PageRegistry::BarIconIds().size(), 11u);
}
