#include "StationListPage.h"
#include "mib/pages/StatusPageTables.h"
#include "shell/PageForm.h"
#include "shell/ShellTexts.h"
#include "shell/StaticField.h"
#include "snmp/SnmpSyntax.h"
#include "snmp/StatusText.h"
#include "snmp/ValueMap.h"
#include <QGroupBox>
#include <QTreeWidget>

using namespace MibPages;

namespace {
constexpr int32_t kTimeout = 500;
}  // namespace

CStationListPage::CStationListPage(CMainView* view, const PageRow& row, const Shape& shape)
    : CPage(view, row), shape_(shape) {
    band_ = &AddRequest(kDeviceInfoBandVars, kTimeout);
    band_->RefreshAccess = SnmpAccess::ReadOnly;
    Hidden<StaticField>(*band_, "dot11Band");
    refresh_ = &AddRequest(shape.RefreshTable, kTimeout);
    refresh_->ReadOnRefresh = false;
    table_ = &AddRequest(shape.Table, kTimeout);
    table_->ReadOnRefresh = false;
    table_->RefreshAccess = SnmpAccess::ReadOnly;

    form_ = &Form(QString::fromLatin1(shape.ListLabel));
    list_ = &form_->List(QString::fromLatin1(shape.ListLabel));
    list_->View()->setMinimumHeight(220);
    form_->Button(QStringLiteral("Refresh"), [this] { Refresh(); });

    band_->OnGot = [this](const RequestResult& result) {
        if (result.Status != 0)
            PostStatus(StatusText::Format(false, result.Message, band_->Variables.Label));
        ShowHeading();
    };
    refresh_->OnSet = [this](const RequestResult& result) {
        if (result.Status != 0) {
            PostStatus(StatusText::Format(true, result.Message, refresh_->Variables.Label));
            return;
        }
        Walk();
    };
    table_->OnGot = [this](const RequestResult& result) { RowArrived(result); };
}

void CStationListPage::Refresh() {
    PostStatus(QString::fromLatin1(shape_.Refreshing));
    CPage::Refresh();   // the band
    refresh_->SetAccessAll(SnmpAccess::ReadWrite);
    refresh_->SetValue(QString::fromLatin1(shape_.RefreshVariable), QStringLiteral("1"));
    refresh_->StartWrite();
}

void CStationListPage::Walk() {
    list_->Clear();
    table_->SetAccessAll(table_->RefreshAccess);
    table_->StartRead();
}

void CStationListPage::RowArrived(const RequestResult& result) {
    if (!result.Done) {
        const QStringList cells = RowCells(*table_);
        if (!cells.isEmpty())
            list_->AddRow(cells);
        return;
    }
    ShowHeading();
    for (int column = 0; column < list_->View()->columnCount(); ++column)
        list_->View()->resizeColumnToContents(column);
    PostStatus(result.Status == 0 ? QString::fromLatin1(ShellTexts::GetOk)
                                  : StatusText::Format(false, result.Message, table_->Variables.Label));
}

void CStationListPage::ShowHeading() { form_->Box()->setTitle(HeadingText(list_->RowCount())); }

QString CStationListPage::Heading() const { return form_->Box()->title(); }

QString CStationListPage::Shown(const PageRequest& table, const char* variable) {
    const MibVariableEntry& entry = table.Variables.Entry(table.IndexOf(QString::fromLatin1(variable)));
    return entry.Map ? entry.Map->TextForValue(entry.Value) : entry.Value;
}

QString CStationListPage::BandText() const { return TextOf(QStringLiteral("dot11Band")); }
