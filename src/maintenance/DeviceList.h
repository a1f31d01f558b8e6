#pragma once
#include <QPointer>
#include <QString>
#include <vector>

class QAbstractItemView;

// The host's device list as the upgrade reads and writes it: some columns by
// header text, the model, step and status columns by position. A column that
// is not there reads as "" and takes no writes; a list that goes away reads
// as empty.
class DeviceList {
public:
    enum Positions { ModelColumn = 1, StepColumn = 6, StatusColumn = 7 };

    explicit DeviceList(QAbstractItemView* view);

    QString Text(int row, const QString& header) const;
    void SetText(int row, const QString& header, const QString& text);
    QString TextAt(int row, int column) const;
    void SetTextAt(int row, int column, const QString& text);

    QString Status(int row) const { return TextAt(row, StatusColumn); }
    void SetStatus(int row, const QString& text) { SetTextAt(row, StatusColumn, text); }
    QString Step(int row) const { return TextAt(row, StepColumn); }
    void SetStep(int row, const QString& text) { SetTextAt(row, StepColumn, text); }

    // Selected rows in list order.
    std::vector<int> SelectedRows() const;
    // The first selected row whose "IP Address" is `address`, or -1.
    int SelectedRowOf(const QString& address) const;

private:
    int ColumnOf(const QString& header) const;
    QPointer<QAbstractItemView> view_;
};
