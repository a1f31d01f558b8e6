#include "HostSession.h"
#include "DeviceOptions.h"
#include "platform/EventWait.h"
#include "platform/MessageBox.h"
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <arpa/inet.h>
#include <cstdio>

namespace {

QString gLastMessage;

// The command line has nobody to ask: every box is printed, a question is
// refused (Cancel, No) and an OK-only box acknowledged.
int32_t PrintMessage(const char* text, const char* caption, int32_t buttons, void*) {
    gLastMessage = QString::fromUtf8(text ? text : "");
    if (caption && *caption)
        std::fprintf(stderr, "aerodesk: [%s] %s\n", caption, text ? text : "");
    else
        std::fprintf(stderr, "aerodesk: %s\n", text ? text : "");
    return MessageBox::Unanswered(buttons);
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
    UseSnmp(options);
    // Each device's SNMP version and v3 user, kept by the module per address.
    for (const QString& address : options.DeviceAddresses()) {
        const SnmpSecurityOptions security = options.SecurityOf(address);
        if (security.NeedsModule() && !security.HandTo(module_, address, error_)) {
            open_ = true;   // PlugInit ran: Close ends it with PlugExit
            Close();
            return false;
        }
    }
    module_.GetModuleCaps(&caps_);
    open_ = true;
    return true;
}

void HostSession::UseSnmp(const DeviceOptions& options) {
    // The managed device of the module's window is the first address given.
    in_addr first{};
    if (inet_pton(AF_INET, options.Addresses.value(0).toLatin1().constData(), &first) != 1)
        first.s_addr = 0;
    const QByteArray read = options.ReadCommunity.toUtf8();
    const QByteArray write = options.WriteCommunity.toUtf8();
    module_.SetSnmpParameter(first.s_addr, read.constData(), write.constData(), options.Port, options.Timeout);
}

void HostSession::Close() {
    if (open_) {
        module_.Exit();
        module_.SetMessageBoxHandler(nullptr, nullptr);
    }
    open_ = false;
    module_.Unload();
}

bool HostSession::CloseWindow(int seconds) {
    QDeadlineTimer deadline(std::chrono::seconds{seconds});
    while (module_.Exit() == 0) {
        if (deadline.hasExpired())
            return false;
        EventWait::For(200);
    }
    return true;
}
