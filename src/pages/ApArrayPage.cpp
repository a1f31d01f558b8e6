#include "ApArrayPage.h"
#include "CellText.h"
#include "mib/pages/ApArrayPageTables.h"
#include "shell/ComboField.h"
#include "shell/EditField.h"
#include "shell/PageForm.h"
#include "shell/PageWait.h"
#include "shell/RadioField.h"
#include "shell/StaticField.h"
#include "snmp/SnmpSyntax.h"
#include "snmp/StatusText.h"
#include "snmp/ValueMap.h"
#include <QComboBox>
#include <QPushButton>
#include <memory>

using namespace MibPages;

namespace {
constexpr int32_t kTimeout = 500;
constexpr int32_t kScanTimeout = 1500;
const QStringList kRoles = {QStringLiteral("Master"), QStringLiteral("Backup Master"), QStringLiteral("Slave")};
}  // namespace

CApArrayPage::CApArrayPage(CMainView* view, const PageRow& row) : CPage(view, row) {
    settings_ = &AddRequest(kApArraySettingsVars, kTimeout);
    scan_ = &AddRequest(kApArrayScanVars, kScanTimeout);
    scan_->ReadOnRefresh = false;
    scanList_ = &AddRequest(kApArrayScanListTableVars, kTimeout);
    scanList_->RefreshAccess = SnmpAccess::ReadOnly;
    scanList_->ReadOnRefresh = false;
    members_ = &AddRequest(kApArrayMemberTableVars, kTimeout);
    members_->RefreshAccess = SnmpAccess::ReadOnly;
    apMode_ = &AddRequest(kApArrayApModeVars, kTimeout);
    apMode_->RefreshAccess = SnmpAccess::ReadOnly;

    PageForm& form = Form(QStringLiteral("AP Array"));
    form.Add<ComboField>(*settings_, "dot11APArrayStatus", QStringLiteral("Enable AP Array"));
    // The role as the page names it; the device's value travels in a hidden field.
    role_ = &form.Add<RadioField>(QStringLiteral("Role"));
    role_->Items(kRoles);
    roleValue_ = &Hidden<ComboField>(*settings_, "dot11APArrayModeSelect");
    form.Add<EditField>(*settings_, "dot11ApArrayName", QStringLiteral("AP Array name")).MaxLength(32);
    form.Add<EditField>(*settings_, "dot11ApArrayPassword", QStringLiteral("AP Array password")).Secret().MaxLength(32);
    form.Add<StaticField>(*apMode_, "dot11ApMode", QStringLiteral("AP Mode"));
    connection_ = &form.Add<StaticField>(QStringLiteral("Connection Status "));
    form.Button(QStringLiteral("Save"), [this] { Save(); });

    PageForm& scanForm = Form(QStringLiteral("Scan AP Array List "));
    scanView_ = &scanForm.List(QStringLiteral("AP Array List "));
    for (const char* header : {"Array name", "Master IP", "MAC", "Master", "Backup Master", "Slave", "Total"})
        scanView_->Column(QString::fromLatin1(header));
    scanForm.Button(QStringLiteral("Scan"), [this] { Scan(); });

    PageForm& memberForm = Form(QStringLiteral("Current Array Members "));
    memberView_ = &memberForm.List(QString());
    for (const char* header : {"Index", "Role", "IP address", "MAC address", "Location"})
        memberView_->Column(QString::fromLatin1(header));

    settings_->OnGot = apMode_->OnGot = [this](const RequestResult& result) {
        if (result.Status == 0)
            role_->SetText(kRoles.value(roleValue_->Combo()->currentIndex()));
        refreshOk_ &= result.Status == 0;
        if (--refreshOpen_ == 0)
            PostStatus(refreshOk_ ? QStringLiteral("Get OK!") : QStringLiteral("Get Error!"));
    };
}

void CApArrayPage::Refresh() {
    PostStatus(QStringLiteral("Refreshing!"));
    refreshOpen_ = 3;
    refreshOk_ = true;
    for (PageRequest* r : {settings_, apMode_}) {
        r->SetAccessAll(r->RefreshAccess);
        if (!r->StartRead()) {
            RequestResult failed;
            failed.Status = -1;
            r->OnGot(failed);
        }
    }
    Walk(*members_, *memberView_, [this](bool ok) {
        connection_->SetText(ConnectionStatus());
        refreshOk_ &= ok;
        if (--refreshOpen_ == 0)
            PostStatus(refreshOk_ ? QStringLiteral("Get OK!") : QStringLiteral("Get Error!"));
    });
}

QString CApArrayPage::ConnectionStatus() const {
    const bool enabled = TextOf(QStringLiteral("dot11APArrayStatus")).compare(QLatin1String("enable"), Qt::CaseInsensitive) == 0;
    return enabled && memberView_->RowCount() > 1 ? QStringLiteral("Connect") : QStringLiteral("Disconnect");
}

void CApArrayPage::Walk(PageRequest& list, PageList& view, std::function<void(bool)> then) {
    auto rows = std::make_shared<std::vector<QStringList>>();
    list.OnGot = [&list, &view, rows, then](const RequestResult& result) {
        if (result.Status == 0 && !result.Done) {
            QStringList cells;
            for (int i = 0; i < list.Variables.Count(); ++i) {
                const MibVariableEntry& entry = list.Variables.Entry(i);
                const QString value = CellText(entry.Value);
                cells << (entry.Map && !value.isEmpty() ? entry.Map->TextForValue(value) : value);
            }
            if (!cells.first().isEmpty())
                rows->push_back(cells);
            return;
        }
        // A walk that failed keeps what the list showed.
        if (result.Status == 0) {
            view.Clear();
            for (const QStringList& cells : *rows)
                view.AddRow(view.Headers().size() < cells.size() ? cells.mid(cells.size() - view.Headers().size()) : cells);
        }
        if (then)
            then(result.Status == 0);
    };
    list.SetAccessAll(SnmpAccess::ReadOnly);
    if (!list.StartRead() && then)
        then(false);
}

void CApArrayPage::Scan() {
    PostStatus(QStringLiteral("Scanning!"));
    scan_->SetAccessAll(SnmpAccess::ReadWrite);
    scan_->SetValue(QStringLiteral("dot11ApArrayScan"), QStringLiteral("1"));
    scan_->OnSet = [this](const RequestResult& result) {
        if (result.Status != 0) {
            PostStatus(StatusText::Format(true, result.Message, scan_->Variables.Label));
            PostStatus(QStringLiteral("Get Error!"));
            return;
        }
        Walk(*scanList_, *scanView_, [this](bool ok) {
            PostStatus(ok ? QStringLiteral("Get OK!") : QStringLiteral("Get Error!"));
        });
    };
    if (!scan_->StartWrite())
        PostStatus(QStringLiteral("Get Error!"));
}

void CApArrayPage::Save() {
    const int role = kRoles.indexOf(role_->Text());
    if (role >= 0)
        roleValue_->Combo()->setCurrentIndex(role);
    SaveFields(*settings_);
}
