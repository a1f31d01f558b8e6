#pragma once
#include "shell/Page.h"

class ComboField;
class RadioField;
class StaticField;

// The AP array page: membership of the access point in a named group of
// access points (state, role, name, password), a scan for the arrays on the
// network and the current members with the connection status.
class CApArrayPage : public CPage {
    Q_OBJECT
public:
    CApArrayPage(CMainView* view, const PageRow& row);

    void Refresh() override;
    void Scan();
    // "Connect" while the device lists itself with another member, else "Disconnect".
    QString ConnectionStatus() const;

private:
    void Save();
    // Walks `list` into `view` (rows without an index are skipped); `then` at the end.
    void Walk(PageRequest& list, PageList& view, std::function<void(bool)> then);

    PageRequest* settings_ = nullptr;
    PageRequest* scan_ = nullptr;
    PageRequest* scanList_ = nullptr;
    PageRequest* members_ = nullptr;
    PageRequest* apMode_ = nullptr;
    PageList* scanView_ = nullptr;
    PageList* memberView_ = nullptr;
    StaticField* connection_ = nullptr;
    RadioField* role_ = nullptr;
    ComboField* roleValue_ = nullptr;
    int refreshOpen_ = 0;
    bool refreshOk_ = true;
};
