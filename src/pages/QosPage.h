#pragma once
#include "shell/Page.h"

// The QoS rules page: the window creates it with the others, but no
// navigation shows it. It shows the nine port-priority rules as the device
// holds them (priority, limit, ports); they are edited on the traffic
// control page.
class CQosPage : public CPage {
    Q_OBJECT
public:
    static constexpr int kRules = 9;

    CQosPage(CMainView* view, const PageRow& row);

private:
    void RulesArrived(const RequestResult& result);

    PageRequest* rules_ = nullptr;
    PageList* view_ = nullptr;
};
