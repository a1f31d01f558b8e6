#include "snmp/StationAddress.h"
#include <QVariant>
#include <gtest/gtest.h>

namespace {

using namespace StationAddress;

class FakeInventory : public NetworkInventory {
public:
    std::vector<LocalInterface> interfaces;
    std::vector<NetworkAdapter> adapters;
    std::vector<LocalInterface> Interfaces() const override { return interfaces; }
    std::vector<NetworkAdapter> Adapters() const override { return adapters; }
};

NetworkAdapter Adapter(bool ethernet, QStringList addresses, QStringList masks, QString gateway) {
    NetworkAdapter a;
    a.Ethernet = ethernet;
    a.Addresses = addresses;
    a.Masks = masks;
    a.Gateway = gateway;
    return a;
}

TEST(StationAddress, NetworkOfAndsEachOctet) {
    EXPECT_EQ(NetworkOf("192.168.0.50", "255.255.255.0"), "192.168.0.0");
    EXPECT_EQ(NetworkOf("10.1.2.3", "255.0.0.0"), "10.0.0.0");
    EXPECT_EQ(NetworkOf("192.168.0.50", ""), "0.0.0.0");
    EXPECT_EQ(NetworkOf("192.168.x", "255.255.255.255"), "192.168.0.0");
}

TEST(StationAddress, InterfaceInTheDeviceNetworkWins) {
    FakeInventory inv;
    inv.interfaces = {{"10.9.9.9", "255.0.0.0"}, {"192.168.0.10", "255.255.255.0"}};
    inv.adapters = {Adapter(true, {"10.9.9.9"}, {"255.0.0.0"}, "10.0.0.1")};
    const Choice c = StationAddressForDevice("192.168.0.50", "255.255.255.0", inv);
    EXPECT_TRUE(c.Ok);
    EXPECT_EQ(c.Address, "192.168.0.10");
}

TEST(StationAddress, FallsBackToTheGatewayFacingEthernetAdapter) {
    FakeInventory inv;
    inv.interfaces = {{"127.0.0.1", "255.0.0.0"}, {"10.1.2.3", "255.0.0.0"}};
    inv.adapters = {Adapter(false, {"172.16.0.5"}, {"255.255.0.0"}, "172.16.0.1"),
                    Adapter(true, {"10.1.2.3"}, {"255.0.0.0"}, "10.0.0.1")};
    const Choice c = StationAddressForDevice("192.168.0.50", "255.255.255.0", inv);
    EXPECT_TRUE(c.Ok);
    EXPECT_EQ(c.Address, "10.1.2.3");
}

TEST(StationAddress, LaterAddressOfAnAdapterInItsGatewayNetwork) {
    FakeInventory inv;
    inv.adapters = {Adapter(true, {"172.16.0.5", "10.1.2.3"}, {"255.255.0.0", "255.0.0.0"}, "10.0.0.1")};
    EXPECT_EQ(StationAddressForDevice("192.168.0.50", "255.255.255.0", inv).Address, "10.1.2.3");
}

TEST(StationAddress, AdapterWithoutGatewayIsNeverChosen) {
    FakeInventory inv;
    inv.adapters = {Adapter(true, {"10.1.2.3"}, {"255.0.0.0"}, "0.0.0.0"),
                    Adapter(true, {"10.1.2.4"}, {"255.0.0.0"}, "")};
    const Choice c = StationAddressForDevice("192.168.0.50", "255.255.255.0", inv);
    EXPECT_FALSE(c.Ok);
}

TEST(StationAddress, EmptyDeviceMaskLeavesOnlyTheFallback) {
    FakeInventory inv;
    inv.interfaces = {{"192.168.0.10", "255.255.255.0"}};
    EXPECT_FALSE(StationAddressForDevice("192.168.0.50", "", inv).Ok);
    inv.adapters = {Adapter(true, {"10.1.2.3"}, {"255.0.0.0"}, "10.0.0.1")};
    EXPECT_EQ(StationAddressForDevice("192.168.0.50", "", inv).Address, "10.1.2.3");
}

TEST(StationAddress, SystemInventoryFindsLoopback) {
    const Choice c = StationAddressForDevice("127.0.1.5", "255.0.0.0");
    EXPECT_TRUE(c.Ok);
    EXPECT_EQ(c.Address, "127.0.0.1");
}

TEST(StationAddress, ShowWritesTheControlText) {
    QObject control;
    control.setProperty("text", "unchanged");
    SetDeviceSubnetMask("255.0.0.0");
    EXPECT_TRUE(ShowStationAddressForDevice(&control, "127.0.0.9"));
    EXPECT_EQ(control.property("text").toString(), "127.0.0.1");
    SetDeviceSubnetMask("");
}

}  // namespace
