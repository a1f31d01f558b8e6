#include "support/ModuleUnderTest.h"
#include "platform/EventWait.h"
#include <QCoreApplication>
#include <QFileInfo>
#include <arpa/inet.h>

namespace TestSupport {
namespace {

int32_t Record(const char* text, const char*, int32_t, void* context) {
    static_cast<ModuleUnderTest*>(context)->Messages << QString::fromUtf8(text ? text : "");
    return 1;
}

}  // namespace

ModuleUnderTest& ModuleUnderTest::Get() {
    // Loaded for the whole test program and never unloaded: the host's Qt
    // application is gone before static objects are destroyed.
    static ModuleUnderTest* module = new ModuleUnderTest;
    return *module;
}

QString ModuleUnderTest::Path() {
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath() + QStringLiteral("/AP_PlugIn.plx");
}

ModuleUnderTest::ModuleUnderTest() {
    loaded_ = Load(Path());
    if (loaded_)
        SetMessageBoxHandler(&Record, this);
}

void ModuleUnderTest::SetSnmp(const char* address, const char* read, const char* write, uint32_t port,
                              uint32_t timeout) {
    in_addr in{};
    inet_pton(AF_INET, address, &in);
    SetSnmpParameter(in.s_addr, read, write, port, timeout);
}

bool WaitUntil(const std::function<bool()>& done, int ms) {
    return EventWait::Until(done, ms);
}

}  // namespace TestSupport
