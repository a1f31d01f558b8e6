#pragma once
#include "shell/ComboField.h"

// A drop-down list that also shows a value it does not list (a device value
// outside the value map, a rate the rate list lacks) as an extra item, so the
// page shows what the device holds and an unchanged Save writes it back.
class KeptComboField : public ComboField {
public:
    using ComboField::ComboField;
    void SetText(const QString& text) override;
};
