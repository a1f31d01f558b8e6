#include "StaticField.h"
#include "Page.h"
#include <QLabel>

StaticField::StaticField(CPage* page, PageRequest* request, const QString& variable, const QString& label)
    : PageField(page, request, variable, label), label_(new QLabel(page)) {
    label_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label_->setObjectName(variable.isEmpty() ? label : variable);
}

QWidget* StaticField::Widget() const { return label_; }

QString StaticField::Text() const { return label_->text(); }

void StaticField::SetText(const QString& text) { label_->setText(text); }

bool StaticField::Enter(const QString&, QString* why) {
    if (why)
        *why = QStringLiteral("it is a text, not an input field");
    return false;
}
