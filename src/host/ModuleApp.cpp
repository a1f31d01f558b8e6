#include "ModuleApp.h"
#include "HostMessageBoxes.h"
#include "ModuleSettings.h"
#include "platform/ModulePaths.h"
#include "snmp/CZRException.h"
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
    if (started_ || ended_)
        return;
    started_ = true;
    HostMessageBoxes::Install();
    tempFolder_ = ModulePaths::TempFolder();
    try {
        SnmpSession::StartSnmp(tempFolder_);
    } catch (const CZRException&) {
        // Every request then fails with the session error and says so.
    }
    for (auto& request : requests_)
        request = std::make_unique<SnmpRequest>();
    if (QCoreApplication::instance())
        qAddPostRoutine(&ModuleApp::OnApplicationEnd);
    // Made after the SNMP layer's own statics, so that an unload of the
    // module ends the application object before those go.
    static const struct EndAtUnload {
        ~EndAtUnload() { OnApplicationEnd(); }
    } endAtUnload;
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
