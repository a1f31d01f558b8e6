#include "SchedulePage.h"
#include "CellText.h"
#include "PageGrid.h"
#include "mib/pages/SchedulePageTables.h"
#include "platform/MessageBox.h"
#include "shell/CheckField.h"
#include "shell/ComboField.h"
#include "shell/EditField.h"
#include "shell/PageForm.h"
#include "shell/PageWait.h"
#include "shell/RadioField.h"
#include "shell/ShellTexts.h"
#include "shell/StaticField.h"
#include "snmp/SnmpSyntax.h"
#include "snmp/StatusText.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

using namespace MibPages;

namespace {
constexpr int32_t kTimeout = 500;
const char* const kDayNames[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const QString kAllWeek = QStringLiteral("All Week ");
const QString kSelectDays = QStringLiteral("Select Day(s) ");

QString SsidChoiceText(int index) {
    return index == 1 ? QStringLiteral("Primary SSID") : QStringLiteral("SSID %1").arg(index - 1);
}

// An hour or minute edit: a whole number from 0 to `high`.
bool InRange(const QString& text, int high, int* value) {
    bool ok = false;
    *value = text.trimmed().toInt(&ok);
    return ok && *value >= 0 && *value <= high;
}
}  // namespace

CSchedulePage::CSchedulePage(CMainView* view, const PageRow& row)
    : CPage(view, row), tally_([this](bool ok) {
          PostStatus(QString::fromLatin1(ok ? ShellTexts::RefreshOk : "Refresh Error!"));
      }) {
    state_ = &AddRequest(kScheduleStatusVars, kTimeout);
    rule_ = &AddRequest(kScheduleRuleVars, kTimeout);
    rule_->ReadOnRefresh = false;
    list_ = &AddRequest(kScheduleListTableVars, kTimeout);
    list_->RefreshAccess = SnmpAccess::ReadOnly;
    ssids_ = &AddRequest(kScheduleMssidTableVars, kTimeout);
    ssids_->RefreshAccess = SnmpAccess::ReadOnly;
    apMode_ = &AddRequest(kScheduleApModeVars, kTimeout);
    apMode_->RefreshAccess = SnmpAccess::ReadOnly;

    PageForm& global = Form(QStringLiteral("Wireless Schedule"));
    global.Add<ComboField>(*state_, "dot11ScheduleStatus", QStringLiteral("Wireless Schedule"));
    global.Add<StaticField>(*apMode_, "dot11ApMode", QStringLiteral("AP Mode"));
    global.Button(QStringLiteral("Save"), [this] { SaveFields(*state_); });

    BuildEditor();

    PageForm& listForm = Form(QStringLiteral("Schedule Rule List"));
    view_ = &listForm.List(QString());
    for (const char* header : {"Name", "SSID Index", "SSID", "Day(s)", "Time Frame", "Wireless"})
        view_->Column(QString::fromLatin1(header));
    listForm.Button(QStringLiteral("Edit"), [this] { EditRule(); });
    listForm.Button(QStringLiteral("Del"), [this] { DeleteRule(); });

    state_->OnGot = [this](const RequestResult& r) { tally_.Ended(r); };
    apMode_->OnGot = [this](const RequestResult& r) { tally_.Ended(r); };
    ssids_->OnGot = [this](const RequestResult& r) {
        if (r.Status == 0 && !r.Done) {
            SsidRowArrived();
            return;
        }
        if (r.Status == 0)
            FillSsidChoice();
        ssidArriving_.clear();
        tally_.Ended(r);
    };
    list_->OnGot = [this](const RequestResult& r) {
        if (r.Status == 0 && !r.Done)
            ListRowArrived();
        else
            ListEnded(r);
    };
}

void CSchedulePage::BuildEditor() {
    PageForm& form = Form(QStringLiteral("Add Schedule Rule"));
    name_ = &form.Add<EditField>(QStringLiteral("Name"));
    name_->MaxLength(32);
    dayChoice_ = &form.Add<RadioField>(QStringLiteral("Day(s)"));
    dayChoice_->Items({kAllWeek, kSelectDays});
    dayChoice_->SetText(kAllWeek);
    for (int day = 0; day < 7; ++day)
        days_[static_cast<size_t>(day)] = &form.Add<CheckField>(QString::fromLatin1(kDayNames[day]));
    allDay_ = &form.Add<CheckField>(QStringLiteral("All Day(s)"));
    startHour_ = &form.Add<EditField>(QStringLiteral("Start Time (hour)"));
    startMinute_ = &form.Add<EditField>(QStringLiteral("Start Time (minute)"));
    endHour_ = &form.Add<EditField>(QStringLiteral("End Time (hour)"));
    endMinute_ = &form.Add<EditField>(QStringLiteral("End Time (minute)"));
    for (EditField* edit : {startHour_, startMinute_, endHour_, endMinute_})
        edit->MaxLength(2);
    ssid_ = &form.Add<ComboField>(QStringLiteral("SSID"));
    ssidChoices_ = {{1, SsidChoiceText(1)}};
    ssid_->Items({SsidChoiceText(1)});
    form.Button(QStringLiteral("Add"), [this] { AddRule(); });
    form.Button(QStringLiteral("Clear"), [this] { ClearEditor(); });
    // The week on one row, each time as hour and minute side by side.
    PageGrid::Arrange(form, {{name_},
                             {dayChoice_},
                             std::vector<PageField*>(days_.begin(), days_.end()),
                             {allDay_},
                             {startHour_, startMinute_},
                             {endHour_, endMinute_},
                             {ssid_}},
                      {2});

    // "All Week " takes every day; "All Day(s)" leaves the times out.
    auto followDays = [this] {
        const bool all = dayChoice_->Text() == kAllWeek;
        for (CheckField* day : days_) {
            if (all)
                day->Box()->setChecked(true);
            day->Box()->setEnabled(!all);
        }
    };
    QObject::connect(dayChoice_->Button(kAllWeek), &QRadioButton::toggled, this, followDays);
    followDays();
    auto followAllDay = [this] {
        for (EditField* edit : {startHour_, startMinute_, endHour_, endMinute_})
            edit->Edit()->setEnabled(!allDay_->IsChecked());
    };
    QObject::connect(allDay_->Box(), &QCheckBox::toggled, this, followAllDay);
    followAllDay();
}

void CSchedulePage::Refresh() {
    arriving_.clear();
    listThen_ = nullptr;
    tally_.Start({state_, list_, ssids_, apMode_});
}

void CSchedulePage::SsidRowArrived() {
    bool ok = false;
    const int index = ssids_->Value("dot11MssidIndex").toInt(&ok);
    if (!ok || index < 1 || index > 8)
        return;
    // The primary SSID is always there; another one only while it is on.
    if (index == 1 || CellText(ssids_->Value("dot11MssIndividualState")).trimmed() == QLatin1String("1"))
        ssidArriving_.emplace_back(index, SsidChoiceText(index));
}

void CSchedulePage::FillSsidChoice() {
    if (ssidArriving_.empty() || ssidArriving_.front().first != 1)
        ssidArriving_.insert(ssidArriving_.begin(), {1, SsidChoiceText(1)});
    ssidChoices_ = ssidArriving_;
    QStringList items;
    for (const auto& choice : ssidChoices_)
        items << choice.second;
    ssid_->Items(items);
}

void CSchedulePage::ListRowArrived() {
    CSchedule rule;
    bool ok = false;
    rule.SsidIndex = CellText(list_->Value("dot11ScheduleListSSIDIndex")).toInt(&ok);
    rule.Name = CellText(list_->Value("dot11ScheduleListName"));
    const QString days = CellText(list_->Value("dot11ScheduleListDays")).trimmed();
    const QString frame = CellText(list_->Value("dot11ScheduleListTimeFrame")).trimmed();
    // An unused slot of the device's list has no days and no time frame.
    if (!ok || rule.SsidIndex < 1 || (days.isEmpty() && frame.isEmpty()))
        return;
    rule.Ssid = CellText(list_->Value("dot11ScheduleListSSID"));
    rule.DayMask = CSchedule::MaskOf(days);
    rule.SetTimeFrame(frame);
    const QString wireless = CellText(list_->Value("dot11ScheduleListWirelessStatus"));
    rule.WirelessStatus = wireless == QLatin1String("0") ? QStringLiteral("off")
                          : wireless == QLatin1String("1") ? QStringLiteral("on") : wireless;
    rule.NodeStatus = CellText(list_->Value("dot11ScheduleListNodeStatus"));
    arriving_.push_back(rule);
}

void CSchedulePage::ListEnded(const RequestResult& result) {
    // A walk that failed keeps the list as it was: nothing is lost locally.
    if (result.Status == 0) {
        rules_ = arriving_;
        ShowList();
    }
    arriving_.clear();
    if (listThen_) {
        auto then = std::move(listThen_);
        listThen_ = nullptr;
        then(result.Status == 0);
        return;
    }
    tally_.Ended(result);
}

void CSchedulePage::ShowList() {
    view_->Clear();
    for (const CSchedule& rule : rules_)
        view_->AddRow({rule.Name, QString::number(rule.SsidIndex), rule.Ssid, CSchedule::DaysText(rule.DayMask),
                       rule.TimeFrameText(), rule.WirelessStatus});
}

void CSchedulePage::ReadList(std::function<void(bool)> then) {
    arriving_.clear();
    listThen_ = std::move(then);
    list_->SetAccessAll(SnmpAccess::ReadOnly);
    if (!list_->StartRead()) {
        auto done = std::move(listThen_);
        listThen_ = nullptr;
        done(false);
    }
}

int CSchedulePage::SelectedSsidIndex() const {
    const int item = ssid_->Combo()->currentIndex();
    if (item < 0 || item >= static_cast<int>(ssidChoices_.size()))
        return 0;
    return ssidChoices_[static_cast<size_t>(item)].first;
}

bool CSchedulePage::ReadEditor(CSchedule* rule) {
    int mask = 0;
    for (int day = 0; day < 7; ++day) {
        if (dayChoice_->Text() == kAllWeek || days_[static_cast<size_t>(day)]->IsChecked())
            mask |= 1 << day;
    }
    if (mask == 0) {
        MessageBox::Show(QStringLiteral("Please select Day(s)."));
        return false;
    }
    rule->DayMask = mask;
    rule->AllDay = allDay_->IsChecked();
    if (!rule->AllDay) {
        int startHour = 0, startMinute = 0, endHour = 0, endMinute = 0;
        if (!InRange(startHour_->Text(), 23, &startHour)) {
            startHour_->Reject(QStringLiteral("Invalid Hour!"));
            return false;
        }
        if (!InRange(endHour_->Text(), 23, &endHour)) {
            endHour_->Reject(QStringLiteral("Invalid Hour!"));
            return false;
        }
        if (!InRange(startMinute_->Text(), 59, &startMinute)) {
            startMinute_->Reject(QStringLiteral("Invalid Minute!"));
            return false;
        }
        if (!InRange(endMinute_->Text(), 59, &endMinute)) {
            endMinute_->Reject(QStringLiteral("Invalid Minute!"));
            return false;
        }
        rule->StartTime = CSchedule::TimeText(startHour, startMinute);
        rule->EndTime = CSchedule::TimeText(endHour, endMinute);
    }
    rule->Name = name_->Text();
    rule->SsidIndex = SelectedSsidIndex();
    rule->Ssid = ssid_->Text();
    rule->NodeStatus = editing_ && !editing_->NodeStatus.isEmpty() ? editing_->NodeStatus : QStringLiteral("1");
    return rule->SsidIndex > 0;
}

void CSchedulePage::AddRule() {
    CSchedule rule;
    if (!ReadEditor(&rule))
        return;
    // Checked before anything is sent; the rule being edited does not count.
    for (const CSchedule& other : rules_) {
        if (other.SsidIndex != rule.SsidIndex || (editing_ && other.SsidIndex == editing_->SsidIndex))
            continue;
        MessageBox::Show(QStringLiteral("The SSID have been exists already!"));
        return;
    }
    Wait().BeginWait(false);
    if (!editing_) {
        SendRule(rule, true, [this](const RequestResult& result) { FinishAdd(result.Status == 0); });
        return;
    }
    // Replacing: the old rule goes, the new one comes; if the device refuses
    // the new one, the old one is written back.
    const CSchedule old = *editing_;
    SendRule(old, false, [this, old, rule](const RequestResult& deleted) {
        if (deleted.Status != 0) {
            FinishAdd(false);
            return;
        }
        SendRule(rule, true, [this, old](const RequestResult& added) {
            if (added.Status == 0) {
                editing_.reset();
                FinishAdd(true);
                return;
            }
            const QString refused = StatusText::Format(true, added.Message, rule_->Variables.Label);
            SendRule(old, true, [this, refused](const RequestResult& restored) {
                PostStatus(refused + (restored.Status == 0
                                          ? QStringLiteral(" The old rule was written back.")
                                          : QStringLiteral(" The old rule could not be written back: ") + restored.Message));
                FinishAdd(false);
            });
        });
    });
}

void CSchedulePage::SendRule(const CSchedule& rule, bool add, std::function<void(const RequestResult&)> then) {
    rule_->SetAccessAll(SnmpAccess::Invalid);
    auto put = [this](const char* name, const QString& value) {
        rule_->SetValue(QString::fromLatin1(name), value);
        rule_->SetAccess(QString::fromLatin1(name), SnmpAccess::ReadWrite);
    };
    if (add) {
        put("dot11ScheduleRuleName", rule.Name);
        put("dot11ScheduleDaysSelect", QString::number(rule.DayMask));
        if (rule.AllDay) {
            put("dot11ScheduleAllDaySelect", QStringLiteral("1"));
        } else {
            put("dot11ScheduleRuleStartTime", rule.StartTime);
            put("dot11ScheduleRuleEndTime", rule.EndTime);
        }
        put("dot11ScheduleNodeStatus", rule.NodeStatus.isEmpty() ? QStringLiteral("1") : rule.NodeStatus);
    }
    put("dot11ScheduleAction", add ? QStringLiteral("1") : QStringLiteral("0"));
    put("dot11ScheduleSSIDIndex", QString::number(rule.SsidIndex));
    rule_->OnSet = [this, then](const RequestResult& result) {
        PostStatus(StatusText::Format(true, result.Message, rule_->Variables.Label));
        then(result);
    };
    if (!rule_->StartWrite()) {
        RequestResult failed;
        failed.Status = -1;
        then(failed);
    }
}

void CSchedulePage::FinishAdd(bool succeeded) {
    if (succeeded)
        ClearEditor();
    ReadList([this, succeeded](bool) { Wait().EndWait(false, succeeded); });
}

void CSchedulePage::ClearEditor() {
    editing_.reset();
    name_->SetText(QString());
    dayChoice_->SetText(kAllWeek);
    for (CheckField* day : days_)
        day->Box()->setChecked(true);
    allDay_->Box()->setChecked(false);
    for (EditField* edit : {startHour_, startMinute_, endHour_, endMinute_})
        edit->SetText(QString());
    ssid_->Combo()->setCurrentIndex(0);
}

void CSchedulePage::ChooseSsid(const CSchedule& rule) {
    for (size_t i = 0; i < ssidChoices_.size(); ++i) {
        if (ssidChoices_[i].first == rule.SsidIndex) {
            ssid_->Combo()->setCurrentIndex(static_cast<int>(i));
            return;
        }
    }
    // A rule of an SSID that is off now: it may still be edited.
    ssidChoices_.emplace_back(rule.SsidIndex, SsidChoiceText(rule.SsidIndex));
    ssid_->Combo()->addItem(ssidChoices_.back().second);
    ssid_->Combo()->setCurrentIndex(ssid_->Combo()->count() - 1);
}

void CSchedulePage::EditRule() {
    const int row = view_->SelectedRow();
    if (row < 0 || row >= static_cast<int>(rules_.size())) {
        MessageBox::Show(QStringLiteral("No item selected!"));
        return;
    }
    const CSchedule& rule = rules_[static_cast<size_t>(row)];
    editing_ = rule;
    name_->SetText(rule.Name);
    const bool allWeek = (rule.DayMask & CSchedule::kAllWeek) == CSchedule::kAllWeek;
    dayChoice_->SetText(allWeek ? kAllWeek : kSelectDays);
    for (int day = 0; day < 7; ++day)
        days_[static_cast<size_t>(day)]->Box()->setChecked((rule.DayMask & (1 << day)) != 0);
    allDay_->Box()->setChecked(rule.AllDay);
    int hour = 0, minute = 0;
    const bool hasStart = CSchedule::SplitTime(rule.StartTime, &hour, &minute);
    startHour_->SetText(hasStart ? QString::number(hour) : QString());
    startMinute_->SetText(hasStart ? QString::number(minute) : QString());
    const bool hasEnd = CSchedule::SplitTime(rule.EndTime, &hour, &minute);
    endHour_->SetText(hasEnd ? QString::number(hour) : QString());
    endMinute_->SetText(hasEnd ? QString::number(minute) : QString());
    ChooseSsid(rule);
}

void CSchedulePage::DeleteRule() {
    const int row = view_->SelectedRow();
    if (row < 0 || row >= static_cast<int>(rules_.size())) {
        MessageBox::Show(QStringLiteral("No item selected!"));
        return;
    }
    if (MessageBox::Confirm(QStringLiteral("Are you sure that you want to delete the selected entry ?")) !=
        MessageBox::AnswerOk)
        return;
    const CSchedule rule = rules_[static_cast<size_t>(row)];
    SendRule(rule, false, [this, rule](const RequestResult& result) {
        const bool deleted = result.Status == 0;
        if (deleted && editing_ && editing_->SsidIndex == rule.SsidIndex)
            editing_.reset();
        ReadList([this, deleted](bool) {
            if (deleted)
                PostStatus(QStringLiteral("Delete OK!"));
        });
    });
}
