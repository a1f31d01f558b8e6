#pragma once
#include <QString>

class QWidget;

// The host's window, found by its title among the process's top-level widgets.
namespace HostWindow {
// The top-level widget titled `title`, or nullptr.
QWidget* FindByTitle(const QString& title);
// Enables the parent of the window titled "Aerodesk2" (the window itself
// when it has no parent); returns whether one was found.
bool EnableHostParent();
}  // namespace HostWindow
