#include "IpAddressEdit.h"
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>

IpAddressEdit::IpAddressEdit(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    for (size_t i = 0; i < fields_.size(); ++i) {
        if (i > 0)
            layout->addWidget(new QLabel(QStringLiteral("."), this));
        auto* field = new QLineEdit(this);
        field->setMaxLength(3);
        field->setValidator(new QIntValidator(0, 255, field));
        field->setAlignment(Qt::AlignCenter);
        field->setFixedWidth(36);
        layout->addWidget(field);
        fields_[i] = field;
    }
    layout->addStretch(1);
}

QString IpAddressEdit::Text() const {
    if (IsBlank())
        return {};
    QStringList parts;
    for (QLineEdit* field : fields_)
        parts << (field->text().isEmpty() ? QStringLiteral("0") : field->text());
    return parts.join('.');
}

void IpAddressEdit::SetText(const QString& text) {
    const QStringList parts = text.split('.');
    if (parts.size() != 4) {
        Clear();
        return;
    }
    for (size_t i = 0; i < fields_.size(); ++i)
        fields_[i]->setText(parts[static_cast<int>(i)].trimmed());
}

void IpAddressEdit::Clear() {
    for (QLineEdit* field : fields_)
        field->clear();
}

bool IpAddressEdit::IsBlank() const {
    for (QLineEdit* field : fields_) {
        if (!field->text().isEmpty())
            return false;
    }
    return true;
}

void IpAddressEdit::FocusFirstField() { fields_[0]->setFocus(Qt::OtherFocusReason); }
