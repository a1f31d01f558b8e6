#include "Page.h"
#include "MainView.h"
#include "PageWait.h"
#include "StatusPost.h"
#include "Validators.h"
#include "controls/IpAddressEdit.h"
#include "platform/MessageBox.h"
#include "snmp/SnmpSyntax.h"
#include "snmp/StatusText.h"
#include <QLineEdit>

CPage::CPage(CMainView* view, const PageRow& row) : QWidget(view), view_(view), row_(row) {
    setObjectName(QString::fromLatin1(row.PageClass));
}

// Requests go first, while the page is still whole: their destruction waits
// for outstanding completions.
CPage::~CPage() { requests_.clear(); }

PageRequest& CPage::AddRequest(const MibVariable* table, int32_t kind, int32_t timeoutHundredths,
                               const QString& label) {
    requests_.push_back(std::make_unique<PageRequest>(this, table, kind, timeoutHundredths, label));
    return *requests_.back();
}

void CPage::Refresh() {
    for (auto& request : requests_) {
        if (!request->ReadOnRefresh)
            continue;
        request->SetAccessAll(SnmpAccess::ReadWrite);
        request->StartRead();
    }
}

bool CPage::IsBusy() const {
    for (const auto& request : requests_) {
        if (request && request->Busy())
            return true;
    }
    return false;
}

void CPage::PostStatus(const QString& text) const { StatusText::Post(text); }

PageWait& CPage::Wait() const { return view_->Wait(); }

void CPage::Save(PageRequest& request, const std::function<bool()>& rules,
                 const std::function<void(const RequestResult&)>& followUp) {
    request.SetAccessAll(SnmpAccess::Invalid);
    if (rules && !rules())
        return;
    Wait().BeginWait(false);
    request.OnSet = [this, followUp](PageRequest& r, const RequestResult& result, MibVariableList&) {
        PostStatus(StatusText::Format(true, result.Message, r.Variables.Label));
        if (followUp)
            followUp(result);
        Wait().EndWait(false, result.Status == 0);
    };
    if (!request.StartWrite())
        Wait().EndWait(false, false);
}

void CPage::Reject(IpAddressEdit* control, const QString& message) {
    MessageBox::Show(message);
    control->Clear();
    control->FocusFirstField();
}

void CPage::Reject(QLineEdit* edit, const QString& message) {
    MessageBox::Show(message);
    edit->selectAll();
    edit->end(true);   // the caret into view, the text still selected
    edit->selectAll();
    edit->setFocus(Qt::OtherFocusReason);
}

bool CPage::RequireIpAddress(IpAddressEdit* control, const QString& message) const {
    if (Validators::IsValidIpAddress(control->Text()))
        return true;
    Reject(control, message);
    return false;
}

bool CPage::RequireSubnetMask(IpAddressEdit* control, const QString& message) const {
    if (Validators::IsValidSubnetMask(control->Text()))
        return true;
    Reject(control, message);
    return false;
}

bool CPage::RequireIpAddress(QLineEdit* edit, const QString& message) const {
    if (Validators::IsValidIpAddress(edit->text()))
        return true;
    Reject(edit, message);
    return false;
}

bool CPage::RequireNumber(QLineEdit* edit, long long low, long long high, const QString& message) const {
    if (Validators::IsNumberInRange(edit->text(), low, high))
        return true;
    Reject(edit, message);
    return false;
}
