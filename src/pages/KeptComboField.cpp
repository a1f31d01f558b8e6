#include "KeptComboField.h"
#include <QComboBox>

void KeptComboField::SetText(const QString& text) {
    if (!text.isEmpty() && Combo()->findText(text) < 0)
        Combo()->addItem(text);
    ComboField::SetText(text);
}
