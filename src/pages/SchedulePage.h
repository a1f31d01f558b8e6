#pragma once
#include "RefreshTally.h"
#include "Schedule.h"
#include "shell/Page.h"
#include <array>
#include <optional>

class CheckField;
class ComboField;
class EditField;
class RadioField;

// The schedule page: the global wireless schedule state, the rule editor and
// the rule list. Rules are added and deleted one at a time through the
// device's action variable; an edited rule replaces the old one only when the
// new one is accepted, and comes back if the device refuses the new one.
class CSchedulePage : public CPage {
    Q_OBJECT
public:
    CSchedulePage(CMainView* view, const PageRow& row);

    void Refresh() override;

    const std::vector<CSchedule>& Rules() const { return rules_; }
    // The rule the editor was loaded with by "Edit", if any.
    const std::optional<CSchedule>& Editing() const { return editing_; }

private:
    void BuildEditor();
    void ListRowArrived();
    void ListEnded(const RequestResult& result);
    void SsidRowArrived();
    void FillSsidChoice();
    void ShowList();
    // Reads the list again; `then` runs when the walk has ended.
    void ReadList(std::function<void(bool)> then);

    void AddRule();
    // The editor's rule, with the page's checks; false after a message.
    bool ReadEditor(CSchedule* rule);
    void ClearEditor();
    void EditRule();
    void DeleteRule();
    // Sends one action (add or delete) for `rule`; `then` gets the outcome.
    void SendRule(const CSchedule& rule, bool add, std::function<void(const RequestResult&)> then);
    void FinishAdd(bool succeeded);
    int SelectedSsidIndex() const;
    void ChooseSsid(const CSchedule& rule);

    PageRequest* state_ = nullptr;
    PageRequest* rule_ = nullptr;
    PageRequest* list_ = nullptr;
    PageRequest* ssids_ = nullptr;
    PageRequest* apMode_ = nullptr;

    EditField* name_ = nullptr;
    RadioField* dayChoice_ = nullptr;
    std::array<CheckField*, 7> days_{};
    CheckField* allDay_ = nullptr;
    EditField* startHour_ = nullptr;
    EditField* startMinute_ = nullptr;
    EditField* endHour_ = nullptr;
    EditField* endMinute_ = nullptr;
    ComboField* ssid_ = nullptr;
    PageList* view_ = nullptr;

    std::vector<CSchedule> rules_;
    std::vector<CSchedule> arriving_;
    std::vector<std::pair<int, QString>> ssidChoices_;   // SSID-table index, selector text
    std::vector<std::pair<int, QString>> ssidArriving_;
    std::map<int, QString> ssidNames_;
    std::optional<CSchedule> editing_;
    std::function<void(bool)> listThen_;
    RefreshTally tally_;
};
