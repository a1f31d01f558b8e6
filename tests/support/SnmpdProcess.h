#pragma once
#include "support/ChildProcess.h"
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <memory>

namespace TestSupport {

// net-snmp's snmpd on 127.0.0.1 and a free port, with a private
// configuration: communities "public" (read) and "private" (write), and the
// SNMPv3 users "shaAesUser" (SHA "authpass123", AES "privpass123") and
// "md5DesUser" (MD5 "md5pass1234", DES "despass1234"), both read-write with
// privacy. No MIB files are loaded; its state lives in a temporary folder.
class SnmpdProcess {
public:
    SnmpdProcess();
    ~SnmpdProcess();

    // Starts the agent and waits until it answers; false when it cannot.
    bool Start();
    void Stop();
    uint16_t Port() const { return port_; }
    QString Address() const { return QStringLiteral("127.0.0.1"); }
    QString Endpoint() const;   // "127.0.0.1:PORT" for net-snmp's tools
    QString Log() const;

private:
    std::unique_ptr<QTemporaryDir> dir_;
    ChildProcess process_;
    uint16_t port_ = 0;
};

}  // namespace TestSupport
