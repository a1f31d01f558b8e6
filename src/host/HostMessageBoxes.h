#pragma once
#include "AP_PlugIn.h"

// Where the module's message boxes go: to the handler a host installed with
// PlugSetMessageBoxHandler, otherwise to a Qt message box when the host runs
// a visible GUI, otherwise to standard error; a question that nobody can
// answer is refused (Cancel, No), an OK-only box is acknowledged.
namespace HostMessageBoxes {
void SetHostHandler(MessageBoxHandler handler, void* context);
// Points the module's MessageBox at this router.
void Install();
void Uninstall();
// Whether the process shows a GUI a person can answer (a QApplication on a
// platform other than "offscreen" or "minimal").
bool VisibleGui();
}  // namespace HostMessageBoxes
