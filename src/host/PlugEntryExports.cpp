// Module set-up and identity exports.
#include "AP_PlugIn.h"
#include "HostMessageBoxes.h"
#include "ModuleApp.h"
#include "ModuleIdentity.h"
#include "ModuleSettings.h"
#include "pages/ManagementWindow.h"
#include "pages/PageDriver.h"
#include <QApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <arpa/inet.h>
#include <cstring>

namespace {

void CopyField(char (&field)[256], const char* text) {
    std::memset(field, 0, sizeof field);
    std::strncpy(field, text, sizeof field - 1);
}

// PlugInit's wait cursor (GUI hosts only). A management window that opens
// ends it when its view starts; otherwise it ends when PlugInit returns. It
// is ended once, so a cursor that the host set itself stays.
class InitWaitCursor {
public:
    InitWaitCursor()
        : on_(qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr),
          windowWasOpen_(ManagementWindow::IsOpen()) {
        if (on_)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~InitWaitCursor() {
        const bool endedByNewWindow = !windowWasOpen_ && ManagementWindow::IsOpen();
        if (on_ && !endedByNewWindow)
            QApplication::restoreOverrideCursor();
    }
    InitWaitCursor(const InitWaitCursor&) = delete;
    InitWaitCursor& operator=(const InitWaitCursor&) = delete;

private:
    bool on_;
    bool windowWasOpen_;
};

}  // namespace

NXA_PLUG_API int32_t PlugInit(uintptr_t, uintptr_t, uintptr_t, CFTPServer* ftpServer) {
    try {
        ModuleApp& app = ModuleApp::Instance();
        app.EnsureStarted();
        ModuleSettings& settings = ModuleSettings::Instance();
        settings.HostFtpServer = ftpServer;
        InitWaitCursor wait;
        if (!ftpServer)
            settings.LoadFtpSettings();
        app.OpenWindow();
    } catch (...) {
    }
    return 0;
}

NXA_PLUG_API int32_t PlugExit(void) {
    try {
        return ModuleApp::Instance().CloseWindow() ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

NXA_PLUG_API void PlugShow(void) {
    try {
        ModuleApp::Instance().EnsureStarted();
        ModuleApp::Instance().ShowWindow();
    } catch (...) {
    }
}

NXA_PLUG_API int32_t PlugGetModuleCaps(ModuleCaps* caps) {
    if (!caps)
        return 0;
    CopyField(caps->ModelName, ModuleIdentity::ModelName);
    CopyField(caps->Banner, ModuleIdentity::Banner);
    CopyField(caps->Band, ModuleIdentity::BandText);
    CopyField(caps->EnterpriseOid, ModuleIdentity::EnterpriseOid);
    caps->MajorVersion = ModuleIdentity::MajorVersion;
    caps->MinorVersion = ModuleIdentity::MinorVersion;
    caps->Capability = ModuleIdentity::CapabilityCode;
    return 1;
}

NXA_PLUG_API int32_t PlugSetSnmpParameter(uint32_t address, const char* readCommunity, const char* writeCommunity,
                                          uint32_t port, uint32_t timeout) {
    try {
        ModuleSettings& settings = ModuleSettings::Instance();
        in_addr in{};
        in.s_addr = address;
        char text[INET_ADDRSTRLEN] = {};
        inet_ntop(AF_INET, &in, text, sizeof text);
        settings.DeviceIpAddress = QString::fromLatin1(text);
        settings.ReadCommunity = readCommunity ? QString::fromUtf8(readCommunity) : QString();
        settings.WriteCommunity = writeCommunity ? QString::fromUtf8(writeCommunity) : QString();
        settings.SnmpPort = port;
        settings.SnmpTimeout = timeout;
    } catch (...) {
    }
    return 0;
}

NXA_PLUG_API CFTPServer* PlugSetFtpServer(CFTPServer* ftpServer) {
    ModuleSettings::Instance().HostFtpServer = ftpServer;
    return ftpServer;
}

namespace {
int32_t NoEffect() { return 0; }
}  // namespace

NXA_PLUG_API int32_t PlugGetWepErr(void) { return NoEffect(); }
NXA_PLUG_API int32_t PlugSetAsIndividual(void) { return NoEffect(); }
NXA_PLUG_API int32_t PlugSetAsMultiple(void) { return NoEffect(); }

NXA_PLUG_API void PlugSetMessageBoxHandler(MessageBoxHandler handler, void* context) {
    HostMessageBoxes::SetHostHandler(handler, context);
    HostMessageBoxes::Install();
}

// For the reference host: shows every built page of the open window in turn,
// refreshed from the device, and writes its image to FOLDER/NN-label.png.
// Returns the number of files written, or -1 when there is no window.
NXA_PLUG_API int32_t PlugRenderWindow(const char* folder, int32_t timeoutMs) {
    try {
        if (!folder || !ManagementWindow::IsOpen())
            return -1;
        return static_cast<int32_t>(ManagementWindow::RenderPages(QString::fromUtf8(folder), timeoutMs).size());
    } catch (...) {
        return -1;
    }
}

// For the reference host: drives one page of the open window as a person
// would, or lists the pages or a page's declarations. The script and the
// report are JSON objects (their form is the page driver's); the report goes
// to `report` before the call returns. Returns the driver's exit code.
NXA_PLUG_API int32_t PlugDrivePage(const char* scriptJson, void (*report)(const char* json, void* context),
                                   void* context) {
    QJsonObject result;
    try {
        QJsonParseError parseError{};
        const QJsonDocument script = QJsonDocument::fromJson(QByteArray(scriptJson ? scriptJson : ""), &parseError);
        if (!script.isObject()) {
            result = {{"exit", PageDriver::Unknown}, {"error", QStringLiteral("the script is not a JSON object: %1").arg(parseError.errorString())}};
        } else if (script.object().value("list").toBool()) {
            result = PageDriver::List(script.object().value("page").toString());
        } else {
            result = PageDriver::Run(script.object());
        }
    } catch (const std::exception& e) {
        result = {{"exit", PageDriver::NotDone}, {"error", QString::fromUtf8(e.what())}};
    } catch (...) {
        result = {{"exit", PageDriver::NotDone}, {"error", QStringLiteral("the page failed")}};
    }
    if (report)
        report(QJsonDocument(result).toJson(QJsonDocument::Compact).constData(), context);
    return result.value("exit").toInt(PageDriver::NotDone);
}
