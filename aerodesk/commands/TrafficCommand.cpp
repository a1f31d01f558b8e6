// aerodesk traffic: the radio's traffic counters of each device (PlugGetTrafficInfor).
#include "CommandRegistry.h"
#include "DeviceQueryCommand.h"
#include "HostSession.h"
#include "PlugInModule.h"

namespace {

QString Text(const char* text) { return QString::fromUtf8(text ? text : ""); }

class TrafficCommand : public DeviceQueryCommand {
public:
    QString Name() const override { return QStringLiteral("traffic"); }
    QString Summary() const override { return QStringLiteral("radio traffic counters of devices"); }

protected:
    QString Description() const override {
        return QStringLiteral("Reads the radio's band, address, up-time and transmit counters of each device "
                              "(asynchronous, 20 s per try).");
    }
    void Prepare(QueryReport& report) override {
        report.Columns = {QStringLiteral("BAND"), QStringLiteral("IP"), QStringLiteral("UPTIME"),
                          QStringLiteral("FRAMES"), QStringLiteral("SUCCESS%"), QStringLiteral("RETRY%")};
    }
    void Start(PlugInModule& module, QueryReport::Device& device) override {
        const QByteArray address = device.Address.toUtf8();
        const QString before = HostSession::LastMessage();
        module.GetTrafficInfor(address.constData(), &Answer, 0, reinterpret_cast<uintptr_t>(&device));
        // A request that cannot be sent is told through a message box, not the callback.
        if (!device.Done && HostSession::LastMessage() != before && HostSession::LastMessage().startsWith(QLatin1String("DoGetTrffic"))) {
            device.Done = true;
            device.Message = HostSession::LastMessage();
        }
    }

private:
    static void Answer(CmdResult* result, int32_t count, TrafficRecord** records, uintptr_t context) {
        auto* device = reinterpret_cast<QueryReport::Device*>(context);
        device->Done = true;
        device->Ok = count > 0 && records && records[0];
        device->Message = device->Ok ? QString() : (result && result->Message ? Text(result->Message)
                                                                             : QStringLiteral("the device did not answer"));
        if (!device->Ok)
            return;
        const TrafficRecord& r = *records[0];
        device->Rows << QStringList{Text(r.Band), Text(r.IpAddress), Text(r.UpTime), Text(r.FrameCount),
                                    Text(r.SuccessRate), Text(r.RetryRate)};
    }
};

}  // namespace

AERODESK_COMMAND(TrafficCommand, "traffic", "radio traffic counters of devices")
