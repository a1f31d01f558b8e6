#include "HostLog.h"
#include "platform/HostCopyData.h"
#include <QApplication>
#include <QWidget>

namespace HostLog {

bool Send(const QString& text) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return false;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->windowTitle() != QLatin1String("Aerodesk2"))
            continue;
        QWidget* target = w->parentWidget() ? w->parentWidget() : w;
        HostCopyDataEvent event(kDataWord, text.toLocal8Bit());
        QCoreApplication::sendEvent(target, &event);
        return true;
    }
    return false;
}

}  // namespace HostLog
