#include "ControlBinding.h"
#include "controls/IpAddressEdit.h"
#include "snmp/MibVariableList.h"
#include "snmp/ValueMap.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

namespace {

QString Shown(const MibVariableEntry& entry) {
    return entry.Map ? entry.Map->TextForValue(entry.Value) : entry.Value;
}

void FillFromMap(QComboBox* combo, const ValueMap* map) {
    if (!map || combo->count() > 0)
        return;
    for (int i = 0; i < map->Count(); ++i)
        combo->addItem(map->GetPair(i).Text);
}

}  // namespace

ControlBinding ControlBinding::ForEdit(QLineEdit* edit) { return {Edit, edit}; }
ControlBinding ControlBinding::ForCombo(QComboBox* combo) { return {Combo, combo}; }
ControlBinding ControlBinding::ForIpAddress(IpAddressEdit* control) { return {IpAddress, control}; }
ControlBinding ControlBinding::ForCheck(QCheckBox* check) { return {Check, check}; }
ControlBinding ControlBinding::ForStatic(QLabel* label) { return {Static, label}; }
ControlBinding ControlBinding::ForListColumn(QTreeWidget* list, int column) { return {ListColumn, list, column}; }

void ControlBinding::ToControl(const MibVariableEntry& entry) const {
    QWidget* w = control_.data();
    if (!w)
        return;
    switch (kind_) {
    case Edit:
        static_cast<QLineEdit*>(w)->setText(Shown(entry));
        break;
    case Combo: {
        auto* combo = static_cast<QComboBox*>(w);
        FillFromMap(combo, entry.Map);
        const int index = combo->findText(Shown(entry));
        if (index >= 0)
            combo->setCurrentIndex(index);
        break;
    }
    case IpAddress:
        static_cast<IpAddressEdit*>(w)->SetText(entry.Value);
        break;
    case Check:
        static_cast<QCheckBox*>(w)->setChecked(entry.Value.trimmed() != QLatin1String("0") &&
                                               !entry.Value.trimmed().isEmpty() &&
                                               entry.Value != QLatin1String("false"));
        break;
    case Static:
        static_cast<QLabel*>(w)->setText(Shown(entry));
        break;
    case ListColumn: {
        auto* list = static_cast<QTreeWidget*>(w);
        QTreeWidgetItem* row = nullptr;
        if (column_ == 0 || list->topLevelItemCount() == 0)
            row = new QTreeWidgetItem(list);
        else
            row = list->topLevelItem(list->topLevelItemCount() - 1);
        row->setText(column_, Shown(entry));
        break;
    }
    default:
        break;
    }
}

void ControlBinding::FromControl(MibVariableEntry& entry) const {
    QWidget* w = control_.data();
    if (!w)
        return;
    switch (kind_) {
    case Edit:
        entry.Value = static_cast<QLineEdit*>(w)->text();
        break;
    case Combo: {
        const QString text = static_cast<QComboBox*>(w)->currentText();
        entry.Value = entry.Map ? entry.Map->ValueForText(text) : text;
        break;
    }
    case IpAddress:
        entry.Value = static_cast<IpAddressEdit*>(w)->Text();
        break;
    case Check:
        entry.Value = static_cast<QCheckBox*>(w)->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
        break;
    case Static:
        entry.Value = entry.Map ? entry.Map->ValueForText(static_cast<QLabel*>(w)->text())
                                : static_cast<QLabel*>(w)->text();
        break;
    default:
        break;   // list views are shown, not written
    }
}
