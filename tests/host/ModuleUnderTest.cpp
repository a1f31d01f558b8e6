#include "ModuleUnderTest.h"
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <arpa/inet.h>
#include <dlfcn.h>

namespace {

int32_t Record(const char* text, const char*, int32_t, void* context) {
    static_cast<ModuleUnderTest*>(context)->Messages << QString::fromUtf8(text ? text : "");
    return 1;
}

template <typename T>
void Resolve(void* handle, T& slot, const char* name, QString& error) {
    slot = reinterpret_cast<T>(dlsym(handle, name));
    if (!slot)
        error += QStringLiteral(" missing %1").arg(QLatin1String(name));
}

}  // namespace

ModuleUnderTest& ModuleUnderTest::Get() {
    static ModuleUnderTest module;
    return module;
}

ModuleUnderTest::ModuleUnderTest() {
    handle_ = dlopen(NXA_MODULE_PATH, RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
        error_ = QString::fromLocal8Bit(dlerror());
        return;
    }
    Resolve(handle_, Init, "PlugInit", error_);
    Resolve(handle_, Exit, "PlugExit", error_);
    Resolve(handle_, Show, "PlugShow", error_);
    Resolve(handle_, GetModuleCaps, "PlugGetModuleCaps", error_);
    Resolve(handle_, SetSnmpParameter, "PlugSetSnmpParameter", error_);
    Resolve(handle_, SetFtpServer, "PlugSetFtpServer", error_);
    Resolve(handle_, GetWepErr, "PlugGetWepErr", error_);
    Resolve(handle_, SetAsIndividual, "PlugSetAsIndividual", error_);
    Resolve(handle_, SetAsMultiple, "PlugSetAsMultiple", error_);
    Resolve(handle_, SetMessageBoxHandler, "PlugSetMessageBoxHandler", error_);
    Resolve(handle_, GetSystemInfo, "PlugGetSystemInfo", error_);
    Resolve(handle_, GetBasicConfigInfor, "PlugGetBasicConfigInfor", error_);
    Resolve(handle_, GetTrafficInfor, "PlugGetTrafficInfor", error_);
    Resolve(handle_, GetClinetInfor, "PlugGetClinetInfor", error_);
    if (!error_.isEmpty()) {
        dlclose(handle_);
        handle_ = nullptr;
        return;
    }
    SetMessageBoxHandler(&Record, this);
}

void* ModuleUnderTest::Symbol(const char* name) const { return handle_ ? dlsym(handle_, name) : nullptr; }

void ModuleUnderTest::SetSnmp(const char* address, const char* read, const char* write, uint32_t port,
                              uint32_t timeout) {
    in_addr in{};
    inet_pton(AF_INET, address, &in);
    SetSnmpParameter(in.s_addr, read, write, port, timeout);
}

bool WaitUntil(const std::function<bool()>& done, int ms) {
    QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    return done();
}
