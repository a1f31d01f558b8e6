#include "ModuleApp.h"
#include "HostFileDialogs.h"
#include "HostMessageBoxes.h"
#include "ModuleSettings.h"
#include "platform/MessageBox.h"
#include "platform/ModulePaths.h"
#include "snmp/CZRException.h"
#include "snmp/SnmpEngine.h"
#include "snmp/SnmpRequest.h"
#include "snmp/SnmpSession.h"
#include <QCoreApplication>

ModuleApp& ModuleApp::Instance() {
    static ModuleApp app;
    return app;
}

ModuleApp::~ModuleApp() {
    if (started_)
        qRemovePostRoutine(&ModuleApp::OnApplicationEnd);
    End();
}

void ModuleApp::EnsureStarted() {
    if (ended_)
        return;
    if (started_) {
        StartSnmpLayer();   // again, after a start that failed
        return;
    }
    started_ = true;
    HostMessageBoxes::Install();
    HostFileDialogs::Install();
    tempFolder_ = ModulePaths::TempFolder();
    StartSnmpLayer();
    for (auto& request : requests_)
        request = std::make_unique<SnmpRequest>();
    if (QCoreApplication::instance())
        qAddPostRoutine(&ModuleApp::OnApplicationEnd);
    // Made after the SNMP layer's own statics, so that an unload of the
    // module ends the application object before those go (the engine is
    // made here when a failed start did not get as far).
    SnmpEngine::Instance();
    static const struct EndAtUnload {
        ~EndAtUnload() { OnApplicationEnd(); }
    } endAtUnload;
}

void ModuleApp::StartSnmpLayer() {
    if (SnmpSession::IsStarted())
        return;
    // The boot counter lives in a folder of the user's own: in a temporary
    // folder that every user shares, another user's file (or any stray file
    // of its name) would stop the start.
    QString folder = ModulePaths::UserStateFolder();
    if (folder.isEmpty())
        folder = tempFolder_;
    try {
        SnmpSession::StartSnmp(folder);
        startFailureShown_ = false;
    } catch (const CZRException& e) {
        // Requests report the failure as their status until a later call
        // starts the layer; the host is told once per run of failures.
        if (!startFailureShown_) {
            startFailureShown_ = true;
            MessageBox::Show(e.Text());
        }
    }
}

SnmpRequest& ModuleApp::SharedRequest(SharedRequestIndex index) {
    EnsureStarted();
    auto& request = requests_.at(static_cast<size_t>(index));
    if (!request)
        request = std::make_unique<SnmpRequest>();   // after the end: a request that fails to send
    return *request;
}

void ModuleApp::End() {
    if (!started_ || ended_)
        return;
    ended_ = true;
    for (auto& request : requests_)
        request.reset();
    SnmpSession::StopSnmp();
    HostMessageBoxes::Uninstall();
}

void ModuleApp::OnApplicationEnd() { Instance().End(); }
