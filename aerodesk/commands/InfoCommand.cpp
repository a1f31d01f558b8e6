// aerodesk info: firmware version, MAC address and subnet mask of each device (PlugGetSystemInfo).
#include "CommandRegistry.h"
#include "DeviceQueryCommand.h"
#include "PlugInModule.h"
#include <QCoreApplication>
#include <arpa/inet.h>
#include <memory>
#include <thread>
#include <vector>

namespace {

// The reason a v3 device gave no system information: the blocking export
// carries none, the configuration query does (an unknown user, a wrong pass
// phrase ...).
void TakeReason(CmdResult* result, int32_t, BasicConfigRecord**, uintptr_t context) {
    auto* device = reinterpret_cast<QueryReport::Device*>(context);
    device->Done = true;
    device->Message = result && result->Status != 0 && result->Message && *result->Message
                          ? QString::fromUtf8(result->Message)
                          : QStringLiteral("the device did not answer");
}

class InfoCommand : public DeviceQueryCommand {
public:
    QString Name() const override { return QStringLiteral("info"); }
    QString Summary() const override { return QStringLiteral("firmware version, MAC address and subnet mask of devices"); }

protected:
    QString Description() const override {
        return QStringLiteral("Reads firmware version, MAC address and subnet mask of each device (a blocking query; "
                              "several devices are asked at once from worker threads).");
    }
    void Prepare(QueryReport& report) override {
        report.Columns = {QStringLiteral("FIRMWARE"), QStringLiteral("MAC"), QStringLiteral("SUBNET-MASK")};
    }
    void Start(PlugInModule& module, QueryReport::Device& device) override {
        auto getSystemInfo = module.GetSystemInfo;
        auto getBasicConfig = module.GetBasicConfigInfor;
        const bool v3 = Options().SecurityOf(device.Address).Version == QLatin1String("3");
        const QByteArray address = device.Address.toUtf8();
        QueryReport::Device* target = &device;
        threads_.emplace_back([getSystemInfo, getBasicConfig, v3, address, target] {
            // Zero-filled buffers, as the export writes the characters only.
            auto firmware = std::make_unique<char[]>(257);
            auto mac = std::make_unique<char[]>(257);
            uint32_t mask = 0;
            getSystemInfo(address.constData(), firmware.get(), mac.get(), &mask);
            const QString firmwareText = QString::fromUtf8(firmware.get());
            const QString macText = QString::fromUtf8(mac.get());
            in_addr in{};
            in.s_addr = mask;
            char maskText[INET_ADDRSTRLEN] = {};
            inet_ntop(AF_INET, &in, maskText, sizeof maskText);
            const bool answered = !firmwareText.isEmpty() || !macText.isEmpty() || mask != 0;
            const QString maskString = QString::fromLatin1(maskText);
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [target, answered, firmwareText, macText, maskString, v3, getBasicConfig, address] {
                    target->Ok = answered;
                    if (answered) {
                        target->Rows << QStringList{firmwareText, macText, maskString};
                    } else if (v3) {
                        getBasicConfig(address.constData(), &TakeReason, "", reinterpret_cast<uintptr_t>(target));
                        return;
                    } else {
                        target->Message = QStringLiteral("the device did not answer");
                    }
                    target->Done = true;
                },
                Qt::QueuedConnection);
        });
    }
    void Finish() override {
        for (std::thread& t : threads_)
            t.join();
        threads_.clear();
        QCoreApplication::processEvents();
    }

private:
    std::vector<std::thread> threads_;
};

}  // namespace

AERODESK_COMMAND(InfoCommand, "info", "firmware version, MAC address and subnet mask of devices")
