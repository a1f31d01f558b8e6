#include "RadiusServerPage.h"
#include "CellText.h"
#include "mib/pages/RadiusServerPageTables.h"
#include "platform/MessageBox.h"
#include "shell/ComboField.h"
#include "shell/EditField.h"
#include "shell/PageForm.h"
#include "shell/PageWait.h"
#include <QPushButton>
#include "shell/ShellTexts.h"
#include "snmp/SnmpSyntax.h"
#include "snmp/StatusText.h"
#include <QComboBox>

using namespace MibPages;

namespace {
constexpr int32_t kTimeout = 500;
}

CRadiusServerPage::CRadiusServerPage(CMainView* view, const PageRow& row) : CPage(view, row) {
    add_ = &AddRequest(kRadiusAccountAddVars, kTimeout);
    add_->ReadOnRefresh = false;
    delete_ = &AddRequest(kRadiusAccountDeleteVars, kTimeout);
    delete_->ReadOnRefresh = false;
    list_ = &AddRequest(kRadiusAccountListTableVars, kTimeout);
    list_->RefreshAccess = SnmpAccess::ReadOnly;

    PageForm& form = Form(QStringLiteral("Add RADIUS Account"));
    name_ = &form.Add<EditField>(QStringLiteral("Name"));
    name_->MaxLength(64);
    password_ = &form.Add<EditField>(QStringLiteral("Password"));
    password_->Secret().MaxLength(80);
    status_ = &form.Add<ComboField>(QStringLiteral("Status"));
    status_->Items({QStringLiteral("Disable"), QStringLiteral("Enable")});
    status_->Combo()->setCurrentIndex(1);
    QPushButton* save = form.Button(QStringLiteral("Save"), [this] { SaveAccount(); });
    save->setProperty("addsEntry", true);   // adds what the editor holds; an empty editor is refused
    form.Button(QStringLiteral("Clear"), [this] { ClearEditor(); });

    PageForm& listForm = Form(QStringLiteral("RADIUS Account list "));
    view_ = &listForm.List(QString());
    view_->Column(QStringLiteral("User Name")).Column(QStringLiteral("Status"));
    listForm.Button(QStringLiteral("Edit"), [this] { EditAccount(); });
    listForm.Button(QStringLiteral("Del"), [this] { DeleteAccount(); });

    list_->OnGot = [this](const RequestResult& result) {
        if (result.Status == 0 && !result.Done)
            RowArrived();
        else
            ListEnded(result);
    };
}

void CRadiusServerPage::Refresh() {
    ReadList([this](bool ok) { PostStatus(QString::fromLatin1(ok ? ShellTexts::RefreshOk : "Refresh Error!")); });
}

void CRadiusServerPage::ReadList(std::function<void(bool)> then) {
    arriving_.clear();
    listThen_ = std::move(then);
    list_->SetAccessAll(SnmpAccess::ReadOnly);
    if (!list_->StartRead()) {
        auto done = std::move(listThen_);
        listThen_ = nullptr;
        if (done)
            done(false);
    }
}

void CRadiusServerPage::RowArrived() {
    CLocalRadiusAccount account;
    account.UserName = CellText(list_->Value("dot11LocalRadiusnInfoName"));
    if (account.UserName.isEmpty())
        return;   // an unused slot of the device's list
    account.Password = QString::fromLatin1(CLocalRadiusAccount::kStoredPassword);
    account.Status = CellText(list_->Value("dot11LocalRadiusInfoNodeStatus")).trimmed() == QLatin1String("0") ? 0 : 1;
    arriving_.push_back(account);
}

void CRadiusServerPage::ListEnded(const RequestResult& result) {
    if (result.Status == 0) {
        accounts_ = arriving_;
        ShowList();
    } else {
        PostStatus(StatusText::Format(false, result.Message, list_->Variables.Label));
    }
    arriving_.clear();
    auto then = std::move(listThen_);
    listThen_ = nullptr;
    if (then)
        then(result.Status == 0);
}

