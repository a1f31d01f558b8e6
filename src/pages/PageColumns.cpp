#include "PageColumns.h"
#include "shell/Page.h"
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace PageColumns {

void Arrange(CPage* page, const std::function<bool(QWidget* part)>& right) {
    auto* column = static_cast<QVBoxLayout*>(page->layout());
    auto* area = new QScrollArea(page);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    auto* row = new QWidget(area);
    auto* columns = new QHBoxLayout(row);
    columns->setContentsMargins(0, 0, 0, 0);
    auto* leftColumn = new QVBoxLayout;
    auto* rightColumn = new QVBoxLayout;
    columns->addLayout(leftColumn, 1);
    columns->addLayout(rightColumn, 1);
    std::vector<QWidget*> parts;
    for (int i = 0; i < column->count(); ++i) {
        QWidget* w = column->itemAt(i)->widget();
        if (qobject_cast<QGroupBox*>(w) || qobject_cast<QTreeWidget*>(w))
            parts.push_back(w);
    }
    for (QWidget* part : parts) {
        column->removeWidget(part);
        part->setParent(row);
        (right && right(part) ? rightColumn : leftColumn)->addWidget(part, qobject_cast<QTreeWidget*>(part) ? 1 : 0);
        // Long item texts do not widen a column beyond the page.
        for (QComboBox* combo : part->findChildren<QComboBox*>()) {
            combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            combo->setMinimumContentsLength(12);
        }
    }
    leftColumn->addStretch(1);
    rightColumn->addStretch(1);
    area->setWidget(row);
    column->insertWidget(0, area, 1);
    for (int i = 1; i < column->count(); ++i)
        column->setStretch(i, 0);   // the scrolled area takes the page's height
}

void Arrange(CPage& page, const std::vector<QWidget*>& left, const std::vector<QWidget*>& right) {
    auto* column = qobject_cast<QVBoxLayout*>(page.layout());
    if (!column)
        return;
    auto* both = new QWidget(&page);
    auto* row = new QHBoxLayout(both);
    row->setContentsMargins(0, 0, 0, 0);
    for (const auto* widgets : {&left, &right}) {
        auto* side = new QVBoxLayout;
        for (QWidget* widget : *widgets) {
            column->removeWidget(widget);
            widget->setParent(both);
            side->addWidget(widget);
        }
        side->addStretch(1);
        row->addLayout(side, 1);
    }
    column->insertWidget(0, both);
}

}  // namespace PageColumns
