#include "UnitField.h"
#include "shell/Page.h"
#include <QLabel>

UnitField::UnitField(CPage* page, PageRequest* request, const QString& variable, const QString& label)
    : PageField(page, request, variable, label), label_(new QLabel(page)) {
    label_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label_->setObjectName(variable.isEmpty() ? label : variable);
}

QWidget* UnitField::Widget() const { return label_; }

QString UnitField::ShownText() const { return label_->text(); }

void UnitField::SetText(const QString& text) {
    value_ = text;
    // Nothing read yet shows nothing, not a lone unit.
    label_->setText(text.isEmpty() ? QString() : text + unit_);
}

bool UnitField::Enter(const QString&, QString* why) {
    if (why)
        *why = QStringLiteral("it is a text, not an input field");
    return false;
}

UnitField& UnitField::Unit(const QString& unit) {
    unit_ = unit;
    SetText(value_);
    return *this;
}
