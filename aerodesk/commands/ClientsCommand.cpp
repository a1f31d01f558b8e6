// aerodesk clients: the associated wireless clients of each device (PlugGetClinetInfor).
#include "CommandRegistry.h"
#include "DeviceQueryCommand.h"
#include "PlugInModule.h"

namespace {

QString Text(const char* text) { return QString::fromUtf8(text ? text : ""); }

class ClientsCommand : public DeviceQueryCommand {
public:
    QString Name() const override { return QStringLiteral("clients"); }
    QString Summary() const override { return QStringLiteral("associated wireless clients of devices"); }

protected:
    QString Description() const override {
        return QStringLiteral("Asks each device to refresh its client table and lists the associated clients "
                              "(each try waits half of --timeout).");
    }
    void Prepare(QueryReport& report) override {
        report.Columns = {QStringLiteral("MAC"), QStringLiteral("BAND"), QStringLiteral("AUTH"),
                          QStringLiteral("RSSI"), QStringLiteral("PSM"), QStringLiteral("SSID-INDEX")};
        report.NumberColumns = {QStringLiteral("RSSI")};
        report.SectionPerDevice = true;
    }
    void Start(PlugInModule& module, QueryReport::Device& device) override {
        const QByteArray address = device.Address.toUtf8();
        module.GetClinetInfor(address.constData(), &Answer, 0, reinterpret_cast<uintptr_t>(&device));
    }

private:
    static void Answer(CmdResult* result, int32_t count, ClientRecord** records, uintptr_t context) {
        auto* device = reinterpret_cast<QueryReport::Device*>(context);
        device->Done = true;
        device->Ok = result && result->Status == 0;
        device->Message = result ? Text(result->Message) : QString();
        for (int32_t i = 0; records && i < count; ++i) {
            const ClientRecord& r = *records[i];
            device->Rows << QStringList{Text(r.MacAddress), Text(r.Band), Text(r.Authentication),
                                        QString::number(r.Rssi), Text(r.PowerSaving), Text(r.SsidIndex)};
        }
    }
};

}  // namespace

AERODESK_COMMAND(ClientsCommand, "clients", "associated wireless clients of devices")
