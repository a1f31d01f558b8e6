#include "StationAddress.h"
#include <QFile>
#include <QMap>
#include <QVariant>
#include <QTextStream>
#include <arpa/inet.h>
#include <ifaddrs.h>
#include <mutex>
#include <net/if.h>
#include <netinet/in.h>

namespace StationAddress {
namespace {

std::mutex gMaskMutex;
QString gDeviceSubnetMask;

QString Dotted(const sockaddr* address) {
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(address)->sin_addr, text, sizeof text);
    return QString::fromLatin1(text);
}

bool IsNoAddress(const QString& address) { return address.isEmpty() || address == QLatin1String("0.0.0.0"); }

// Default gateways by interface name, from /proc/net/route (hexadecimal, in
// the kernel's byte order).
QMap<QString, QString> DefaultGateways() {
    QMap<QString, QString> gateways;
    QFile file(QStringLiteral("/proc/net/route"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return gateways;
    QTextStream in(&file);
    in.readLine();   // header
    while (!in.atEnd()) {
        const QStringList f = in.readLine().split(QLatin1Char('\t'), Qt::SkipEmptyParts);
        if (f.size() < 8 || f[1] != QLatin1String("00000000") || gateways.contains(f[0]))
            continue;
        bool ok = false;
        const uint32_t raw = f[2].toUInt(&ok, 16);
        if (!ok)
            continue;
        in_addr a{};
        a.s_addr = raw;
        char text[INET_ADDRSTRLEN] = {};
        inet_ntop(AF_INET, &a, text, sizeof text);
        gateways.insert(f[0], QString::fromLatin1(text));
    }
    return gateways;
}

bool IsEthernet(const QString& name) {
    QFile type(QStringLiteral("/sys/class/net/%1/type").arg(name));
    if (!type.open(QIODevice::ReadOnly))
        return false;
    return type.readAll().trimmed() == "1";   // ARPHRD_ETHER
}

}  // namespace

std::vector<LocalInterface> SystemNetworkInventory::Interfaces() const {
    std::vector<LocalInterface> result;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0)
        return result;
    for (const ifaddrs* i = list; i; i = i->ifa_next) {
        if (!i->ifa_addr || i->ifa_addr->sa_family != AF_INET || !(i->ifa_flags & IFF_UP))
            continue;
        result.push_back({Dotted(i->ifa_addr), i->ifa_netmask ? Dotted(i->ifa_netmask) : QStringLiteral("0.0.0.0")});
    }
    freeifaddrs(list);
    return result;
}

std::vector<NetworkAdapter> SystemNetworkInventory::Adapters() const {
    std::vector<NetworkAdapter> result;
    QStringList names;
    QMap<QString, NetworkAdapter> byName;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0)
        return result;
    for (const ifaddrs* i = list; i; i = i->ifa_next) {
        if (!i->ifa_addr || i->ifa_addr->sa_family != AF_INET || !(i->ifa_flags & IFF_UP))
            continue;
        const QString name = QString::fromLocal8Bit(i->ifa_name);
        if (!byName.contains(name))
            names << name;
        NetworkAdapter& a = byName[name];
        a.Addresses << Dotted(i->ifa_addr);
        a.Masks << (i->ifa_netmask ? Dotted(i->ifa_netmask) : QStringLiteral("0.0.0.0"));
    }
    freeifaddrs(list);
    const QMap<QString, QString> gateways = DefaultGateways();
    for (const QString& name : names) {
        NetworkAdapter a = byName.value(name);
        a.Ethernet = IsEthernet(name);
        a.Gateway = gateways.value(name);
        result.push_back(a);
    }
    return result;
}

QString NetworkOf(const QString& address, const QString& mask) {
    const QStringList a = address.split(QLatin1Char('.'));
    const QStringList m = mask.split(QLatin1Char('.'));
    QStringList octets;
    for (int i = 0; i < 4; ++i) {
        const int x = a.value(i).trimmed().toInt();
        const int y = m.value(i).trimmed().toInt();
        octets << QString::number(x & y);
    }
    return octets.join(QLatin1Char('.'));
}

Choice StationAddressForDevice(const QString& deviceAddress, const QString& deviceMask,
                               const NetworkInventory& inventory) {
    Choice choice;
    const QString deviceNetwork = NetworkOf(deviceAddress, deviceMask);
    for (const LocalInterface& i : inventory.Interfaces()) {
        if (NetworkOf(i.Address, i.Netmask) == deviceNetwork) {
            choice.Address = i.Address;
            break;
        }
    }
    if (choice.Address.isEmpty()) {
        for (const NetworkAdapter& a : inventory.Adapters()) {
            if (!a.Ethernet || a.Addresses.isEmpty() || IsNoAddress(a.Gateway))
                continue;
            for (qsizetype k = 0; k < a.Addresses.size(); ++k) {
                const QString mask = a.Masks.value(k);
                if (NetworkOf(a.Gateway, mask) == NetworkOf(a.Addresses[k], mask)) {
                    choice.Address = a.Addresses[k];
                    break;
                }
            }
            if (!choice.Address.isEmpty())
                break;
        }
    }
    choice.Ok = !IsNoAddress(choice.Address);
    return choice;
}

Choice StationAddressForDevice(const QString& deviceAddress, const QString& deviceMask) {
    return StationAddressForDevice(deviceAddress, deviceMask, SystemNetworkInventory());
}

QString DeviceSubnetMask() {
    std::lock_guard lock(gMaskMutex);
    return gDeviceSubnetMask;
}

void SetDeviceSubnetMask(const QString& mask) {
    std::lock_guard lock(gMaskMutex);
    gDeviceSubnetMask = mask;
}

bool ShowStationAddressForDevice(QObject* control, const QString& deviceAddress) {
    const Choice choice = StationAddressForDevice(deviceAddress, DeviceSubnetMask());
    if (!choice.Ok || !control)
        return false;
    control->setProperty("text", choice.Address);
    return true;
}

}  // namespace StationAddress
