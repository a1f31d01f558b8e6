#pragma once

// Where the module's file dialogs go when nobody else answers them: a Qt file
// dialog when the host shows a visible GUI; otherwise (headless, or before a
// QApplication exists) the dialog counts as cancelled. A handler a host or a
// driver installs takes precedence and is never replaced.
namespace HostFileDialogs {
// Installs the fallback unless a handler is set already.
void Install();
}  // namespace HostFileDialogs
