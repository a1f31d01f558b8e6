#include "DeviceOptions.h"
#include "FleetReport.h"
#include "Inventory.h"
#include "PlugInModule.h"
#include <algorithm>

void DeviceOptions::AddTo(QCommandLineParser& parser, bool offersJson, bool fleet) {
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("port"), QStringLiteral("SNMP port of the devices (default 161)."), QStringLiteral("N"), QStringLiteral("161")},
        {QStringLiteral("read-community"), QStringLiteral("SNMP read community (default public)."), QStringLiteral("C"), QStringLiteral("public")},
        {QStringLiteral("write-community"), QStringLiteral("SNMP write community (default private)."), QStringLiteral("C"), QStringLiteral("private")},
        {QStringLiteral("timeout"), QStringLiteral("SNMP time-out in hundredths of a second (default 100)."), QStringLiteral("CS"), QStringLiteral("100")},
        {QStringLiteral("wait"), QStringLiteral("Seconds to wait for all answers before giving up (default 120)."), QStringLiteral("S"), QStringLiteral("120")},
        {QStringLiteral("module"), QStringLiteral("The module to load (default: $AERODESK_MODULE, else AP_PlugIn.plx beside aerodesk, else the installed one in ../lib/<triplet>/nxa7310/)."), QStringLiteral("PATH")},
    });
    SnmpSecurityOptions::AddTo(parser);
    fleet_ = fleet;
    if (fleet) {
        parser.addOptions({
            {QStringLiteral("inventory"),
             QStringLiteral("Take the devices from a CSV file instead of ADDRESS arguments (other arguments of the command "
                            "stay). Header line, then one device a line; columns: address (required), port, version (1, 2c "
                            "(the default) or 3), read_community, write_community, v3_user, auth_protocol (MD5, SHA), "
                            "auth_passphrase, priv_protocol (DES, AES), priv_passphrase, name, group. Port, version, "
                            "communities and v3 user apply to that device. The file must not be readable by group or others (chmod 600)."),
             QStringLiteral("FILE")},
            {QStringLiteral("group"), QStringLiteral("With --inventory: only the devices of this group."), QStringLiteral("NAME")},
            {QStringLiteral("report"),
             QStringLiteral("Also write one row per device (address, name, outcome, message, duration_ms) to FILE.csv or "
                            "FILE.json; the extension picks the format."),
             QStringLiteral("FILE")},
        });
    }
    if (offersJson)
        parser.addOption({QStringLiteral("json"), QStringLiteral("Print one JSON document instead of text (notes go to standard error).")});
    parser.addPositionalArgument(QStringLiteral("ADDRESS"), QStringLiteral("Device addresses (one or more)."), QStringLiteral("ADDRESS..."));
}

bool DeviceOptions::Read(const QCommandLineParser& parser) {
    Addresses = parser.positionalArguments();
    if (fleet_ && !ReadFleetOptions(parser))
        return false;
    if (Addresses.isEmpty()) {
        error_ = QStringLiteral("no device address given");
        return false;
    }
    return ReadSnmpOptions(parser);
}

bool DeviceOptions::ReadFleetOptions(const QCommandLineParser& parser) {
    ReportPath = parser.value(QStringLiteral("report"));
    if (!ReportPath.isEmpty() && !FleetReport::CheckPath(ReportPath, error_))
        return false;
    if (parser.isSet(QStringLiteral("group")) && !parser.isSet(QStringLiteral("inventory"))) {
        error_ = QStringLiteral("--group needs --inventory");
        return false;
    }
    return !parser.isSet(QStringLiteral("inventory")) || ReadInventory(parser);
}

bool DeviceOptions::ReadSnmpOptions(const QCommandLineParser& parser) {
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
    if (!inventory_.empty()) {
        // The module starts with the first device's parameters.
        Port = inventory_.front().Port;
        ReadCommunity = inventory_.front().ReadCommunity;
        WriteCommunity = inventory_.front().WriteCommunity;
    }
    if (inventory_.empty() && !Security.Read(parser, error_))
        return false;
    Json = parser.optionNames().contains(QStringLiteral("json"));
    ModulePath = parser.isSet(QStringLiteral("module")) ? parser.value(QStringLiteral("module")) : PlugInModule::DefaultPath();
    return true;
}

