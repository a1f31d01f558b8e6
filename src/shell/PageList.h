#pragma once
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class CPage;
class PageRequest;
class QTreeWidget;
class QWidget;

// A list view whose columns are request variables: every row of a walk
// becomes a row of the list (emptied when its request reads again). Rows may
// carry check boxes.
class PageList {
public:
    PageList(CPage* page, const QString& label);
    ~PageList();
    PageList(const PageList&) = delete;
    PageList& operator=(const PageList&) = delete;

    const QString& Label() const { return label_; }
    QTreeWidget* View() const { return view_; }
    QWidget* Widget() const;

    // Declares the next column: its header and the variable it shows.
    PageList& Column(PageRequest& request, const QString& variable, const QString& header);
    // A column the page fills itself.
    PageList& Column(const QString& header);
    // Rows carry a check box in their first cell.
    PageList& Checkable();
    bool IsCheckable() const { return checkable_; }

    int RowCount() const;
    std::vector<QStringList> Rows() const;
    QStringList Headers() const;
    void Clear();
    // Adds a row the page makes itself.
    void AddRow(const QStringList& cells);

    // As a person's click: the row becomes the current, selected one.
    bool Select(int row);
    // As a click on the row's check box.
    bool Tick(int row);
    bool IsTicked(int row) const;
    int SelectedRow() const;

private:
    class Cell;
    friend class Cell;
    void CellArrived(int column, const QString& text);

    QString label_;
    QTreeWidget* view_;
    std::vector<std::unique_ptr<Cell>> cells_;
    QStringList headers_;
    std::vector<bool> filled_;   // columns of the last row that have arrived
    bool checkable_ = false;
};
