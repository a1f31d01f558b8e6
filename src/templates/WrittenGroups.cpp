#include "WrittenGroups.h"

QString WrittenGroups::Summary() const {
    QString text = written_.isEmpty() ? QStringLiteral(" Nothing was written before it stopped.")
                                      : QStringLiteral(" Written before it stopped: %1.").arg(written_.join(QStringLiteral(", ")));
    if (!current_.isEmpty())
        text += QStringLiteral(" Stopped in: %1 (not confirmed).").arg(current_);
    return text;
}
