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
        const QByteArray address = device.Address.toUtf8();
        QueryReport::Device* target = &device;
        threads_.emplace_back([getSystemInfo, address, target] {
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
                [target, answered, firmwareText, macText, maskString] {
                    target->Done = true;
                    target->Ok = answered;
                    if (answered)
                        target->Rows << QStringList{firmwareText, macText, maskString};
                    else
                        target->Message = QStringLiteral("the device did not answer");
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
