#include "DeviceOptions.h"
#include "PlugInModule.h"

void DeviceOptions::AddTo(QCommandLineParser& parser, bool offersJson) {
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("port"), QStringLiteral("SNMP port of the devices (default 161)."), QStringLiteral("N"), QStringLiteral("161")},
        {QStringLiteral("read-community"), QStringLiteral("SNMP read community (default public)."), QStringLiteral("C"), QStringLiteral("public")},
        {QStringLiteral("write-community"), QStringLiteral("SNMP write community (default private)."), QStringLiteral("C"), QStringLiteral("private")},
        {QStringLiteral("timeout"), QStringLiteral("SNMP time-out in hundredths of a second (default 100)."), QStringLiteral("CS"), QStringLiteral("100")},
        {QStringLiteral("wait"), QStringLiteral("Seconds to wait for all answers before giving up (default 120)."), QStringLiteral("S"), QStringLiteral("120")},
        {QStringLiteral("module"), QStringLiteral("The module to load (default: $AERODESK_MODULE, else AP_PlugIn.plx beside aerodesk, else the installed one in ../lib/<triplet>/nxa7310/)."), QStringLiteral("PATH")},
    });
    if (offersJson)
        parser.addOption({QStringLiteral("json"), QStringLiteral("Print one JSON document instead of text (notes go to standard error).")});
    parser.addPositionalArgument(QStringLiteral("ADDRESS"), QStringLiteral("Device addresses (one or more)."), QStringLiteral("ADDRESS..."));
}

bool DeviceOptions::Read(const QCommandLineParser& parser) {
    Addresses = parser.positionalArguments();
    if (Addresses.isEmpty()) {
        error_ = QStringLiteral("no device address given");
        return false;
    }
    bool ok = false;
    const uint port = parser.value(QStringLiteral("port")).toUInt(&ok);
    if (!ok || port == 0 || port > 65535) {
        error_ = QStringLiteral("bad --port: %1").arg(parser.value(QStringLiteral("port")));
        return false;
    }
    Port = static_cast<uint16_t>(port);
    Timeout = parser.value(QStringLiteral("timeout")).toUInt(&ok);
    if (!ok || Timeout == 0) {
        error_ = QStringLiteral("bad --timeout: %1").arg(parser.value(QStringLiteral("timeout")));
        return false;
    }
    WaitSeconds = parser.value(QStringLiteral("wait")).toInt(&ok);
    if (!ok || WaitSeconds <= 0) {
        error_ = QStringLiteral("bad --wait: %1").arg(parser.value(QStringLiteral("wait")));
        return false;
    }
    ReadCommunity = parser.value(QStringLiteral("read-community"));
    WriteCommunity = parser.value(QStringLiteral("write-community"));
    Json = parser.optionNames().contains(QStringLiteral("json"));
    ModulePath = parser.isSet(QStringLiteral("module")) ? parser.value(QStringLiteral("module")) : PlugInModule::DefaultPath();
    return true;
}
