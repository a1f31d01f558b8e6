#pragma once
#include "shell/WindowSettings.h"
#include <QString>
#include <QStringList>

class CMainFrame;

// The management window as the module's exports and the reference host use
// it: open, show, close, and rendering pages to image files.
namespace ManagementWindow {
// The open step: creates frame, document, view and pages, shows the window
// and titles it. When the window exists already: message "already run", false.
bool Open(const WindowSettings& settings);
// Shows and titles the window, then refreshes the Information and LAN pages.
void Show();
// The close step of the module's exit: true when closed (or there was no
// window); false, after the message "Packet transmiting, Please close window
// later.", while a page has a request in progress.
bool Close();
bool IsOpen();
bool IsBusy();
CMainFrame* Frame();

// Pumps events until no page is busy or `timeoutMs` has passed; true when idle.
bool WaitIdle(int timeoutMs);
// Shows every built page in turn (through its navigation item), refreshed
// from the device, and writes the frame's image to DIR/NN-label.png.
// Returns the files written; `error` says why when it fails.
QStringList RenderPages(const QString& folder, int timeoutMs, QString* error = nullptr);
}  // namespace ManagementWindow
