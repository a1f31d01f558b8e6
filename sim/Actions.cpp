#include "Actions.h"
#include "DhcpLeases.h"
#include "mib/Catalogue.h"
#include "FileTransfer.h"
#include "RadioRules.h"
#include "ApModeRules.h"
#include "RogueTypes.h"
#include "VlanPorts.h"
#include "SlotLists.h"
#include "SnmpErrors.h"
#include "TimeLogRules.h"
#include "mib/ValueMaps.h"
#include "snmp/SnmpSyntax.h"
#include <map>

namespace {
const std::string kZeroMac(6, '\0');

const std::map<std::string, std::vector<std::string>>& RefreshTables() {
    static const std::map<std::string, std::vector<std::string>> tables = {
        {"dot11ClientInformationRefresh", {"clients"}},
        {"dot11WdsRefresh", {"wdsLinks"}},
        {"dot11SiteSurveyRefreshg", {"siteSurvey"}},
        {"dot11SiteSurveyRefresha", {"siteSurvey"}},
        {"dot11WdsSiteSurveyRefresh", {"wdsSiteSurvey"}},
        {"dot11MacCloneAddressRefresh", {"macCloneList"}},
        {"refreshCurrentDynamicList", {"dhcpDynamicLeases"}},
        {"refreshCurrentStaticList", {"dhcpStaticLeases"}},
        {"dot11RogueApSurveyRefresh", {"rogueSurvey"}},
        {"dot11PortListRefresh", {"portList"}},
        {"dot11ApArrayScan", {"apArrayScan", "apArrayMembers"}},
    };
    return tables;
}

// Row deletions by number: the variable, its table.
const std::map<std::string, std::string>& RowResets() {
    static const std::map<std::string, std::string> tables = {
        {"dhcpServerStaticDelete", "dhcpStaticPool"},
        {"dot11QosRulesDelete", "qosRules"},
        {"dot11RogueApDeleteFromRecord", "rogueRecords"},
    };
    return tables;
}

bool Is(const VarDef& def, const char* name) {
    return def.HasName(name);
}

const std::string* NameIn(const VarDef& def, const auto& map) {
    for (const std::string& name : def.Names)
        if (map.count(name))
            return &name;
    return nullptr;
}

// The MAC address list behind an add/delete variable: table and column.
std::pair<const char*, const char*> MacListOf(const VarDef& def) {
    if (Is(def, "dot11MacAccessControlMacAddressAdd") || Is(def, "dot11MacAccessControlMacAddressDelete"))
        return {"macAccessList", "dot11MacAccessControlListMacAddress"};
    if (Is(def, "dot11RemoteApMacAddressAdd") || Is(def, "dot11RemoteApMacAddressDeleteAll"))
        return {"remoteApList", "dot11RemoteApMacAddressList"};
    return {nullptr, nullptr};
}

std::vector<DeviceState::Cell*> MacCells(DeviceState& state, const char* table, const char* column) {
    const DeviceModel::Table* t = state.Model().TableNamed(table);
    return t ? state.ColumnCells(*t, column) : std::vector<DeviceState::Cell*>{};
}

void SetNumber(DeviceState::Cell& cell, int64_t number) {
    if (Syntaxes::IsNumber(cell.Value.Syntax))
        cell.Value.Number = number;
}

// After an action the variable reads as its idle value again.
void Idle(DeviceState& state, const OidPath& oid, const VarDef& def) {
    DeviceState::Cell* cell = state.Find(oid);
    if (!cell)
        return;
    if (def.Syntax == SnmpSyntax::MacAddress)
        cell->Value.Bytes = kZeroMac;
    else if (Is(def, "ftpCommand"))
        SetNumber(*cell, 4);
    else
        SetNumber(*cell, 0);
}

std::string ValueText(DeviceState& state, const char* name) {
    DeviceState::Cell* cell = state.Named(name);
    return cell ? cell->Value.ToText() : std::string();
}
}  // namespace

