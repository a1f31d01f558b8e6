#include "PageList.h"
#include "Page.h"
#include "PageRequest.h"
#include "ValueBinding.h"
#include "snmp/MibVariableList.h"
#include "snmp/ValueMap.h"
#include <QHeaderView>
#include <QTreeWidget>

// One bound column: the values of a walk go into the list's rows.
class PageList::Cell : public ValueBinding {
public:
    Cell(PageList* list, PageRequest* request, int index, int column)
        : list_(list), request_(request), index_(index), column_(column) {
        request_->Bind(index_, this);
    }
    ~Cell() override { request_->Bind(index_, nullptr); }

    void ToControl(const MibVariableEntry& entry) override {
        list_->CellArrived(column_, entry.Map ? entry.Map->TextForValue(entry.Value) : entry.Value);
    }
    void FromControl(MibVariableEntry&) override {}   // a list is shown, not written
    void ReadStarting() override { list_->Clear(); }

private:
    PageList* list_;
    PageRequest* request_;
    int index_;
    int column_;
};

PageList::PageList(CPage* page, const QString& label) : label_(label), view_(new QTreeWidget(page)) {
    view_->setRootIsDecorated(false);
    view_->setAllColumnsShowFocus(true);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setUniformRowHeights(true);
    view_->setColumnCount(0);
}

PageList::~PageList() = default;

QWidget* PageList::Widget() const { return view_; }

PageList& PageList::Column(PageRequest& request, const QString& variable, const QString& header) {
    const int column = static_cast<int>(headers_.size());
    cells_.push_back(std::make_unique<Cell>(this, &request, request.IndexOf(variable), column));
    return Column(header);
}

PageList& PageList::Column(const QString& header) {
    headers_ << header;
    filled_.assign(static_cast<size_t>(headers_.size()), false);
    view_->setColumnCount(static_cast<int>(headers_.size()));
    view_->setHeaderLabels(headers_);
    return *this;
}

PageList& PageList::Checkable() {
    checkable_ = true;
    return *this;
}

int PageList::RowCount() const { return view_->topLevelItemCount(); }

QStringList PageList::Headers() const { return headers_; }

std::vector<QStringList> PageList::Rows() const {
    std::vector<QStringList> rows;
    for (int r = 0; r < view_->topLevelItemCount(); ++r) {
        QStringList cells;
        const QTreeWidgetItem* item = view_->topLevelItem(r);
        for (int c = 0; c < view_->columnCount(); ++c)
            cells << item->text(c);
        rows.push_back(cells);
    }
    return rows;
}

void PageList::Clear() {
    view_->clear();
    filled_.assign(filled_.size(), false);
}

void PageList::AddRow(const QStringList& cells) {
    auto* item = new QTreeWidgetItem(view_, cells);
    if (checkable_)
        item->setCheckState(0, Qt::Unchecked);
}

void PageList::CellArrived(int column, const QString& text) {
    // A column that the last row already has starts the next row.
    const size_t c = static_cast<size_t>(column);
    if (view_->topLevelItemCount() == 0 || filled_[c]) {
        AddRow({});
        filled_.assign(filled_.size(), false);
    }
    view_->topLevelItem(view_->topLevelItemCount() - 1)->setText(column, text);
    filled_[c] = true;
}

bool PageList::Select(int row) {
    QTreeWidgetItem* item = view_->topLevelItem(row);
    if (!item)
        return false;
    view_->setCurrentItem(item);
    emit view_->itemClicked(item, 0);
    return true;
}

bool PageList::Tick(int row) {
    QTreeWidgetItem* item = view_->topLevelItem(row);
    if (!item || !checkable_)
        return false;
    item->setCheckState(0, item->checkState(0) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    return true;
}

bool PageList::IsTicked(int row) const {
    const QTreeWidgetItem* item = view_->topLevelItem(row);
    return item && checkable_ && item->checkState(0) == Qt::Checked;
}

int PageList::SelectedRow() const {
    QTreeWidgetItem* item = view_->currentItem();
    return item ? view_->indexOfTopLevelItem(item) : -1;
}
