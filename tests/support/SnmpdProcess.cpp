#include "support/SnmpdProcess.h"
#include "support/FreePort.h"
#include "support/ToolRun.h"
#include <QFile>
#include <chrono>
#include <thread>

namespace TestSupport {

SnmpdProcess::SnmpdProcess() = default;

SnmpdProcess::~SnmpdProcess() { Stop(); }

QString SnmpdProcess::Endpoint() const { return QStringLiteral("127.0.0.1:%1").arg(port_); }

QString SnmpdProcess::Log() const {
    if (!dir_)
        return {};
    QFile f(dir_->filePath(QStringLiteral("snmpd.log")));
    return f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.readAll()) : QString();
}

bool SnmpdProcess::Start() {
    dir_ = std::make_unique<QTemporaryDir>();
    if (!dir_->isValid())
        return false;
    const QString conf = dir_->filePath(QStringLiteral("snmpd.conf"));
    QFile f(conf);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write("rocommunity public 127.0.0.1\n"
            "rwcommunity private 127.0.0.1\n"
            "createUser shaAesUser SHA \"authpass123\" AES \"privpass123\"\n"
            "createUser md5DesUser MD5 \"md5pass1234\" DES \"despass1234\"\n"
            "rwuser shaAesUser priv\n"
            "rwuser md5DesUser priv\n");
    f.close();
    for (int attempt = 0; attempt < 3; ++attempt) {
        port_ = FreeUdpPort();
        const QStringList env{QStringLiteral("SNMP_PERSISTENT_DIR=") + dir_->path(), QStringLiteral("MIBS=")};
        if (!process_.Start(QStringLiteral("/usr/sbin/snmpd"),
                            {QStringLiteral("-f"), QStringLiteral("-Le"), QStringLiteral("-C"), QStringLiteral("-c"),
                             conf, QStringLiteral("-M"), QStringLiteral("/dev/null"),
                             QStringLiteral("udp:127.0.0.1:%1").arg(port_)},
                            env, dir_->filePath(QStringLiteral("snmpd.log"))))
            return false;
        // Ready when net-snmp's own client gets an answer.
        for (int i = 0; i < 50 && process_.IsRunning(); ++i) {
            const int rc = RunCommand(QStringLiteral("snmpget"),
                                      {QStringLiteral("-v2c"), QStringLiteral("-c"), QStringLiteral("public"),
                                       QStringLiteral("-t"), QStringLiteral("0.2"), QStringLiteral("-r"),
                                       QStringLiteral("0"), QStringLiteral("-M"), QStringLiteral("/dev/null"),
                                       Endpoint(), QStringLiteral("1.3.6.1.2.1.1.1.0")});
            if (rc == 0)
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        process_.Stop();
    }
    return false;
}

void SnmpdProcess::Stop() { process_.Stop(); }

}  // namespace TestSupport
