#include "DeviceList.h"
#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QItemSelectionModel>

DeviceList::DeviceList(QAbstractItemView* view) : view_(view) {}

int DeviceList::ColumnOf(const QString& header) const {
    const QAbstractItemModel* model = view_ ? view_->model() : nullptr;
    if (!model)
        return -1;
    for (int c = 0; c < model->columnCount(); ++c)
        if (model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString() == header)
            return c;
    return -1;
}

QString DeviceList::TextAt(int row, int column) const {
    const QAbstractItemModel* model = view_ ? view_->model() : nullptr;
    if (!model || row < 0 || column < 0 || row >= model->rowCount() || column >= model->columnCount())
        return {};
    return model->data(model->index(row, column), Qt::DisplayRole).toString();
}

void DeviceList::SetTextAt(int row, int column, const QString& text) {
    QAbstractItemModel* model = view_ ? view_->model() : nullptr;
    if (!model || row < 0 || column < 0 || row >= model->rowCount() || column >= model->columnCount())
        return;
    model->setData(model->index(row, column), text, Qt::EditRole);
}

QString DeviceList::Text(int row, const QString& header) const { return TextAt(row, ColumnOf(header)); }

void DeviceList::SetText(int row, const QString& header, const QString& text) { SetTextAt(row, ColumnOf(header), text); }

std::vector<int> DeviceList::SelectedRows() const {
    std::vector<int> rows;
    const QAbstractItemModel* model = view_ ? view_->model() : nullptr;
    const QItemSelectionModel* selection = view_ ? view_->selectionModel() : nullptr;
    if (!model || !selection)
        return rows;
    for (int r = 0; r < model->rowCount(); ++r)
        if (selection->rowIntersectsSelection(r, QModelIndex()))
            rows.push_back(r);
    return rows;
}

int DeviceList::SelectedRowOf(const QString& address) const {
    for (int row : SelectedRows())
        if (Text(row, QStringLiteral("IP Address")) == address)
            return row;
    return -1;
}
