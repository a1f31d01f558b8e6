#include "HostWindow.h"
#include "ShellTexts.h"
#include <QApplication>
#include <QWidget>

namespace HostWindow {

QWidget* FindByTitle(const QString& title) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->windowTitle() == title)
            return w;
    }
    return nullptr;
}

bool EnableHostParent() {
    QWidget* host = FindByTitle(QString::fromLatin1(ShellTexts::HostWindowTitle));
    if (!host)
        return false;
    QWidget* parent = host->parentWidget() ? host->parentWidget() : host;
    parent->setEnabled(true);
    return true;
}

}  // namespace HostWindow
