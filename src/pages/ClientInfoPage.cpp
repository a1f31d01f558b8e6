#include "ClientInfoPage.h"
#include "mib/pages/StatusPageTables.h"
#include "shell/PageForm.h"
#include "shell/PageList.h"

namespace {
bool IsRealMac(const QString& mac) {
    const QString digits = mac.trimmed();
    return !digits.isEmpty() && digits != QLatin1String("(NOTDONE)") && digits.count(QLatin1Char('0')) != digits.size();
}
}  // namespace

CClientInfoPage::CClientInfoPage(CMainView* view, const PageRow& row)
    : CStationListPage(view, row,
                       {MibPages::kClientInfoRefreshVars, "dot11ClientInformationRefresh", MibPages::kClientInfoTableVars,
                        "Refresh Cilent information...", "Station association"}) {
    list_->Column(QStringLiteral("SSID"))
        .Column(QStringLiteral("MAC Address"))
        .Column(QStringLiteral("Band"))
        .Column(QStringLiteral("Authentication"))
        .Column(QStringLiteral("Signal"))
        .Column(QStringLiteral("Power Saving Mode"));
    form_->Box()->setTitle(HeadingText(0));
}

QStringList CClientInfoPage::RowCells(const PageRequest& table) const {
    const QString mac = Shown(table, "dot11ClientMacAddress");
    // A row without a station's address is an empty slot.
    if (!IsRealMac(mac))
        return {};
    return {Shown(table, "dot11SSIDIndex"),          mac,
            Shown(table, "dot11ClientBand"),         Shown(table, "dot11ClientAuthentication"),
            Shown(table, "dot11ClientRssi"),         Shown(table, "dot11ClientPsm")};
}

QString CClientInfoPage::HeadingText(int rows) const {
    return QStringLiteral("Station association (%1) : %2").arg(BandText()).arg(rows);
}
