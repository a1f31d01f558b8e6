#include "PageColumns.h"
#include "shell/Page.h"
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace PageColumns {
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
