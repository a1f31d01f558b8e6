#include "DhcpLeases.h"

namespace DhcpLeases {
namespace {
bool Used(const DeviceState::Cell* ip, const DeviceState::Cell* mac) {
    const bool hasIp = ip && !ip->Value.Bytes.empty() && ip->Value.Bytes != std::string(4, '\0');
    const bool hasMac = mac && !mac->Value.Bytes.empty() && mac->Value.Bytes != std::string(6, '\0');
    return hasIp && hasMac;
}
}  // namespace

bool IsStaticLeaseTable(const std::string& table) { return table == "dhcpStaticLeases"; }

void FollowStaticPool(DeviceState& state) {
    const DeviceModel::Table* pool = state.Model().TableNamed("dhcpStaticPool");
    const DeviceModel::Table* leases = state.Model().TableNamed("dhcpStaticLeases");
    if (!pool || !leases)
        return;
    std::vector<DeviceState::Cell*> ips = state.ColumnCells(*pool, "IP");
    std::vector<DeviceState::Cell*> macs = state.ColumnCells(*pool, "MAC");
    std::vector<std::pair<SimValue, SimValue>> used;   // {MAC, IP}
    for (size_t i = 0; i < ips.size() && i < macs.size(); ++i)
        if (Used(ips[i], macs[i]))
            used.push_back({macs[i]->Value, ips[i]->Value});
    state.RebuildTable(*leases, static_cast<int>(used.size()));
    std::vector<DeviceState::Cell*> leaseMacs = state.ColumnCells(*leases, "Binding MAC Address");
    std::vector<DeviceState::Cell*> leaseIps = state.ColumnCells(*leases, "Assigned IP Address");
    for (size_t i = 0; i < used.size() && i < leaseMacs.size() && i < leaseIps.size(); ++i) {
        leaseMacs[i]->Value = used[i].first;
        leaseIps[i]->Value = used[i].second;
    }
}
}  // namespace DhcpLeases
