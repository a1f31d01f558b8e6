#include "MenuResource.h"

namespace MenuResource {

std::vector<MenuItem> Menu109() {
    return {
        {"&File", 0, {{"&Close", 32789, {}}}},
        {"&Home", 0, {{"&Information", 32792, {}}}},
        {"&Basic", 0, {{"&Wireless", 32771, {}}, {"&LAN", 32772, {}}}},
        {"&Advanced",
         0,
         {{"&Performance", 32773, {}},
          {"&Filter", 32774, {}},
          {"&WLAN Partition", 32804, {}},
          {"&Grouping", 32775, {}},
          {"&DHCP Server", 32776, {}},
          {"&Multi-SSID", 32777, {}},
          {"&Rogue AP", 32778, {}},
          {"&VLAN", 32807, {}},
          {"&Schedule", 32809, {}},
          {"Ap Array", 32810, {}},
          {"Internal RADIUS Server", 32811, {}},
          {"Traffic Control", 32812, {}}}},
        {"&Tools",
         0,
         {{"&Admin", 32779, {}},
          {"&Firmware and SSL", 32794, {}},
          {"&Configuration File", 32796, {}},
          {"&SNTP", 32798, {}},
          {"&Misc", 32806, {}}}},
        {"&Status",
         0,
         {{"&Device Information", 32780, {}},
          {"&Stats", 32781, {}},
          {"&Client Information", 32783, {}},
          {"&WDS Information", 32800, {}},
          {"&Log", 32785, {}}}},
        {"&System", 0, {{"&System", 32802, {}}, {}, {"Save and Activate", 32813, {}}, {"Discard Changes", 32814, {}}}},
        {"&Help", 0, {{"&About", 32787, {}}}},
    };
}

int Find(const std::vector<MenuItem>& items, const QString& text) {
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].Text == text)
            return static_cast<int>(i);
    }
    return -1;
}

namespace {
void Remove(std::vector<MenuItem>& items, const QString& text) {
    const int i = Find(items, text);
    if (i >= 0)
        items.erase(items.begin() + i);
}
void Rename(std::vector<MenuItem>& items, const QString& from, const QString& to) {
    const int i = Find(items, from);
    if (i >= 0)
        items[static_cast<size_t>(i)].Text = to;
}
}  // namespace

void RetitleAndPrune(std::vector<MenuItem>& menu) {
    const int advanced = Find(menu, QStringLiteral("&Advanced"));
    if (advanced >= 0) {
        auto& items = menu[static_cast<size_t>(advanced)].Children;
        Remove(items, QStringLiteral("&WLAN Partition"));
        Remove(items, QStringLiteral("&Grouping"));
        Rename(items, QStringLiteral("&Rogue AP"), QStringLiteral("&Intrusion"));
    }
    const int tools = Find(menu, QStringLiteral("&Tools"));
    if (tools < 0)
        return;
    MenuItem& maintenance = menu[static_cast<size_t>(tools)];
    maintenance.Text = QStringLiteral("&Maintenance");
    Remove(maintenance.Children, QStringLiteral("&Misc"));
    if (Find(maintenance.Children, QStringLiteral("&SNTP")) < 0)
        return;
    Rename(maintenance.Children, QStringLiteral("&SNTP"), QStringLiteral("&Date and Time"));
}

int RemoveCommand(std::vector<MenuItem>& items, int id) {
    int removed = 0;
    for (size_t i = 0; i < items.size();) {
        if (items[i].Id == id) {
            items.erase(items.begin() + static_cast<long>(i));
            ++removed;
            continue;
        }
        removed += RemoveCommand(items[i].Children, id);
        ++i;
    }
    return removed;
}

}  // namespace MenuResource
