#pragma once
#include "support/ChildProcess.h"
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// net-snmp's snmpd on 127.0.0.1 serving a fixed client table of the device
// (rows given as MAC hex digits, "000000000000" for an empty slot) and a
// writable client refresh variable, for rows the simulator never makes.
class ClientTableAgent {
public:
    explicit ClientTableAgent(std::vector<std::string> macs);
    ~ClientTableAgent();
    bool Ready() const { return ready_; }
    uint16_t Port() const { return port_; }

private:
    std::unique_ptr<QTemporaryDir> dir_;
    TestSupport::ChildProcess process_;
    uint16_t port_ = 0;
    bool ready_ = false;
};
