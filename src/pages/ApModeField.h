#pragma once
#include "shell/ComboField.h"

// The "AP Mode" selector: its entries are the modes the device supports, and
// the repeater mode (value 5) reads "Universal Repeater" or "AP Repeater" as
// the device names it.
class ApModeField : public ComboField {
public:
    using ComboField::ComboField;

    // The entries for a capability mask ("" when unknown: every mode) and the
    // device's repeater name.
    static QStringList Modes(const QString& mask, const QString& repeaterName);

    void ToControl(const MibVariableEntry& entry) override;
    void FromControl(MibVariableEntry& entry) override;
    // The text of a mode value as this device names it.
    QString TextOf(const QString& value) const;
};