int Actions::Check(Device& device, const VarDef& def, const SimValue& value, const SlotLists::Pending& pending) const {
    DeviceState& state = device.State();
    if (int status = TimeLogRules::Check(def, value))
        return status;
    if (const SlotLists::List* list = SlotLists::ForAction(def))
        if (int status = SlotLists::Check(state, *list, value.Number, pending))
            return status;
    if (!RadioRules::ChannelAllowed(state, def, value) || !RadioRules::ModeAllowed(state, def, value) ||
        !ApModeRules::ModeAllowed(state, def, value))
        return SnmpErrors::WrongValue;
    auto [table, column] = MacListOf(def);
    if (table && (Is(def, "dot11MacAccessControlMacAddressAdd") || Is(def, "dot11RemoteApMacAddressAdd"))) {
        if (value.Bytes == kZeroMac)
            return SnmpErrors::WrongValue;
        auto cells = MacCells(state, table, column);
        bool present = false, free = false;
        for (auto* cell : cells) {
            present |= cell->Value.Bytes == value.Bytes;
            free |= cell->Value.Bytes == kZeroMac;
        }
        if (!present && !free)
            return SnmpErrors::ResourceUnavailable;
    }
    if (const std::string* name = NameIn(def, RowResets())) {
        const DeviceModel::Table* t = state.Model().TableNamed(RowResets().at(*name));
        if (value.Number < 0 || (value.Number > 0 && (!t || value.Number > t->Shape->Rows)))
            return SnmpErrors::WrongValue;
    }
    if (Is(def, "dot11RogueApAddtoApList") || Is(def, "dot11RrogueApDelete")) {
        const DeviceModel::Table* survey = state.Model().TableNamed("rogueSurvey");
        if (value.Number < 0 || (value.Number > 0 && (!survey || !state.Find(Oids::Join(survey->Columns.front().Base, {static_cast<uint32_t>(value.Number)})))))
            return SnmpErrors::WrongValue;
    }
    return SnmpErrors::NoError;
}

