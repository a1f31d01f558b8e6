// Menu 109: retitling and pruning at start-up.
#include "shell/MenuResource.h"
#include <QStringList>
#include <gtest/gtest.h>

namespace {
QStringList Texts(const std::vector<MenuItem>& items) {
    QStringList texts;
    for (const MenuItem& item : items) {
        if (!item.IsSeparator())
            texts << item.Text;
    }
    return texts;
}
const std::vector<MenuItem>& Sub(const std::vector<MenuItem>& menu, const QString& text) {
    const int i = MenuResource::Find(menu, text);
    EXPECT_GE(i, 0) << text.toStdString();
    return menu.at(static_cast<size_t>(i)).Children;
}
}  // namespace

TEST(MenuResource, RetitlesAndPrunes) {
    auto menu = MenuResource::Menu109();
    MenuResource::RetitleAndPrune(menu);
    EXPECT_EQ(Texts(menu), QStringList({"&File", "&Home", "&Basic", "&Advanced", "&Maintenance", "&Status", "&System",
                                        "&Help"}));
    const QStringList advanced = Texts(Sub(menu, "&Advanced"));
    EXPECT_TRUE(advanced.contains("&Intrusion"));
    EXPECT_FALSE(advanced.contains("&Rogue AP"));
    EXPECT_FALSE(advanced.contains("&WLAN Partition"));
    EXPECT_FALSE(advanced.contains("&Grouping"));
    EXPECT_EQ(Texts(Sub(menu, "&Maintenance")),
              QStringList({"&Admin", "&Firmware and SSL", "&Configuration File", "&Date and Time"}));
    // The renamed item keeps its command.
    const auto& adv = Sub(menu, "&Advanced");
    EXPECT_EQ(adv.at(static_cast<size_t>(MenuResource::Find(adv, "&Intrusion"))).Id, 32778);
}

TEST(MenuResource, StopsWhereATextIsMissing) {
    auto menu = MenuResource::Menu109();
    menu.erase(menu.begin() + MenuResource::Find(menu, "&Tools"));
    MenuResource::RetitleAndPrune(menu);
    EXPECT_EQ(MenuResource::Find(menu, "&Maintenance"), -1);
    EXPECT_EQ(Texts(Sub(menu, "&Advanced")).count("&Intrusion"), 1);

    menu = MenuResource::Menu109();
    auto& tools = menu[static_cast<size_t>(MenuResource::Find(menu, "&Tools"))].Children;
    tools.erase(tools.begin() + MenuResource::Find(tools, "&SNTP"));
    MenuResource::RetitleAndPrune(menu);
    EXPECT_EQ(Texts(Sub(menu, "&Maintenance")), QStringList({"&Admin", "&Firmware and SSL", "&Configuration File"}));
}

TEST(MenuResource, RemoveCommandAtAnyDepth) {
    auto menu = MenuResource::Menu109();
    EXPECT_EQ(MenuResource::RemoveCommand(menu, 32776), 1);
    EXPECT_EQ(MenuResource::RemoveCommand(menu, 32776), 0);
    EXPECT_FALSE(Texts(Sub(menu, "&Advanced")).contains("&DHCP Server"));
}