bool DeviceOptions::ReadInventory(const QCommandLineParser& parser) {
    for (const char* option : {"port", "read-community", "write-community"}) {
        if (parser.isSet(QString::fromLatin1(option))) {
            error_ = QStringLiteral("--%1 and --inventory: the inventory gives each device's SNMP parameters")
                         .arg(QString::fromLatin1(option));
            return false;
        }
    }
    if (QString option; SnmpSecurityOptions::AnyGiven(parser, &option)) {
        error_ = QStringLiteral("--%1 and --inventory: the inventory gives each device's SNMP version and user").arg(option);
        return false;
    }
    InventoryPath = parser.value(QStringLiteral("inventory"));
    Inventory inventory;
    if (!inventory.Load(InventoryPath, parser.value(QStringLiteral("group")))) {
        error_ = inventory.Error();
        return false;
    }
    Leading = Addresses;
    for (const Inventory::Device& d : inventory.Devices()) {
        const SnmpSecurityOptions security = SnmpSecurityOptions{d.Version, d.V3User, d.AuthProtocol, d.PrivProtocol,
                                                                 d.AuthPassphrase, d.PrivPassphrase};
        if (QString why; !security.Check(why)) {
            error_ = QStringLiteral("inventory %1: line %2: %3").arg(InventoryPath).arg(d.Line).arg(why);
            return false;
        }
        inventory_.push_back(Entry{d.Address, d.Name, d.Port, d.ReadCommunity, d.WriteCommunity, security});
        Addresses << d.Address;
    }
    // A v3 device uses no community: it joins the set of another device on its port.
    for (Entry& e : inventory_) {
        if (e.Security.Version != QLatin1String("3"))
            continue;
        for (const Entry& other : inventory_) {
            if (other.Security.Version != QLatin1String("3") && other.Port == e.Port) {
                e.ReadCommunity = other.ReadCommunity;
                e.WriteCommunity = other.WriteCommunity;
                break;
            }
        }
    }
    return true;
}

bool DeviceOptions::SetLeading(int count) {
    if (inventory_.empty()) {
        Leading = Addresses.mid(0, count);
        return true;
    }
    if (Leading.size() != count) {
        error_ = count == 0 ? QStringLiteral("with --inventory give no ADDRESS: the devices come from the file")
                            : QStringLiteral("with --inventory give the command's %1 leading argument(s) and no ADDRESS")
                                  .arg(count);
        return false;
    }
    return true;
}

QStringList DeviceOptions::DeviceAddresses() const {
    if (inventory_.empty())
        return Addresses.mid(Leading.size());
    QStringList addresses;
    for (const Entry& e : inventory_)
        addresses << e.Address;
    return addresses;
}

DeviceOptions DeviceOptions::ForDevice(const QString& address) const {
    for (const SnmpSet& set : SnmpSets()) {
        if (set.Addresses.contains(address)) {
            DeviceOptions copy = ForSet(set);
            copy.Addresses = {address};
            return copy;
        }
    }
    DeviceOptions copy = *this;
    copy.Addresses = {address};
    return copy;
}

std::vector<DeviceOptions::SnmpSet> DeviceOptions::SnmpSets() const {
    std::vector<SnmpSet> sets;
    if (inventory_.empty()) {
        sets.push_back(SnmpSet{Port, ReadCommunity, WriteCommunity, Addresses.mid(Leading.size())});
        return sets;
    }
    for (const Entry& e : inventory_) {
        auto it = std::find_if(sets.begin(), sets.end(), [&](const SnmpSet& s) {
            return s.Port == e.Port && s.ReadCommunity == e.ReadCommunity && s.WriteCommunity == e.WriteCommunity;
        });
        if (it == sets.end()) {
            sets.push_back(SnmpSet{e.Port, e.ReadCommunity, e.WriteCommunity, {}});
            it = sets.end() - 1;
        }
        it->Addresses << e.Address;
    }
    return sets;
}

SnmpSecurityOptions DeviceOptions::SecurityOf(const QString& address) const {
    for (const Entry& e : inventory_)
        if (e.Address == address)
            return e.Security;
    return Security;
}

QString DeviceOptions::NameOf(const QString& address) const {
    for (const Entry& e : inventory_)
        if (e.Address == address)
            return e.Name;
    return {};
}

DeviceOptions DeviceOptions::ForSet(const SnmpSet& set) const {
    DeviceOptions copy = *this;
    copy.Port = set.Port;
    copy.ReadCommunity = set.ReadCommunity;
    copy.WriteCommunity = set.WriteCommunity;
    copy.Addresses = Leading + set.Addresses;
    return copy;
}
