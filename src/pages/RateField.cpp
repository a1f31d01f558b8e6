#include "RateField.h"
#include "snmp/MibVariableList.h"
#include <QComboBox>

namespace {
constexpr const char* kBest54 = "Best(up to 54)";
constexpr const char* kAuto = "Auto";
}  // namespace

QString RateField::Shown(const QString& rate) {
    const QString text = rate.trimmed();
    if (text.compare(QLatin1String(kBest54), Qt::CaseInsensitive) == 0 || text == QLatin1String(kAuto))
        return QString::fromLatin1(kAuto);
    return text;
}

void RateField::SetRates(const QString& list) {
    rates_.clear();
    for (const QString& entry : list.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (entry != QLatin1String("(NULL)"))
            rates_ << Shown(entry);
    }
    Fill();
}

void RateField::ToControl(const MibVariableEntry& entry) {
    current_ = entry.Value == QLatin1String("(NULL)") ? QString() : Shown(entry.Value);
    Fill();
}

void RateField::Fill() {
    QStringList items = rates_;
    if (!current_.isEmpty() && !items.contains(current_))
        items.prepend(current_);
    const QString chosen = Combo()->currentText();
    Combo()->clear();
    Combo()->addItems(items);
    const int at = Combo()->findText(current_.isEmpty() ? chosen : current_);
    Combo()->setCurrentIndex(at);
}

void RateField::FromControl(MibVariableEntry& entry) {
    const QString text = Text();
    entry.Value = text == QLatin1String(kAuto) ? QString::fromLatin1(kBest54) : text;
}
