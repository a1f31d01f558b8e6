#pragma once
#include <QString>
#include <vector>

class CMainView;
class CPage;

// One row of the fixed page table: the navigation label (also the caption),
// the menu command, the outlook-bar folder, the dialog number, the page class
// and whether showing the page refreshes it.
struct PageRow {
    const char* Label;
    int MenuId;              // 0: no menu command
    const char* MenuText;    // text in the menu after retitling; nullptr when removed or none
    int Folder;
    int DialogId;
    const char* PageClass;
    bool RefreshOnShow;
    int FilterMode;          // the filter page's mode for this row, else 0
    bool InBar;              // has an outlook-bar item
};

// Creates a page as a child of the view.
using PageFactory = CPage* (*)(CMainView* view, const PageRow& row);

namespace PageRegistry {

enum Folders { Home = 0, Basic = 1, Advanced = 2, Maintenance = 3, Status = 4, System = 5 };

// Menu commands that are not pages.
enum Commands {
    CmdClose = 32789,
    CmdAbout = 32787,
    CmdSaveAndActivate = 32813,
    CmdDiscardChanges = 32814,
    CmdInformation = 32792,
    CmdDhcpServer = 32776,
    CmdDeviceInformation = 32780,
    CmdDateAndTime = 32798,
    CmdFilters = 32774,
    CmdWlanPartition = 32804,
};

const std::vector<PageRow>& Rows();
const std::vector<QString>& FolderTexts();
// The icon resources of the bar's image lists, in order.
const std::vector<int>& BarIconIds();

// First row with exactly this label, or nullptr.
const PageRow* FindByLabel(const QString& label);
const PageRow* FindByMenu(int menuId);
// The caption a menu command writes (two commands differ from the label).
QString MenuCaption(const PageRow& row);

// The page classes that exist are those with a factory.
void SetFactory(const char* pageClass, PageFactory factory);
PageFactory Factory(const char* pageClass);

inline constexpr const char* InformationLabel = "Information";
inline constexpr const char* DhcpServerLabel = "DHCP Server";
inline constexpr const char* LanLabel = "LAN";
inline constexpr const char* SystemLabel = "System";

}  // namespace PageRegistry
