#include "FormRows.h"
#include "shell/Page.h"
#include "shell/PageForm.h"
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace FormRows {
namespace {
// The grid of label and control rows that a form lays its fields out in.
QGridLayout* GridOf(PageForm& form) {
    QLayout* column = form.Box()->layout();
    QLayoutItem* first = column ? column->itemAt(0) : nullptr;
    return first ? qobject_cast<QGridLayout*>(first->layout()) : nullptr;
}

void PlaceAtRowEnd(QGridLayout& grid, int row, QWidget* widget) {
    int column = 2;   // after the label and the control
    while (grid.itemAtPosition(row, column))
        ++column;
    grid.addWidget(widget, row, column);
}
}  // namespace

QPushButton* ButtonAfter(CPage& page, PageForm& form, const PageField& field, const QString& group,
                         const QString& text, std::function<void()> onClick) {
    QPushButton* button = page.DeclareButton(text, group, std::move(onClick));
    button->setParent(form.Box());
    QGridLayout* grid = GridOf(form);
    const int index = grid ? grid->indexOf(field.Widget()) : -1;
    if (index < 0)
        return button;
    int row = 0, column = 0, rows = 0, columns = 0;
    grid->getItemPosition(index, &row, &column, &rows, &columns);
    PlaceAtRowEnd(*grid, row, button);
    return button;
}

QPushButton* TextRow(CPage& page, PageForm& form, const QString& text, const QString& buttonText,
                     std::function<void()> onClick) {
    QPushButton* button = page.DeclareButton(buttonText, form.Title(), std::move(onClick));
    button->setParent(form.Box());
    QGridLayout* grid = GridOf(form);
    if (!grid)
        return button;
    const int row = grid->rowCount();
    grid->addWidget(new QLabel(text, form.Box()), row, 0, 1, 2);
    grid->addWidget(button, row, 2);
    return button;
}

void AlignLabels(const std::vector<PageForm*>& forms) {
    int widest = 0;
    for (PageForm* form : forms) {
        QGridLayout* grid = GridOf(*form);
        for (int row = 0; grid && row < grid->rowCount(); ++row) {
            if (QLayoutItem* item = grid->itemAtPosition(row, 0); item && item->widget())
                widest = qMax(widest, item->widget()->sizeHint().width());
        }
    }
    for (PageForm* form : forms) {
        if (QGridLayout* grid = GridOf(*form))
            grid->setColumnMinimumWidth(0, widest);
    }
}

}  // namespace FormRows
