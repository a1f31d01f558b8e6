// The module's window steps of ModuleApp: kept apart so that the module's
// state and queries do not depend on the window's libraries.
#include "ModuleApp.h"
#include "ModuleSettings.h"
#include "pages/ManagementWindow.h"
#include "pages/TransferHost.h"
#include "shell/DeviceSettings.h"
#include <QApplication>
#include <QCoreApplication>

namespace {
// The window's requests read the host's settings before each use, since the
// host hands them in after PlugInit opened the window.
WindowSettings CurrentWindowSettings() {
    const ModuleSettings& s = ModuleSettings::Instance();
    WindowSettings w;
    if (!s.DeviceIpAddress.isEmpty())
        w.DeviceIpAddress = s.DeviceIpAddress;
    w.ReadCommunity = s.ReadCommunity;
    w.WriteCommunity = s.WriteCommunity;
    w.SnmpPort = static_cast<uint16_t>(s.SnmpPort);
    w.SnmpTimeout = s.SnmpTimeout;
    return w;
}

// The maintenance pages' FTP server or remote account, as the host set them last.
TransferHost CurrentTransferHost() {
    const ModuleSettings& s = ModuleSettings::Instance();
    return {s.HostFtpServer, s.UseFtpMethod, s.FtpUserName, s.FtpPassword, s.RemoteFtpIpAddress};
}
}  // namespace

void ModuleApp::OpenWindow() {
    // Widgets need the host's GUI application.
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    DeviceSettings::SetSource(&CurrentWindowSettings);
    TransferHost::SetSource(&CurrentTransferHost);
    ManagementWindow::Open(CurrentWindowSettings());
}

void ModuleApp::ShowWindow() { ManagementWindow::Show(); }

bool ModuleApp::CloseWindow() { return ManagementWindow::Close(); }
