#pragma once
#include "MaintenancePage.h"

class ComboField;

// "System": restart, discard the changes not yet applied, factory default,
// clear the language pack. The window's Discard Changes command restarts
// the device from here.
class CSystemPage : public CMaintenancePage {
    Q_OBJECT
public:
    CSystemPage(CMainView* view, const PageRow& row);

    bool HandleCommand(int commandId) override;

private:
    void Discard();
    void ClearLanguagePack();

    PageRequest* discard_ = nullptr;
    PageRequest* language_ = nullptr;
    ComboField* discardChoice_ = nullptr;
    ComboField* languageChoice_ = nullptr;
};
