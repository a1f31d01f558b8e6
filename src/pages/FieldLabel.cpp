#include "FieldLabel.h"
#include "shell/Page.h"
#include <QLabel>

namespace FieldLabel {
QLabel* Of(const CPage& page, const PageField& field) {
    for (QLabel* label : page.findChildren<QLabel*>()) {
        if (label->buddy() == field.Widget())
            return label;
    }
    return nullptr;
}
}  // namespace FieldLabel
