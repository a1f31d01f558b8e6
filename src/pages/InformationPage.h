#pragma once
#include "shell/Page.h"

class ComboField;
class StaticField;

// The Information home page: the system summary, the device's capabilities
// that steer other pages (kept in the document), and Save and Activate.
class CInformationPage : public CPage {
    Q_OBJECT
public:
    CInformationPage(CMainView* view, const PageRow& row);

    bool HandleCommand(int commandId) override;

    // The "SSID 1~7" row: whether it is shown, and its MAC range.
    bool SsidRowShown() const;
    QString SsidRangeText() const;

private:
    void SummaryArrived(const RequestResult& result);
    void ShowSsidRange();
    void SaveAndActivate();

    PageRequest* summary_ = nullptr;
    PageRequest* apply_ = nullptr;
    StaticField* ssidRange_ = nullptr;
    ComboField* applyChoice_ = nullptr;
};
