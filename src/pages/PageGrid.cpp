#include "PageGrid.h"
#include "shell/Page.h"
#include "shell/PageField.h"
#include "shell/PageForm.h"
#include <QGridLayout>
#include <QHBoxLayout>
#include <algorithm>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace PageGrid {
namespace {
QGridLayout* NewGrid(PageForm& form) {
    auto* holder = new QWidget(form.Box());
    auto* grid = new QGridLayout(holder);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(4);
    static_cast<QVBoxLayout*>(form.Box()->layout())->insertWidget(0, holder);
    return grid;
}
}  // namespace

QLabel* LabelOf(const PageField& field) {
    for (QLabel* label : field.Widget()->parentWidget()->findChildren<QLabel*>()) {
        if (label->buddy() == field.Widget())
            return label;
    }
    return nullptr;
}

void Arrange(PageForm& form, const std::vector<std::vector<PageField*>>& rows, const std::set<int>& inlineRows) {
    QGridLayout* grid = NewGrid(form);
    QWidget* holder = grid->parentWidget();
    int columns = 2;
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        if (!inlineRows.count(r))
            columns = std::max(columns, 2 * static_cast<int>(rows[static_cast<size_t>(r)].size()));
    }
    auto place = [](PageField* field, QWidget* parent) {
        QLabel* label = LabelOf(*field);
        if (label) {
            label->setParent(parent);
            label->setMinimumWidth(label->sizeHint().width());   // never cut
            label->show();
        }
        field->Widget()->setParent(parent);
        field->Widget()->show();
        return label;
    };
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const std::vector<PageField*>& row = rows[static_cast<size_t>(r)];
        if (inlineRows.count(r)) {
            // One line of controls across the whole width.
            auto* line = new QWidget(holder);
            auto* box = new QHBoxLayout(line);
            box->setContentsMargins(0, 0, 0, 0);
            for (PageField* field : row) {
                if (QLabel* label = place(field, line))
                    box->addWidget(label);
                box->addWidget(field->Widget());
            }
            box->addStretch(1);
            grid->addWidget(line, r, 0, 1, columns);
            continue;
        }
        int column = 0;
        for (size_t i = 0; i < row.size(); ++i) {
            PageField* field = row[i];
            // The last control of a short row takes the rest of the width.
            const int span = i + 1 == row.size() ? columns - column - 1 : 1;
            if (QLabel* label = place(field, holder)) {
                grid->addWidget(label, r, column, Qt::AlignLeft | Qt::AlignVCenter);
                grid->addWidget(field->Widget(), r, column + 1, 1, span);
                grid->setColumnStretch(column + 1, 1);
            } else {
                grid->addWidget(field->Widget(), r, column, 1, span + 1);
            }
            column += 2;
        }
    }
}

void Table(PageForm& form, const QStringList& headers, const QStringList& rowTitles,
           const std::vector<std::vector<PageField*>>& rows) {
    QGridLayout* grid = NewGrid(form);
    QWidget* holder = grid->parentWidget();
    for (int c = 0; c < headers.size(); ++c)
        grid->addWidget(new QLabel(headers[c], holder), 0, c);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        grid->addWidget(new QLabel(rowTitles.value(r), holder), r + 1, 0);
        int column = 1;
        for (PageField* field : rows[static_cast<size_t>(r)]) {
            if (QLabel* label = LabelOf(*field))
                label->hide();
            field->Widget()->setParent(holder);
            grid->addWidget(field->Widget(), r + 1, column);
            grid->setColumnStretch(column, 1);
            field->Widget()->show();
            ++column;
        }
    }
}

std::vector<std::vector<PageField*>> InRows(const std::vector<PageField*>& fields, int columns) {
    std::vector<std::vector<PageField*>> rows;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i % static_cast<size_t>(columns) == 0)
            rows.emplace_back();
        rows.back().push_back(fields[i]);
    }
    return rows;
}

QTabWidget* AddTabs(CPage* page) {
    auto* tabs = new QTabWidget(page);
    static_cast<QVBoxLayout*>(page->layout())->insertWidget(0, tabs, 1);
    return tabs;
}

QWidget* AddTab(QTabWidget* tabs, const QString& title) {
    auto* tab = new QWidget(tabs);
    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(6, 6, 6, 6);
    tabs->addTab(tab, title);
    return tab;
}

void PutInTab(QWidget* tab, QWidget* box, int stretch) { static_cast<QVBoxLayout*>(tab->layout())->addWidget(box, stretch); }

void EndTab(QWidget* tab) { static_cast<QVBoxLayout*>(tab->layout())->addStretch(1); }
}  // namespace PageGrid
