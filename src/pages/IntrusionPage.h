#pragma once
#include "shell/Page.h"

// The wireless intrusion page: has the access point detect the access points
// around it and classifies them. Each set-as command sends one entry per
// ticked row in a single set; each mark-all command one entry; a new
// detection follows every command so that the list shows the new types.
class CIntrusionPage : public CPage {
    Q_OBJECT
public:
    CIntrusionPage(CMainView* view, const PageRow& row);

    // Refreshing the page is a detection.
    void Refresh() override { Detect(); }
    void Detect();

private:
    struct Command {
        const char* Button;
        const char* Variable;
        const char* Oid;
        const char* Line;
    };
    void SurveyRowArrived();
    void SurveyEnded(const RequestResult& result);
    void SetAs(const Command& command);
    void MarkAll(const Command& command);
    // Sends the command's variable once per value, in one set; a detection follows.
    void Send(const Command& command, const QStringList& values);

    PageRequest* refresh_ = nullptr;
    PageRequest* survey_ = nullptr;
    PageRequest* command_ = nullptr;
    PageList* view_ = nullptr;
    std::vector<QStringList> arriving_;
};
