#pragma once
#include "StationListPage.h"

// The WDS peers of the access point, with the channel and band it runs on.
class CWdsInfoPage : public CStationListPage {
    Q_OBJECT
public:
    CWdsInfoPage(CMainView* view, const PageRow& row);

protected:
    QStringList RowCells(const PageRequest& table) const override;
    QString HeadingText(int rows) const override;
};
