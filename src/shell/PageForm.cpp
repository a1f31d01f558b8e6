#include "PageForm.h"
#include "PageList.h"
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

PageForm::PageForm(CPage* page, QWidget* parent, const QString& title)
    : page_(page), title_(title), box_(new QGroupBox(title, parent)), grid_(new QGridLayout) {
    column_ = new QVBoxLayout(box_);
    column_->addLayout(grid_);
    grid_->setColumnStretch(1, 1);
    grid_->setHorizontalSpacing(12);
    if (title.isEmpty())
        box_->setFlat(true);
}

void PageForm::PlaceField(PageField& field) {
    field.SetGroup(title_);
    QWidget* widget = field.Widget();
    widget->setParent(box_);
    const int row = grid_->rowCount();
    if (field.LabelsItself()) {
        grid_->addWidget(widget, row, 0, 1, 2);
        return;
    }
    QString text = field.Label();
    if (!text.endsWith(QLatin1Char(':')))
        text += QStringLiteral(" :");
    auto* label = new QLabel(text, box_);
    label->setBuddy(widget);
    grid_->addWidget(label, row, 0, Qt::AlignLeft | Qt::AlignVCenter);
    grid_->addWidget(widget, row, 1);
    page_->TieLabel(field, label);
}

PageList& PageForm::List(const QString& label) {
    PageList& list = page_->DeclareList(label, title_);
    list.View()->setParent(box_);
    grid_->addWidget(list.View(), grid_->rowCount(), 0, 1, 2);
    return list;
}

QPushButton* PageForm::Button(const QString& text, std::function<void()> onClick) {
    if (!buttons_) {
        buttons_ = new QHBoxLayout;
        buttons_->addStretch(1);
        column_->addLayout(buttons_);   // below every row
    }
    QPushButton* button = page_->DeclareButton(text, title_, std::move(onClick));
    button->setParent(box_);
    buttons_->addWidget(button);
    return button;
}
