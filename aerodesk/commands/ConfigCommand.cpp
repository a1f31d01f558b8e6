// aerodesk config: the basic configuration of each device (PlugGetBasicConfigInfor).
#include "CommandRegistry.h"
#include "DeviceQueryCommand.h"
#include "PlugInModule.h"

namespace {

QString Text(const char* text) { return QString::fromUtf8(text ? text : ""); }

class ConfigCommand : public DeviceQueryCommand {
public:
    QString Name() const override { return QStringLiteral("config"); }
    QString Summary() const override { return QStringLiteral("SSID, channel, modes, security and power of devices"); }

protected:
    QString Description() const override {
        return QStringLiteral("Reads the basic wireless configuration of each device (asynchronous, 20 s per try).");
    }
    void Prepare(QueryReport& report) override {
        report.Columns = {QStringLiteral("SSID"), QStringLiteral("CHANNEL"), QStringLiteral("MODE"),
                          QStringLiteral("AUTH"), QStringLiteral("AUTH#"), QStringLiteral("AP-MODE"),
                          QStringLiteral("AP-MODE#"), QStringLiteral("POWER"), QStringLiteral("POWER#")};
        report.NumberColumns = {QStringLiteral("AUTH#"), QStringLiteral("AP-MODE#"), QStringLiteral("POWER#")};
    }
    void Start(PlugInModule& module, QueryReport::Device& device) override {
        const QByteArray address = device.Address.toUtf8();
        module.GetBasicConfigInfor(address.constData(), &Answer, "", reinterpret_cast<uintptr_t>(&device));
    }

private:
    static void Answer(CmdResult* result, int32_t count, BasicConfigRecord** records, uintptr_t context) {
        auto* device = reinterpret_cast<QueryReport::Device*>(context);
        device->Done = true;
        device->Ok = count > 0 && records && records[0];
        device->Message = device->Ok ? QString() : (result && result->Message ? Text(result->Message)
                                                                             : QStringLiteral("the device did not answer"));
        if (!device->Ok)
            return;
        const BasicConfigRecord& r = *records[0];
        device->Rows << QStringList{Text(r.Ssid), Text(r.Channel), Text(r.WirelessMode), Text(r.Authentication),
                                    QString::number(r.AuthenticationNumber), Text(r.ApMode),
                                    QString::number(r.ApModeNumber), Text(r.TransmitPower),
                                    QString::number(r.TransmitPowerNumber)};
    }
};

}  // namespace

AERODESK_COMMAND(ConfigCommand, "config", "SSID, channel, modes, security and power of devices")
