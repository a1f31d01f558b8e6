#include "VlanPorts.h"
#include "snmp/SnmpSyntax.h"

namespace VlanPorts {
namespace {
const char* const kPorts[] = {"Mgmt",   "Lan",    "Primary", "Mssid1", "Mssid2", "Mssid3", "Mssid4", "Mssid5", "Mssid6",
                              "Mssid7", "Wds1",   "Wds2",    "Wds3",   "Wds4",   "Wds5",   "Wds6",   "Wds7",   "Wds8"};

std::string Join(const std::vector<int64_t>& vids) {
    std::string text;
    for (int64_t vid : vids)
        text += (text.empty() ? "" : ",") + std::to_string(vid);
    return text;
}
}  // namespace

void Follow(DeviceState& state) {
    const DeviceModel::Table* ports = state.Model().TableNamed("portList");
    const DeviceModel::Table* vlans = state.Model().TableNamed("groupVlans");
    if (!ports || !vlans)
        return;
    std::vector<DeviceState::Cell*> tagCells = state.ColumnCells(*ports, "dot11PortListTagVid");
    std::vector<DeviceState::Cell*> untagCells = state.ColumnCells(*ports, "dot11PortListUntagVid");
    std::vector<DeviceState::Cell*> vids = state.ColumnCells(*vlans, "dot11GroupVlanListVid");
    for (size_t port = 0; port < std::size(kPorts); ++port) {
        std::vector<int64_t> tagged, untagged;
        std::vector<DeviceState::Cell*> members = state.ColumnCells(*vlans, std::string("dot11GroupVlanList") + kPorts[port]);
        for (size_t row = 0; row < vids.size() && row < members.size(); ++row) {
            const int64_t vid = vids[row]->Value.Number;
            if (vid < 1)
                continue;   // an unused row
            if (members[row]->Value.Number == 1)
                tagged.push_back(vid);
            else if (members[row]->Value.Number == 2)
                untagged.push_back(vid);
        }
        if (untagged.empty())
            if (DeviceState::Cell* pvid = state.Named(std::string("dot11PvidSetting") + kPorts[port]))
                untagged.push_back(pvid->Value.Number);
        if (port < tagCells.size())
            tagCells[port]->Value.Bytes = Join(tagged);
        if (port < untagCells.size())
            untagCells[port]->Value.Bytes = Join(untagged);
    }
}
}  // namespace VlanPorts