std::string Actions::Apply(Device& device, const OidPath& oid, const VarDef& def, const SimValue& value,
                           std::vector<int>* jobs) const {
    DeviceState& state = device.State();
    const int64_t n = value.Number;
    auto started = [jobs](const FileTransfer::Started& transfer) {
        if (jobs && transfer.Job)
            jobs->push_back(transfer.Job);
        return transfer.Line;
    };

    if (Is(def, "deviceRestart")) {
        if (n != 1) return {};
        Idle(state, oid, def);
        state.Reboot();
        device.SilenceFor(timing_.RestartMs);
        return "restart: silent for " + std::to_string(timing_.RestartMs) + " ms";
    }
    if (Is(def, "deviceFactoryDefault")) {
        if (n != 1) return {};
        state.FactoryReset();
        state.TakeSnapshot();
        state.Reboot();
        device.SilenceFor(timing_.ResetMs);
        return "factory reset: silent for " + std::to_string(timing_.ResetMs) + " ms";
    }
    if (Is(def, "deviceSettingApply")) {
        if (n != 1) return {};
        Idle(state, oid, def);
        state.TakeSnapshot();
        return "settings applied";
    }
    if (Is(def, "discardChanges")) {
        if (n != 1) return {};
        state.RestoreSnapshot();
        Idle(state, oid, def);
        return "changes discarded";
    }
    if (Is(def, "languagePackClear") && n == 1) {
        std::string line = device.LanguagePack.empty() ? "language pack clear: none installed"
                                                       : "language pack " + device.LanguagePack + " cleared";
        device.LanguagePack.clear();
        Idle(state, oid, def);
        return line;
    }
    if (Is(def, "languagePackClear") || Is(def, "systemLogClearLocalLog")) {
        if (n != 1) return {};
        if (Is(def, "systemLogClearLocalLog"))
            device.Log().Clear();
        Idle(state, oid, def);
        return def.Name + " done";
    }
    if (std::optional<std::string> line = TimeLogRules::Apply(device, def, value)) {
        Idle(state, oid, def);   // a clear command reads as "nothing" again
        return *line;
    }
    if (const std::string* name = NameIn(def, RefreshTables())) {
        if (n != 1) return {};
        const auto types = RogueTypes::Kept(state);   // access points keep their types across detections
        for (const std::string& table : RefreshTables().at(*name)) {
            state.RebuildTable(table);
            if (DhcpLeases::IsStaticLeaseTable(table))
                DhcpLeases::FollowStaticPool(state);
        }
        RogueTypes::Restore(state, types);
        VlanPorts::Follow(state);
        Idle(state, oid, def);
        return "refreshed " + RefreshTables().at(*name).front();
    }
    if (const std::string* name = NameIn(def, RowResets())) {
        const DeviceModel::Table* table = state.Model().TableNamed(RowResets().at(*name));
        if (table && n >= 1)
            for (const DeviceModel::Column& column : table->Columns)
                if (DeviceState::Cell* cell = state.Find(Oids::Join(column.Base, TableGenerators::RowIndex(*table->Shape, static_cast<int>(n)))))
                    cell->Value = state.FreshCell(*table, *column.Def, static_cast<int>(n));
        Idle(state, oid, def);
        return table && n >= 1 ? "cleared row " + std::to_string(n) + " of " + table->Shape->Name : std::string();
    }
    if (Is(def, "dot11MacAccessControlMacAddressAdd") || Is(def, "dot11RemoteApMacAddressAdd")) {
        auto [table, column] = MacListOf(def);
        auto cells = MacCells(state, table, column);
        bool present = false;
        for (auto* cell : cells)
            present |= cell->Value.Bytes == value.Bytes;
        if (!present)
            for (auto* cell : cells)
                if (cell->Value.Bytes == kZeroMac) {
                    cell->Value.Bytes = value.Bytes;
                    break;
                }
        Idle(state, oid, def);
        return std::string("added ") + value.ToText() + " to " + table;
    }
    if (Is(def, "dot11MacAccessControlMacAddressDelete")) {
        auto [table, column] = MacListOf(def);
        auto cells = MacCells(state, table, column);
        // Later entries move up, so the list has no holes before its first unused entry.
        size_t to = 0;
        for (size_t from = 0; from < cells.size(); ++from)
            if (cells[from]->Value.Bytes != value.Bytes)
                cells[to++]->Value.Bytes = cells[from]->Value.Bytes;
        for (; to < cells.size(); ++to)
            cells[to]->Value.Bytes = kZeroMac;
        Idle(state, oid, def);
        return std::string("deleted ") + value.ToText() + " from " + table;
    }
    if (Is(def, "dot11RemoteApMacAddressDeleteAll")) {
        if (n != 1) return {};
        auto [table, column] = MacListOf(def);
        for (auto* cell : MacCells(state, table, column))
            cell->Value.Bytes = kZeroMac;
        Idle(state, oid, def);
        return "remote AP list emptied";
    }
    if (Is(def, "dot11RogueApAddtoApList") && n >= 1) {
        const DeviceModel::Table* survey = state.Model().TableNamed("rogueSurvey");
        const DeviceModel::Table* records = state.Model().TableNamed("rogueRecords");
        if (survey && records) {
            auto bssids = state.ColumnCells(*records, "BSSID");
            for (size_t slot = 0; slot < bssids.size(); ++slot) {
                if (bssids[slot]->Value.Bytes != kZeroMac)
                    continue;
                // Columns of the same number carry the same field in both tables.
                for (const DeviceModel::Column& to : records->Columns) {
                    OidPath from = survey->Entry;
                    from.push_back(to.Base.back());
                    from.push_back(static_cast<uint32_t>(n));
                    DeviceState::Cell* source = state.Find(from);
                    DeviceState::Cell* target = state.Find(Oids::Join(to.Base, TableGenerators::RowIndex(*records->Shape, static_cast<int>(slot + 1))));
                    if (source && target && source->Value.Syntax == target->Value.Syntax && !to.Def->HasName("Index"))
                        target->Value = source->Value;
                }
                break;
            }
        }
        Idle(state, oid, def);
        return "rogue AP " + std::to_string(n) + " added to the AP list";
    }
    if (Is(def, "dot11RrogueApDelete") && n >= 1) {
        if (const DeviceModel::Table* survey = state.Model().TableNamed("rogueSurvey"))
            state.EraseRow(*survey, static_cast<int>(n));
        Idle(state, oid, def);
        return "rogue AP " + std::to_string(n) + " deleted";
    }
    if (const SlotLists::List* list = SlotLists::ForAction(def))
        return SlotLists::Apply(state, *list, n);
    if (Is(def, "ftpCommand")) {
        if (n < 1 || n > 3) return {};
        std::string line = transfers_ ? started(transfers_->FtpCommand(device, static_cast<int>(n)))
                                      : "ftp command " + std::to_string(n) + " to " + ValueText(state, "ftpServerIPAddress") + " (no transfers)";
        Idle(state, oid, def);
        return line;
    }
    if (Is(def, "ftpUpgradeSettingCommand")) {
        std::string line = transfers_ ? started(transfers_->UpgradeCommand(device, static_cast<int>(n))) : std::string();
        if (DeviceState::Cell* cell = state.Find(oid))
            SetNumber(*cell, 6);   // reads as "nothing" again
        return line;
    }
    if (Is(def, "systemLogGetLog")) {
        if (n != 1) return {};
        std::string line = transfers_ ? started(transfers_->SendLog(device))
                                      : "tftp log to " + ValueText(state, "systemLogTFTPServerIPAddress") + " (no transfers)";
        Idle(state, oid, def);
        return line;
    }
    if (RadioRules::IsBand(state, def)) {
        RadioRules::FollowBand(state);
        ApModeRules::FollowChannel(state);
        return std::string("band ") + (n == 1 ? "5GHz" : "2.4GHz") + ", channels " + RadioRules::ChannelsOf(n == 1);
    }
    if (ApModeRules::IsChannel(state, def)) {
        ApModeRules::FollowChannel(state);
        return "channel " + std::to_string(n) + ", frequency follows";
    }
    if (Is(def, "dot11VlanStatus") && n == 1) {
        // VLANs work in the Access Point mode only: the device switches to it.
        static const OidPath apMode = Oids::MustParse(std::string(Catalogue::EnterpriseRoot) + ".2.1.3.3.1.1.1.28.1");
        if (DeviceState::Cell* mode = state.Find(apMode); mode && mode->Value.Number != 1) {
            SetNumber(*mode, 1);
            if (DeviceState::Cell* status = state.Named("dot11ApModeStatus"))
                if (const ValueMap* map = MibMaps::ByNumber(3))
                    if (QString text = map->TextForValue(QStringLiteral("1")); !text.isEmpty())
                        status->Value.Bytes = text.toStdString();
            return "VLAN on: AP mode set to Access Point";
        }
        return {};
    }
    if (Is(def, "dot11ApMode")) {
        // The status text follows the mode.
        if (DeviceState::Cell* status = state.Named("dot11ApModeStatus"))
            if (const ValueMap* map = MibMaps::ByNumber(3)) {
                QString text = map->TextForValue(QString::number(n));
                if (!text.isEmpty())
                    status->Value.Bytes = text.toStdString();
            }
    }
    return {};
}

