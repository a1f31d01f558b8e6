#pragma once
#include "shell/Page.h"

class PageForm;

// A page that lists a table the device builds on request (the associated
// clients, the WDS peers): Refresh posts its text, sets the device's
// refresh variable, walks the table and fills the list; the heading tells
// the band (and the page's own details) and the count of rows.
class CStationListPage : public CPage {
    Q_OBJECT
public:
    void Refresh() override;
    // The heading as shown.
    QString Heading() const;
    PageList& StationList() const { return *list_; }

protected:
    struct Shape {
        const MibVariable* RefreshTable;
        const char* RefreshVariable;
        const MibVariable* Table;
        const char* Refreshing;   // the status text of a refresh
        const char* ListLabel;
    };
    CStationListPage(CMainView* view, const PageRow& row, const Shape& shape);

    // The cells of the row that arrived, or an empty list to leave it out.
    virtual QStringList RowCells(const PageRequest& table) const = 0;
    // The heading with the number of rows.
    virtual QString HeadingText(int rows) const = 0;
    // The value of a column as its map's text.
    static QString Shown(const PageRequest& table, const char* variable);
    // The band as its text ("2.4GHz"), "" before it is known.
    QString BandText() const;

    PageForm* form_ = nullptr;
    PageList* list_ = nullptr;
    PageRequest* band_ = nullptr;

private:
    void Walk();
    void RowArrived(const RequestResult& result);
    void ShowHeading();

    Shape shape_;
    PageRequest* refresh_ = nullptr;
    PageRequest* table_ = nullptr;
};
