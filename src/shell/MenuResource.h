#pragma once
#include <QString>
#include <vector>

// Menu 109 as a tree of items, and its retitling and pruning at start-up.
struct MenuItem {
    QString Text;
    int Id = 0;                       // command; 0 for a pop-up or a separator
    std::vector<MenuItem> Children;   // a pop-up's items
    bool IsSeparator() const { return Text.isEmpty() && Id == 0 && Children.empty(); }
};

namespace MenuResource {
// The menu as the resource holds it.
std::vector<MenuItem> Menu109();
// Under "&Advanced": removes "&WLAN Partition" and "&Grouping" and renames
// "&Rogue AP" to "&Intrusion"; renames "&Tools" to "&Maintenance" (stops when
// missing), removes "&Misc" in it and renames "&SNTP" to "&Date and Time".
void RetitleAndPrune(std::vector<MenuItem>& menu);
// Index of the first item with exactly this text, or -1.
int Find(const std::vector<MenuItem>& items, const QString& text);
// Removes every item with this command (at any depth); returns how many.
int RemoveCommand(std::vector<MenuItem>& items, int id);
}  // namespace MenuResource