namespace {
const OidPath& VlanDeletionBase() {
    static const OidPath base = Oids::MustParse(std::string(Catalogue::EnterpriseRoot) + ".3.5.1.3.1.22");
    return base;
}

// The VLAN list's row that holds this VID, 0 if none.
int VlanRow(DeviceState& state, int vid) {
    const DeviceModel::Table* table = state.Model().TableNamed("groupVlans");
    if (!table || vid < 1)
        return 0;
    std::vector<DeviceState::Cell*> vids = state.ColumnCells(*table, "dot11GroupVlanListVid");
    for (size_t i = 0; i < vids.size(); ++i)
        if (vids[i]->Value.Number == vid)
            return static_cast<int>(i + 1);
    return 0;
}
}  // namespace

int Actions::VlanDeletion(const OidPath& oid) {
    const OidPath& base = VlanDeletionBase();
    if (oid.size() != base.size() + 1 || !Oids::StartsWith(oid, base) || oid.back() < 1 || oid.back() > 4094)
        return 0;
    return static_cast<int>(oid.back());
}

int Actions::CheckVlanDeletion(Device& device, int vid, const SimValue& value) {
    if (!Syntaxes::IsNumber(value.Syntax))
        return SnmpErrors::WrongType;
    if (value.Number != 1)
        return SnmpErrors::WrongValue;
    return VlanRow(device.State(), vid) ? SnmpErrors::NoError : SnmpErrors::NoCreation;
}

std::string Actions::DeleteVlan(Device& device, int vid) {
    DeviceState& state = device.State();
    const DeviceModel::Table* table = state.Model().TableNamed("groupVlans");
    int row = VlanRow(state, vid);
    if (!table || !row)
        return {};
    // The row becomes a free slot again.
    for (const DeviceModel::Column& column : table->Columns)
        if (DeviceState::Cell* cell = state.Find(Oids::Join(column.Base, TableGenerators::RowIndex(*table->Shape, row))))
            cell->Value = state.FreshCell(*table, *column.Def, row);
    device.Dirty = true;
    return "deleted VLAN " + std::to_string(vid);
}
