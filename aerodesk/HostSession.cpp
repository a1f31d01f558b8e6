#include "HostSession.h"
#include "DeviceOptions.h"
#include <arpa/inet.h>
#include <cstdio>

namespace {

QString gLastMessage;

int32_t PrintMessage(const char* text, const char* caption, int32_t, void*) {
    gLastMessage = QString::fromUtf8(text ? text : "");
    if (caption && *caption)
        std::fprintf(stderr, "aerodesk: [%s] %s\n", caption, text ? text : "");
    else
        std::fprintf(stderr, "aerodesk: %s\n", text ? text : "");
    return 1;
}

}  // namespace

HostSession::~HostSession() { Close(); }

QString HostSession::LastMessage() { return gLastMessage; }

bool HostSession::Open(const DeviceOptions& options) {
    if (!module_.Load(options.ModulePath)) {
        error_ = module_.Error();
        return false;
    }
    module_.SetMessageBoxHandler(&PrintMessage, nullptr);
    module_.Init(0, 0, 0, nullptr);
    // The managed device of the module's window is the first address given.
    in_addr first{};
    if (inet_pton(AF_INET, options.Addresses.value(0).toLatin1().constData(), &first) != 1)
        first.s_addr = 0;
    const QByteArray read = options.ReadCommunity.toUtf8();
    const QByteArray write = options.WriteCommunity.toUtf8();
    module_.SetSnmpParameter(first.s_addr, read.constData(), write.constData(), options.Port, options.Timeout);
    module_.GetModuleCaps(&caps_);
    open_ = true;
    return true;
}

void HostSession::Close() {
    if (open_) {
        module_.Exit();
        module_.SetMessageBoxHandler(nullptr, nullptr);
    }
    open_ = false;
    module_.Unload();
}
