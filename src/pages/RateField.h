#pragma once
#include "shell/ComboField.h"

// The data-rate selector: its items are the device's list of rates, with
// "Best(up to 54)" shown as "Auto" (and a device rate "Auto" shown as that
// entry). The device's current rate stays selectable whatever the list holds.
class RateField : public ComboField {
public:
    using ComboField::ComboField;

    // The rate list as the device gives it: entries separated by spaces.
    void SetRates(const QString& list);
    void ToControl(const MibVariableEntry& entry) override;
    void FromControl(MibVariableEntry& entry) override;

    static QString Shown(const QString& rate);

private:
    void Fill();

    QStringList rates_;
    QString current_;
};