void CRadiusServerPage::ShowList() {
    view_->Clear();
    for (const CLocalRadiusAccount& account : accounts_)
        view_->AddRow({account.UserName, account.StatusText()});
}

void CRadiusServerPage::SaveAccount() {
    const QString name = name_->Text();
    const QString password = password_->Text();
    if (name.isEmpty()) {
        name_->Reject(QStringLiteral("User name should not be empty!"));
        return;
    }
    for (const CLocalRadiusAccount& account : accounts_) {
        if (account.UserName == name && !(editing_ && *editing_ == name)) {
            name_->Reject(QStringLiteral("The account name have been exists already!"));
            return;
        }
    }
    if (password.isEmpty()) {
        password_->Reject(QStringLiteral("Password should not be empty!"));
        return;
    }
    if (password.size() < 8 || password.size() > 64) {
        password_->Reject(QStringLiteral("The length of password should be 8~64."));
        return;
    }
    if (editing_ && password == QLatin1String(CLocalRadiusAccount::kStoredPassword)) {
        password_->Reject(QStringLiteral("Please re-set the password!"));
        return;
    }
    Wait().BeginWait(false);
    add_->SetAccessAll(SnmpAccess::ReadWrite);
    add_->SetValue(QStringLiteral("dot11LocalRadiusUserName"), name);
    add_->SetValue(QStringLiteral("dot11LocalRadiusPassword"), password);
    add_->SetValue(QStringLiteral("dot11LocalRadiusNodeStatus"), QString::number(qMax(0, status_->Combo()->currentIndex())));
    add_->SetValue(QStringLiteral("dot11LocalRadiusAction"), QStringLiteral("1"));
    add_->OnSet = [this](const RequestResult& result) {
        const bool ok = result.Status == 0;
        PostStatus(StatusText::Format(true, result.Message, add_->Variables.Label));
        if (ok)
            ClearEditor();
        ReadList([this, ok](bool) { Wait().EndWait(false, ok); });
    };
    if (!add_->StartWrite())
        Wait().EndWait(false, false);
}

void CRadiusServerPage::EditAccount() {
    const int row = view_->SelectedRow();
    if (row < 0 || row >= static_cast<int>(accounts_.size())) {
        MessageBox::Show(QStringLiteral("No item selected!"));
        return;
    }
    const CLocalRadiusAccount& account = accounts_[static_cast<size_t>(row)];
    editing_ = account.UserName;
    name_->SetText(account.UserName);
    password_->SetText(account.Password);
    status_->Combo()->setCurrentIndex(account.Status);
}

void CRadiusServerPage::DeleteAccount() {
    const int row = view_->SelectedRow();
    if (row < 0 || row >= static_cast<int>(accounts_.size())) {
        MessageBox::Show(QStringLiteral("No item selected!"));
        return;
    }
    const QString name = accounts_[static_cast<size_t>(row)].UserName;
    if (MessageBox::Confirm(QStringLiteral("Are you sure that you want to delete the selected entry ?")) !=
        MessageBox::AnswerOk)
        return;
    delete_->SetAccessAll(SnmpAccess::ReadWrite);
    delete_->SetValue(QStringLiteral("dot11LocalRadiusUserName"), name);
    delete_->SetValue(QStringLiteral("dot11LocalRadiusAction"), QStringLiteral("0"));
    delete_->OnSet = [this, name](const RequestResult& result) {
        PostStatus(StatusText::Format(true, result.Message, delete_->Variables.Label));
        if (result.Status == 0 && editing_ && *editing_ == name)
            ClearEditor();
        ReadList([](bool) {});
    };
    delete_->StartWrite();
}

void CRadiusServerPage::ClearEditor() {
    editing_.reset();
    name_->SetText(QString());
    password_->SetText(QString());
    status_->Combo()->setCurrentIndex(1);
}
