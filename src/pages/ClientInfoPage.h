#pragma once
#include "StationListPage.h"

// The stations associated with the access point.
class CClientInfoPage : public CStationListPage {
    Q_OBJECT
public:
    CClientInfoPage(CMainView* view, const PageRow& row);

protected:
    QStringList RowCells(const PageRequest& table) const override;
    QString HeadingText(int rows) const override;
};
