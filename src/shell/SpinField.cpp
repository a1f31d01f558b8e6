#include "SpinField.h"
#include "Page.h"
#include <QSpinBox>

SpinField::SpinField(CPage* page, PageRequest* request, const QString& variable, const QString& label)
    : PageField(page, request, variable, label), spin_(new QSpinBox(page)) {
    spin_->setRange(0, 2147483647);
}

QWidget* SpinField::Widget() const { return spin_; }

QString SpinField::Text() const { return QString::number(spin_->value()); }

void SpinField::SetText(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (ok)
        spin_->setValue(value);
}

bool SpinField::Enter(const QString& text, QString* why) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < spin_->minimum() || value > spin_->maximum()) {
        if (why)
            *why = QStringLiteral("it takes a whole number from %1 to %2").arg(spin_->minimum()).arg(spin_->maximum());
        return false;
    }
    spin_->setValue(value);
    return true;
}

SpinField& SpinField::Bounds(int low, int high) {
    spin_->setRange(low, high);
    return *this;
}
