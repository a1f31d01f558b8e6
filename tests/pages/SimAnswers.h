#pragma once
// Waits until a simulated device answers an SNMP get (net-snmp's snmpget), so
// that a command started next does not meet a device that is not listening yet.
#include "support/ToolRun.h"
#include <QString>
#include <chrono>
#include <thread>


namespace PageTest {

inline bool WaitAnswering(const QString& address, uint16_t port, int attempts = 50) {
    for (int i = 0; i < attempts; ++i) {
        QString out;
        if (TestSupport::RunCommand("snmpget", {"-v2c", "-c", "public", "-t", "0.2", "-r", "0",
                                                QString("%1:%2").arg(address).arg(port), "1.3.6.1.2.1.1.5.0"},
                                    &out) == 0)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
}

}  // namespace PageTest
