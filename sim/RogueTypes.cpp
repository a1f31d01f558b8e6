#include "RogueTypes.h"
#include "SnmpErrors.h"
#include "mib/Catalogue.h"
#include "snmp/SnmpSyntax.h"

namespace RogueTypes {
namespace {
constexpr int64_t kNew = 1, kValid = 2, kNeighborhood = 3, kRogue = 4;

const OidPath& Base() {
    static const OidPath base = Oids::MustParse(std::string(Catalogue::EnterpriseRoot) + ".3.4.4");
    return base;
}

struct Survey {
    std::vector<DeviceState::Cell*> Types;
    std::vector<DeviceState::Cell*> Bssids;
};

Survey SurveyOf(DeviceState& state) {
    Survey survey;
    if (const DeviceModel::Table* table = state.Model().TableNamed("rogueSurvey")) {
        survey.Types = state.ColumnCells(*table, "dot11RogueApSurveyType");
        survey.Bssids = state.ColumnCells(*table, "dot11RogueApSurveyBssid");
    }
    return survey;
}

// The row of a survey index (the index column counts rows from 1).
DeviceState::Cell* TypeOfIndex(DeviceState& state, int64_t index) {
    Survey survey = SurveyOf(state);
    if (index < 1 || static_cast<size_t>(index) > survey.Types.size())
        return nullptr;
    return survey.Types[static_cast<size_t>(index - 1)];
}

const char* TypeName(int64_t type) {
    switch (type) {
    case kNew: return "new";
    case kValid: return "valid";
    case kNeighborhood: return "neighborhood";
    case kRogue: return "rogue";
    default: return "?";
    }
}
}  // namespace

int CommandOf(const OidPath& oid) {
    const OidPath& base = Base();
    if (!Oids::StartsWith(oid, base) || oid.size() < base.size() + 1 || oid.size() > base.size() + 2)
        return 0;
    if (oid.size() == base.size() + 2 && oid.back() != 0)
        return 0;
    const uint32_t command = oid[base.size()];
    return command >= 5 && command <= 10 ? static_cast<int>(command) : 0;
}

int Check(Device& device, int command, const SimValue& value) {
    if (!Syntaxes::IsNumber(value.Syntax))
        return SnmpErrors::WrongType;
    if (command >= 9)
        return value.Number == 1 ? SnmpErrors::NoError : SnmpErrors::WrongValue;
    return TypeOfIndex(device.State(), value.Number) ? SnmpErrors::NoError : SnmpErrors::WrongValue;
}

std::string Apply(Device& device, int command, int64_t value) {
    DeviceState& state = device.State();
    device.Dirty = true;
    if (command >= 9) {
        const int64_t to = command == 9 ? kValid : kRogue;
        int changed = 0;
        for (DeviceState::Cell* type : SurveyOf(state).Types) {
            if (type->Value.Number == kNew) {
                type->Value.Number = to;
                ++changed;
            }
        }
        return std::to_string(changed) + " new access points marked " + TypeName(to);
    }
    static const int64_t kTypes[] = {kValid, kNeighborhood, kRogue, kNew};   // commands 5 to 8
    DeviceState::Cell* type = TypeOfIndex(state, value);
    if (!type)
        return {};
    type->Value.Number = kTypes[command - 5];
    return "access point " + std::to_string(value) + " set as " + TypeName(type->Value.Number);
}

std::map<std::string, int64_t> Kept(DeviceState& state) {
    std::map<std::string, int64_t> kept;
    Survey survey = SurveyOf(state);
    for (size_t i = 0; i < survey.Types.size() && i < survey.Bssids.size(); ++i)
        kept[survey.Bssids[i]->Value.Bytes] = survey.Types[i]->Value.Number;
    return kept;
}

void Restore(DeviceState& state, const std::map<std::string, int64_t>& kept) {
    Survey survey = SurveyOf(state);
    for (size_t i = 0; i < survey.Types.size() && i < survey.Bssids.size(); ++i)
        if (auto it = kept.find(survey.Bssids[i]->Value.Bytes); it != kept.end())
            survey.Types[i]->Value.Number = it->second;
}
}  // namespace RogueTypes
