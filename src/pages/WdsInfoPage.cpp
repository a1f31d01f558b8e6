#include "WdsInfoPage.h"
#include "mib/pages/StatusPageTables.h"
#include "shell/PageForm.h"
#include "shell/PageList.h"
#include "shell/StaticField.h"
#include "snmp/SnmpSyntax.h"

namespace {
constexpr int32_t kTimeout = 500;
}  // namespace

CWdsInfoPage::CWdsInfoPage(CMainView* view, const PageRow& row)
    : CStationListPage(view, row,
                       {MibPages::kWdsInfoRefreshVars, "dot11WdsRefresh", MibPages::kWdsInfoTableVars,
                        "Refresh WDS information...", "WDS Information"}) {
    PageRequest& channel = AddRequest(MibPages::kDeviceInfoWirelessVars, kTimeout);
    channel.RefreshAccess = SnmpAccess::ReadOnly;
    Hidden<StaticField>(channel, "dot11Channel");
    channel.OnGot = [this](const RequestResult&) { form_->Box()->setTitle(HeadingText(list_->RowCount())); };
    list_->Column(QStringLiteral("Name"))
        .Column(QStringLiteral("MAC Address"))
        .Column(QStringLiteral("Authentication"))
        .Column(QStringLiteral("Signal"))
        .Column(QStringLiteral("Status"));
    form_->Box()->setTitle(HeadingText(0));
}

QStringList CWdsInfoPage::RowCells(const PageRequest& table) const {
    QString authentication = Shown(table, "dot11WdsAuthentication");
    if (authentication.isEmpty())
        authentication = QStringLiteral("None");
    return {Shown(table, "dot11WdsSsidIndex"), Shown(table, "dot11WdsMacAddress"), authentication,
            Shown(table, "dot11WdsRssi"), Shown(table, "dot11Status")};
}

QString CWdsInfoPage::HeadingText(int rows) const {
    Q_UNUSED(rows);
    return QStringLiteral("WDS Information Channel: %1 (%2):").arg(TextOf(QStringLiteral("dot11Channel")), BandText());
}
