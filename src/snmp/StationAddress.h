#pragma once
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

// The address of this station that a device can reach, for telling the device
// where to fetch or deliver a file. Nothing is sent to the device.
namespace StationAddress {

struct LocalInterface {
    QString Address;   // dotted IPv4
    QString Netmask;
};

struct NetworkAdapter {
    bool Ethernet = false;
    QStringList Addresses;   // IPv4 addresses of the adapter, in order
    QStringList Masks;       // the mask of each address
    QString Gateway;         // first gateway, "" or "0.0.0.0" when none
};

// Where the station's interfaces and adapters come from; tests give their own.
class NetworkInventory {
public:
    virtual ~NetworkInventory() = default;
    virtual std::vector<LocalInterface> Interfaces() const = 0;
    virtual std::vector<NetworkAdapter> Adapters() const = 0;
};

// The running system: interface addresses from getifaddrs, adapters grouped
// by interface with their default gateway from the kernel's routing table.
class SystemNetworkInventory : public NetworkInventory {
public:
    std::vector<LocalInterface> Interfaces() const override;
    std::vector<NetworkAdapter> Adapters() const override;
};

// Each octet of the address ANDed with the octet of the mask, dotted; a
// missing or non-numeric octet counts as 0.
QString NetworkOf(const QString& address, const QString& mask);

struct Choice {
    bool Ok = false;
    QString Address;
};

// An interface in the device's network first; otherwise the first address of
// an Ethernet adapter that shares its gateway's network.
Choice StationAddressForDevice(const QString& deviceAddress, const QString& deviceMask,
                               const NetworkInventory& inventory);
Choice StationAddressForDevice(const QString& deviceAddress, const QString& deviceMask);

// The device's LAN mask as the LAN page last read it; empty until then.
QString DeviceSubnetMask();
void SetDeviceSubnetMask(const QString& mask);

// Writes the chosen address into a text control (its "text" property) for the
// device at `deviceAddress` with DeviceSubnetMask(); false leaves it unchanged.
bool ShowStationAddressForDevice(QObject* control, const QString& deviceAddress);

}  // namespace StationAddress
