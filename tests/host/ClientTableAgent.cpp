#include "ClientTableAgent.h"
#include "support/DeviceValues.h"
#include "support/FreePort.h"
#include <QFile>
#include <chrono>
#include <thread>

ClientTableAgent::ClientTableAgent(std::vector<std::string> macs) {
    dir_ = std::make_unique<QTemporaryDir>();
    const QString conf = dir_->filePath(QStringLiteral("snmpd.conf"));
    QFile f(conf);
    if (!f.open(QIODevice::WriteOnly))
        return;
    const std::string table = DeviceValues::kRoot + ".2.1.3.3.4.2.1.";
    std::string text = "rocommunity public 127.0.0.1\nrwcommunity private 127.0.0.1\n";
    text += "override -rw ." + DeviceValues::kRoot + ".2.1.3.3.4.1.1.1.1 integer 0\n";
    for (size_t i = 0; i < macs.size(); ++i) {
        const std::string row = std::to_string(i + 1);
        text += "override ." + table + "2." + row + " octet_str 0x" + macs[i] + "\n";
        text += "override ." + table + "3." + row + " integer 2\n";
        text += "override ." + table + "4." + row + " integer 6\n";
        text += "override ." + table + "5." + row + " integer " + std::to_string(40 + i) + "\n";
        text += "override ." + table + "6." + row + " integer 0\n";
        text += "override ." + table + "7." + row + " octet_str \"Primary SSID\"\n";
    }
    f.write(text.c_str());
    f.close();
    for (int attempt = 0; attempt < 3 && !ready_; ++attempt) {
        port_ = TestSupport::FreeUdpPort();
        const QStringList env{QStringLiteral("SNMP_PERSISTENT_DIR=") + dir_->path(), QStringLiteral("MIBS=")};
        if (!process_.Start(QStringLiteral("/usr/sbin/snmpd"),
                            {QStringLiteral("-f"), QStringLiteral("-Lf"), dir_->filePath(QStringLiteral("snmpd.log")),
                             QStringLiteral("-C"), QStringLiteral("-c"), conf, QStringLiteral("-M"), QStringLiteral("/dev/null"),
                             QStringLiteral("-I"), QStringLiteral("-smux"), QStringLiteral("udp:127.0.0.1:%1").arg(port_)},
                            env))
            return;
        const std::string target = "127.0.0.1:" + std::to_string(port_);
        for (int i = 0; i < 50 && process_.IsRunning() && !ready_; ++i) {
            ready_ = !DeviceValues::Get(target, DeviceValues::kRoot + ".2.1.3.3.4.1.1.1.1").empty();
            if (!ready_)
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        if (!ready_)
            process_.Stop();
    }
}

ClientTableAgent::~ClientTableAgent() { process_.Stop(); }
