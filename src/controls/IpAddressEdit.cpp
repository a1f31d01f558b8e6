#include "IpAddressEdit.h"
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QValidator>

namespace {

// One field: up to three decimal digits. A value above 255 becomes 255, as
// the address control of the desktop does, so a field never holds more.
class ByteValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override {
        if (input.isEmpty())
            return Intermediate;   // a blank field
        const int value = IpAddressEdit::PartValue(input);
        if (value < 0)
            return Invalid;
        if (value > 255) {
            input = QStringLiteral("255");
            pos = qMin(pos, static_cast<int>(input.size()));
        }
        return Acceptable;
    }
};

}  // namespace

IpAddressEdit::IpAddressEdit(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    for (size_t i = 0; i < fields_.size(); ++i) {
        if (i > 0)
            layout->addWidget(new QLabel(QStringLiteral("."), this));
        auto* field = new QLineEdit(this);
        field->setMaxLength(3);
        field->setValidator(new ByteValidator(field));
        field->setAlignment(Qt::AlignCenter);
        field->setFixedWidth(36);
        layout->addWidget(field);
        fields_[i] = field;
    }
    layout->addStretch(1);
}

int IpAddressEdit::PartValue(const QString& part) {
    if (part.isEmpty() || part.size() > 3)
        return -1;
    int value = 0;
    for (const QChar c : part) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
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
    bool bytes = parts.size() == 4;
    for (int i = 0; bytes && i < 4; ++i) {
        const int value = IpAddressEdit::PartValue(parts[i]);
        bytes = value >= 0 && value <= 255;
    }
    if (!bytes) {
        Clear();
        return;
    }
    for (size_t i = 0; i < fields_.size(); ++i)
        fields_[i]->setText(parts[static_cast<int>(i)]);
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
