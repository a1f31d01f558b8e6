#include "SideBySide.h"
#include "shell/Page.h"
#include "shell/PageForm.h"
#include <QHBoxLayout>
#include <QVBoxLayout>

void SideBySide(CPage* page, std::initializer_list<PageForm*> forms) {
    auto* column = qobject_cast<QVBoxLayout*>(page->layout());
    if (!column || forms.size() == 0)
        return;
    const int at = column->indexOf((*forms.begin())->Box());
    if (at < 0)
        return;
    auto* row = new QWidget(page);
    row->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);   // the page's stretch takes what is left
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    for (PageForm* form : forms) {
        column->removeWidget(form->Box());
        line->addWidget(form->Box(), 1, Qt::AlignTop);
    }
    column->insertWidget(at, row);
}
